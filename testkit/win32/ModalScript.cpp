#include "testkit/win32/ModalScript.h"

#include "support/win32/MessageDialog.h"
#include "support/win32/ResourceText.h"

#include <gtest/gtest.h>

#include <utility>

namespace kvtest {

namespace {

constexpr UINT_PTR TimeLimitTimer = 0x4B56;

std::string Describe(zul::Windows::Modal& modal) {
    using namespace zul::Windows;
    if (auto* box = dynamic_cast<MessageDialog*>(&modal))
        return "message " + box->Caption() + ": " + box->Text();
    if (auto* dialog = dynamic_cast<Dialog*>(&modal))
        return "dialog " + std::to_string(dialog->TemplateId()) + " \"" + dialog->GetText() + "\"";
    if (auto* file = dynamic_cast<FileDialog*>(&modal))
        return file->GetKind() == FileDialog::Kind::Open ? "file open" : "file save";
    if (auto* box = dynamic_cast<SystemMessageBox*>(&modal))
        return "system message " + box->Caption() + ": " + box->Text();
    if (dynamic_cast<PrintDialog*>(&modal) != nullptr)
        return "print";
    return "modal";
}

void CALLBACK TimeLimitReached(HWND window, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(window, id);
    zul::Windows::Dialog* dialog = zul::Windows::Dialog::FromHandle(window);
    ADD_FAILURE() << "a dialog was still open at the time limit: \"" << TextOf(window) << "\"";
    if (dialog != nullptr)
        dialog->EndModal(IDCANCEL);
}

} // namespace

ModalScript::ModalScript(zul::Windows::WinApp& app, UINT timeoutMs)
    : app_(app), timeoutMs_(timeoutMs) {
    app_.SetModalHook([this](zul::Windows::Modal& modal) { Handle(modal); });
}

ModalScript::~ModalScript() {
    app_.SetModalHook(nullptr);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) not used";
}

ModalScript& ModalScript::Then(DialogAction action) {
    answers_.push_back({std::move(action), nullptr});
    return *this;
}

ModalScript& ModalScript::ThenSystem(SystemAction action) {
    answers_.push_back({nullptr, std::move(action)});
    return *this;
}

ModalScript& ModalScript::Press(int buttonId) {
    return Then([buttonId](zul::Windows::Dialog& dialog) { kvtest::Press(dialog, buttonId); });
}

ModalScript& ModalScript::ExpectMessage(const std::string& text, int buttonId) {
    return Then([text, buttonId](zul::Windows::Dialog& dialog) {
        auto* box = dynamic_cast<zul::Windows::MessageDialog*>(&dialog);
        EXPECT_EQ(box != nullptr ? box->Text() : "(not a message box)", text);
        kvtest::Press(dialog, buttonId);
    });
}

ModalScript& ModalScript::ExpectMessage(UINT stringId, int buttonId) {
    return ExpectMessage(zul::Windows::LoadResourceText(stringId), buttonId);
}

ModalScript& ModalScript::ChooseFile(const std::string& path) {
    return ThenSystem([path](zul::Windows::SystemDialog& dialog) {
        auto* file = dynamic_cast<zul::Windows::FileDialog*>(&dialog);
        ASSERT_NE(file, nullptr) << "expected a file dialog";
        file->AnswerPath(path);
    });
}

ModalScript& ModalScript::ExpectFileDialog(const FileDialogOffer& offer, const std::string& path) {
    return ThenSystem([offer, path](zul::Windows::SystemDialog& dialog) {
        auto* file = dynamic_cast<zul::Windows::FileDialog*>(&dialog);
        ASSERT_NE(file, nullptr) << "expected a file dialog";
        EXPECT_EQ(file->GetKind(), offer.kind);
        EXPECT_EQ(file->Filter(), offer.filter);
        EXPECT_EQ(file->DefaultExtension(), offer.extension);
        EXPECT_EQ(file->Flags(), offer.flags);
        EXPECT_EQ(file->InitialFolder(), offer.folder);
        EXPECT_EQ(file->Path(), "");
        if (path.empty())
            file->Answer(IDCANCEL);
        else
            file->AnswerPath(path);
    });
}

ModalScript& ModalScript::CancelSystemDialog() {
    return ThenSystem([](zul::Windows::SystemDialog& dialog) { dialog.Answer(IDCANCEL); });
}

ModalScript& ModalScript::ShowSystemDialog() {
    answers_.push_back({nullptr, [](zul::Windows::SystemDialog&) {}, true});
    return *this;
}

void ModalScript::Handle(zul::Windows::Modal& modal) {
    seen_.push_back(Describe(modal));
    auto* dialog = dynamic_cast<zul::Windows::Dialog*>(&modal);
    auto* system = dynamic_cast<zul::Windows::SystemDialog*>(&modal);
    if (answers_.empty()) {
        ADD_FAILURE() << "no answer left for " << seen_.back();
    } else {
        // Taken off first: the action may run further modal dialogs.
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        if (dialog != nullptr && answer.dialog) {
            ::SetTimer(dialog->Handle(), TimeLimitTimer, timeoutMs_, &TimeLimitReached);
            answer.dialog(*dialog);
            return; // ends by itself or at the time limit
        }
        if (system != nullptr && answer.system) {
            answer.system(*system);
            if (!system->IsAnswered() && !answer.shown) {
                ADD_FAILURE() << "the answer left " << seen_.back() << " unanswered";
                system->Answer(IDCANCEL);
            }
            return;
        }
        ADD_FAILURE() << "the answer does not fit " << seen_.back();
    }
    if (dialog != nullptr)
        dialog->EndModal(IDCANCEL);
    else if (system != nullptr)
        system->Answer(IDCANCEL);
}

void Press(zul::Windows::Dialog& dialog, int buttonId) {
    HWND button = ::GetDlgItem(dialog.Handle(), buttonId);
    ASSERT_NE(button, nullptr) << "no button " << buttonId << " in \"" << dialog.GetText() << "\"";
    ASSERT_TRUE(::IsWindowVisible(button)) << "button " << buttonId << " is hidden";
    ASSERT_TRUE(::IsWindowEnabled(button)) << "button " << buttonId << " is disabled";
    ::SendMessageA(button, BM_CLICK, 0, 0);
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string TextOf(HWND window) {
    return zul::Windows::Window(window).GetText();
}

} // namespace kvtest
