#include "support/win32/tests/TestResources.h"
#include "support/win32/AppDialog.h"
#include "support/win32/Controls.h"
#include "support/win32/ListView.h"
#include "support/win32/WindowObject.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

using namespace zul::Windows;

namespace {

constexpr int ThrowBadAlloc = 5001;
constexpr int ThrowOther = 5002;

// The test form as a plain framework dialog whose commands can fail.
class FailingDialog : public AppDialog {
public:
    explicit FailingDialog(UINT accelerators = IDR_TEST_ACCEL_FORM)
        : AppDialog(0, accelerators, IDD_TEST_FORM) {}
    std::vector<std::string> events;
    bool throwInInit = false;

protected:
    bool OnInitDialog() override {
        AppDialog::OnInitDialog();
        events.push_back("init");
        if (throwInInit)
            throw std::runtime_error("init");
        return true;
    }
    bool OnCommand(int id, int code, HWND control) override {
        if (id == ThrowBadAlloc) {
            events.push_back("bad_alloc");
            throw std::bad_alloc();
        }
        if (id == ThrowOther)
            throw std::logic_error("other");
        return AppDialog::OnCommand(id, code, control);
    }
    void OnDestroy() override { events.push_back("destroy"); }
};

} // namespace

// An exception in a handler becomes FEHLER 000 and the dialog goes on, also one in initialisation.
TEST(Dialog, IconAndExceptionsInHandlersOrInitialisation) {
    kvtest::TestApp app;
    FailingDialog dialog(0); // without accelerators
    EXPECT_FALSE(dialog.SetIcon(4711));
    EXPECT_TRUE(dialog.SetIcon(IDI_TEST));
    EXPECT_FALSE(dialog.SetAccelerators(4711));
    kvtest::ModalScript script(app);
    script.Then([](Dialog& shown) {
        const auto icon = reinterpret_cast<HICON>(shown.Send(WM_GETICON, ICON_BIG));
        EXPECT_EQ(icon, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST)));
        shown.Send(WM_COMMAND, MAKEWPARAM(ThrowBadAlloc, BN_CLICKED), 0);
        shown.Send(WM_COMMAND, MAKEWPARAM(ThrowOther, BN_CLICKED), 0);
        kvtest::Press(shown, IDCANCEL);
    });
    script.ExpectMessage(IDS_TEST_ERR_000).ExpectMessage(IDS_TEST_ERR_000);
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "bad_alloc", "destroy"}));

    FailingDialog failing;
    failing.throwInInit = true;
    script.ExpectMessage(IDS_TEST_ERR_000).Press(IDCANCEL);
    EXPECT_EQ(app.RunModal(failing), IDCANCEL);
}

namespace {

// A control object the way the editable list and the splitter are built: it
// subclasses its window and answers the notifications reflected to it.
class ReflectingList : public zul::Windows::WindowObject {
public:
    explicit ReflectingList(HWND window) { Subclass(window); }
    bool blockChanges = false;
    std::vector<std::string> received;

    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override {
        if (header.code != LVN_ITEMCHANGING)
            return false;
        received.push_back("changing");
        result = blockChanges ? TRUE : FALSE;
        return blockChanges;
    }
    bool OnReflectedCommand(int, LRESULT&) override {
        received.push_back("command");
        return false;
    }
};

} // namespace

// The dialog's own handling after the control's is the program's list windows' (their tests).
TEST(Dialog, NotificationsReachTheControlFirstAndItsResultCountsWhenTheDialogHasNone) {
    kvtest::TestApp app;
    Dialog dialog(IDD_TEST_WINDOW);
    ASSERT_TRUE(dialog.Create());
    ListView list;
    dialog.BindItem(list, IDC_TEST_LIST);
    ASSERT_NE(list.Handle(), nullptr);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("eins");
    list.InsertItem(item);

    ReflectingList control(list.Handle());
    control.blockChanges = true; // the control's TRUE refuses the change
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.SelectedCount(), 0);

    control.blockChanges = false;
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(control.received, (std::vector<std::string>{"changing", "changing"}));

    // A control's command (here a button click) is reflected to the control too.
    ReflectingList button(dialog.Item(IDC_TEST_HELP).Handle());
    dialog.Item(IDC_TEST_HELP).Send(BM_CLICK);
    EXPECT_EQ(button.received, std::vector<std::string>{"command"});
    dialog.EndModal(IDOK); // modeless: destroys the window
    EXPECT_EQ(dialog.Handle(), nullptr);
}

namespace {

// A subclassed control whose handler fails on WM_APP.
class FailingEdit : public WindowObject {
public:
    explicit FailingEdit(HWND edit) { Subclass(edit); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP)
            throw std::runtime_error("handler failed");
        return CallDefault(message, wParam, lParam);
    }
};

} // namespace

TEST(Dialog, DataExchangeAndAnExceptionInAControlsHandlerThatBecomesFehler000) {
    kvtest::TestApp app;
    Dialog dialog(IDD_TEST_FORM);
    ASSERT_TRUE(dialog.Create());
    app.SetMainWindow(&dialog); // destroyed with the test, before the application
    EXPECT_EQ(app.CurrentParentWindow(), dialog.Handle());
    EXPECT_EQ(Dialog::FromHandle(dialog.Handle()), &dialog);
    EXPECT_EQ(Dialog::FromHandle(dialog.Item(IDOK).Handle()), nullptr);
    EXPECT_TRUE(dialog.SetItemText(IDC_TEST_TEXT, "\xC4rzte"));
    EXPECT_EQ(dialog.ItemText(IDC_TEST_TEXT), "\xC4rzte");
    dialog.SetItemChecked(IDC_TEST_UP, true);
    EXPECT_TRUE(dialog.IsItemChecked(IDC_TEST_UP));
    EXPECT_TRUE(Button(dialog.Item(IDC_TEST_UP).Handle()).IsChecked());
    Button(dialog.Item(IDC_TEST_UP).Handle()).SetChecked(false);
    EXPECT_FALSE(dialog.IsItemChecked(IDC_TEST_UP));
    EXPECT_EQ(dialog.ItemText(4711), "");

    HWND edit = dialog.Item(IDC_TEST_TEXT).Handle();
    {
        FailingEdit failing(edit);
        EXPECT_EQ(WindowObject::FromHandle(edit), &failing);
        kvtest::ModalScript script(app);
        script.ExpectMessage(IDS_TEST_ERR_000);
        ::SendMessageA(edit, WM_APP, 0, 0);
        EXPECT_TRUE(script.Finished());
        ::SetWindowTextA(edit, "weiter");
        EXPECT_EQ(Window(edit).GetText(), "weiter");
    }
    // The object gone, the edit has its own procedure back.
    EXPECT_EQ(WindowObject::FromHandle(edit), nullptr);
    ::SendMessageA(edit, WM_APP, 0, 0);
    EXPECT_EQ(Window(edit).GetText(), "weiter");
}
