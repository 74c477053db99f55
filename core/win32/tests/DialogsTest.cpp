// The delete question and the questions from their resources. (The document
// tests answer the save prompt.)
#include "core/win32/DeleteConfirmDialog.h"
#include "core/win32/QuestionDialog.h"
#include "resources/resource.h"
#include "testkit/win32/ModalScript.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

using namespace kvtest;
using zul::Windows::Dialog;
using zul::Windows::WinApp;
using zul::Windows::Window;

namespace {

INT_PTR RunAnswered(zul::Windows::Modal& dialog, std::function<void(Dialog&)> answer) {
    ModalScript script;
    script.Then(std::move(answer));
    const INT_PTR result = WinApp::Current()->RunModal(dialog);
    return result;
}

// The height a static control's text needs, wrapped at its width in its font.
int TextHeight(HWND text) {
    RECT needed{0, 0, Window(text).ClientRect().right, 0};
    HDC dc = ::GetDC(text);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(text, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font);
    ::DrawTextA(dc, TextOf(text).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    ::SelectObject(dc, old);
    ::ReleaseDC(text, dc);
    return needed.bottom;
}

} // namespace

TEST(DeleteConfirmDialog, TextForOneOrManyAndOnlyYesDeletes) {
    const std::pair<int, const char*> texts[] = {
        {1, "Sie haben einen Eintrag ausgew\xE4hlt.\n\nSoll dieser jetzt wirklich "
            "gel\xF6scht werden?"},
        {12, "Sie haben 12 Eintr\xE4ge ausgew\xE4hlt.\n\nSollen diese jetzt wirklich "
             "gel\xF6scht werden?"},
    };
    for (const auto& [count, text] : texts) {
        kolvane::DeleteConfirmDialog question(count);
        const auto answer = [text = text](Dialog& d) {
            EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_DELETE_TEXT)), text);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), IDCANCEL));
            PostKey(d, VK_RETURN);
        };
        EXPECT_EQ(RunAnswered(question, answer), IDCANCEL);
    }
    kolvane::DeleteConfirmDialog question(3);
    EXPECT_EQ(RunAnswered(question, [](Dialog& d) { Press(d, IDOK); }), IDOK);
}

// The texts are set at run time: the resource check cannot see them fit.
TEST(QuestionDialog, EachQuestionFitsAndEnterGivesTheSafeAnswer) {
    using Safe = kolvane::QuestionDialog::Safe;
    const struct {
        UINT caption, text;
        Safe safe;
        const char* title;
    } questions[] = {
        {IDS_OVERWRITE_CAPTION, IDS_OVERWRITE_CHANGED_FILE, Safe::No, "\xDC" "berschreiben?"},
        {IDS_RESTORE_CAPTION, IDS_RESTORE_INTERRUPTED_SAVE, Safe::Yes, "Wiederherstellen?"},
    };
    for (const auto& q : questions) {
        kolvane::QuestionDialog question(q.caption, q.text, q.safe);
        const int safeButton = q.safe == Safe::Yes ? IDOK : IDCANCEL;
        const auto checkAndEnter = [&](Dialog& d) {
            EXPECT_EQ(d.GetText(), q.title);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), safeButton));
            HWND text = ::GetDlgItem(d.Handle(), IDC_QUESTION_TEXT);
            EXPECT_LE(TextHeight(text), Window(text).ClientRect().bottom) << TextOf(text);
            PostKey(d, VK_RETURN);
        };
        EXPECT_EQ(RunAnswered(question, checkAndEnter), safeButton);
        EXPECT_EQ(RunAnswered(question, [](Dialog& d) { PostKey(d, VK_ESCAPE); }), IDCANCEL);
    }
}
