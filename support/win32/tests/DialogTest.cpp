#include "support/win32/tests/TestResources.h"
#include "support/win32/AppDialog.h"
#include "support/win32/Controls.h"
#include "support/win32/ListView.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"
#include "support/win32/WindowObject.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <commctrl.h>

#include <gtest/gtest-spi.h>
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
    FailingDialog() : AppDialog(0, IDR_TEST_ACCEL_FORM, IDD_TEST_FORM) {}
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

TEST(Dialog, ModalRunDisablesTheOwnerAndMakesTheDialogTheParentOfMessages) {
    kvtest::TestApp app;
    AppDialog main(IDI_TEST, IDR_TEST_ACCEL_WINDOW, IDD_TEST_WINDOW);
    app.SetMainWindow(&main);
    EXPECT_EQ(app.CurrentParentWindow(), nullptr); // no window yet

    kvtest::ModalScript script(app);
    HWND mainWindow = nullptr;
    HWND searchWindow = nullptr;
    auto boxOwnedBy = [&](HWND* owner) {
        script.Then([owner](Dialog& box) {
            EXPECT_EQ(::GetWindow(box.Handle(), GW_OWNER), *owner);
            EXPECT_FALSE(::IsWindowEnabled(*owner));
            kvtest::Press(box, IDOK);
        });
    };
    script.Then([&](Dialog& dialog) {
        mainWindow = dialog.Handle();
        EXPECT_EQ(app.CurrentParentWindow(), mainWindow);
        EXPECT_TRUE(dialog.IsVisible());
        app.ShowError(IDS_TEST_ERR_001);
        AppDialog search(0, IDR_TEST_ACCEL_FORM, IDD_TEST_FORM);
        EXPECT_EQ(app.RunModal(search), IDCANCEL);
        EXPECT_FALSE(search.Exists());
        EXPECT_TRUE(::IsWindowEnabled(mainWindow));
        EXPECT_EQ(app.CurrentParentWindow(), mainWindow);
        app.ShowError(IDS_TEST_ERR_002); // the main window owns it again
        kvtest::Press(dialog, IDOK);
    });
    boxOwnedBy(&mainWindow);
    script.Then([&](Dialog& search) {
        searchWindow = search.Handle();
        EXPECT_EQ(::GetWindow(searchWindow, GW_OWNER), mainWindow);
        EXPECT_FALSE(::IsWindowEnabled(mainWindow));
        EXPECT_EQ(app.CurrentParentWindow(), searchWindow);
        app.ShowError(IDS_TEST_ERR_003);
        kvtest::Press(search, IDCANCEL);
    });
    boxOwnedBy(&searchWindow);
    boxOwnedBy(&mainWindow);

    EXPECT_EQ(app.RunModal(main), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(::IsWindow(mainWindow));
    EXPECT_EQ(main.Handle(), nullptr);
}

TEST(Dialog, OwnerIsEnabledAgainWhenTheDialogEndsDuringItsInitialisation) {
    kvtest::TestApp app;
    class EndsAtOnce : public Dialog {
    public:
        EndsAtOnce() : Dialog(IDD_TEST_FORM) {}

    protected:
        bool OnInitDialog() override {
            EndModal(IDNO);
            return true;
        }
    };
    Dialog owner(IDD_TEST_WINDOW);
    ASSERT_TRUE(owner.Create());
    app.SetMainWindow(&owner);
    EndsAtOnce dialog;
    kvtest::ModalScript script(app); // no answer needed: the dialog never waits
    EXPECT_EQ(app.RunModal(dialog), IDNO);
    EXPECT_TRUE(owner.IsEnabled());
    EXPECT_TRUE(script.Seen().empty());
}

TEST(Dialog, AcceleratorsTurnF1IntoTheHelpCommandLikeTheHelpButton) {
    kvtest::TestApp app;
    kvtest::TempFolder help;
    kvtest::WriteText(help.File("ref_dlg_such.html"), "<html></html>");
    app.SetHelpFolder(help.Path().string() + "\\");
    AppDialog search(0, IDR_TEST_ACCEL_FORM, IDD_TEST_FORM);
    search.SetHelpTopic("ref_dlg_such.html");

    kvtest::ModalScript script(app);
    script.Then([&](Dialog& dialog) {
        kvtest::Press(dialog, IDC_TEST_HELP);
        EXPECT_EQ(app.helpCalls.size(), 1u);
        dialog.Item(IDC_TEST_TEXT).SetFocus();
        kvtest::PostKey(dialog, VK_F1);
        dialog.Item(IDCANCEL).Post(BM_CLICK);
    });
    EXPECT_EQ(app.RunModal(search), IDCANCEL);
    ASSERT_EQ(app.helpCalls.size(), 2u);
    EXPECT_EQ(app.helpCalls[1].address, app.helpCalls[0].address);
    const std::string tail = "/ref_dlg_such.html\"";
    EXPECT_EQ(app.helpCalls[0].address.substr(app.helpCalls[0].address.size() - tail.size()), tail);
}

TEST(Dialog, DialogKeysStillWorkBesideTheAccelerators) {
    kvtest::TestApp app;
    AppDialog search(0, IDR_TEST_ACCEL_FORM, IDD_TEST_FORM);
    kvtest::ModalScript script(app);
    script.Then([](Dialog& dialog) {
        dialog.Item(IDC_TEST_TEXT).SetFocus();
        kvtest::PostKey(dialog, VK_RETURN); // the default button
    });
    script.Then([](Dialog& dialog) { kvtest::PostKey(dialog, VK_ESCAPE); });
    EXPECT_EQ(app.RunModal(search), IDOK);
    EXPECT_EQ(app.RunModal(search), IDCANCEL); // a dialog object runs again
}

TEST(Dialog, IconSetBeforeTheWindowExistsIsShownOnceItIsInitialised) {
    kvtest::TestApp app;
    AppDialog dialog(0, 0, IDD_TEST_FORM);
    EXPECT_TRUE(dialog.SetIcon(IDI_TEST));
    EXPECT_FALSE(dialog.SetIcon(4711));
    EXPECT_TRUE(dialog.SetIcon(IDI_TEST));
    EXPECT_FALSE(dialog.SetAccelerators(4711));
    kvtest::ModalScript script(app);
    script.Then([](Dialog& shown) {
        const auto icon = reinterpret_cast<HICON>(shown.Send(WM_GETICON, ICON_BIG));
        EXPECT_EQ(icon, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST)));
        kvtest::Press(shown, IDCANCEL);
    });
    app.RunModal(dialog);
}

TEST(Dialog, BadAllocInAHandlerBecomesError000AndTheDialogGoesOn) {
    kvtest::TestApp app;
    FailingDialog dialog;
    kvtest::ModalScript script(app);
    script.Then([](Dialog& shown) {
        shown.Send(WM_COMMAND, MAKEWPARAM(ThrowBadAlloc, BN_CLICKED), 0);
        EXPECT_TRUE(shown.Exists());
        shown.Send(WM_COMMAND, MAKEWPARAM(ThrowOther, BN_CLICKED), 0);
        // Still answering its controls.
        EXPECT_TRUE(shown.SetItemText(IDC_TEST_TEXT, "Gr\xFC\337e"));
        EXPECT_EQ(shown.ItemText(IDC_TEST_TEXT), "Gr\xFC\337e");
        kvtest::Press(shown, IDCANCEL);
    });
    script.ExpectMessage(IDS_TEST_ERR_000).ExpectMessage(IDS_TEST_ERR_000);
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_ERR_000);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "bad_alloc", "destroy"}));
}

TEST(Dialog, ExceptionDuringInitialisationIsReportedAndTheDialogStillOpens) {
    kvtest::TestApp app;
    FailingDialog dialog;
    dialog.throwInInit = true;
    kvtest::ModalScript script(app);
    script.ExpectMessage(IDS_TEST_ERR_000); // raised while the window is being created
    script.Press(IDCANCEL);
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
}

TEST(ModalScript, ADialogLeftOpenEndsAtTheTimeLimitAndFailsTheTest) {
    kvtest::TestApp app;
    AppDialog search(0, 0, IDD_TEST_FORM);
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            kvtest::ModalScript script(app, 300);
            script.Then([](Dialog&) {}); // forgets to end it
            result = app.RunModal(search);
        },
        "still open at the time limit");
    EXPECT_EQ(result, IDCANCEL);
}

TEST(ModalScript, ADialogWithoutAnswerIsCancelledAtOnceAndFailsTheTest) {
    kvtest::TestApp app;
    AppDialog search(0, 0, IDD_TEST_FORM);
    FileDialog open(FileDialog::Kind::Open, "Alle Dateien (*.*)|*.*||", "", "", 0);
    INT_PTR dialogResult = 0;
    INT_PTR fileResult = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            kvtest::ModalScript script(app);
            dialogResult = app.RunModal(search);
        },
        "no answer left");
    EXPECT_NONFATAL_FAILURE(
        {
            kvtest::ModalScript script(app);
            fileResult = app.RunModal(open);
        },
        "no answer left");
    EXPECT_EQ(dialogResult, IDCANCEL);
    EXPECT_EQ(fileResult, IDCANCEL);
}

TEST(SystemDialogs, FileAndPrintDialogsAreAnsweredWithoutBeingShown) {
    kvtest::TestApp app;
    FileDialog save(FileDialog::Kind::Save,
                    "Kolvane-Dateien (*.kvd)|*.kvd|Alle Dateien (*.*)|*.*||", "kvd", "Sammlung.kvd",
                    OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR);
    save.SetInitialFolder("C:\\Daten\\");
    PrintDialog print;
    kvtest::ModalScript script(app);
    script.ThenSystem([](SystemDialog& dialog) {
        auto& file = dynamic_cast<FileDialog&>(dialog);
        EXPECT_EQ(file.GetKind(), FileDialog::Kind::Save);
        EXPECT_EQ(file.Path(), "Sammlung.kvd");
        EXPECT_EQ(file.InitialFolder(), "C:\\Daten\\");
        EXPECT_EQ(file.DefaultExtension(), "kvd");
        EXPECT_EQ(file.Flags(), static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR));
        file.AnswerPath("C:\\Daten\\neu.kvd");
    });
    script.CancelSystemDialog();
    EXPECT_EQ(app.RunModal(save), IDOK);
    EXPECT_EQ(save.Path(), "C:\\Daten\\neu.kvd");
    EXPECT_EQ(app.RunModal(print), IDCANCEL);
    EXPECT_EQ(script.Seen(), (std::vector<std::string>{"file save", "print"}));
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

class NotifiedDialog : public Dialog {
public:
    NotifiedDialog() : Dialog(IDD_TEST_WINDOW) {}
    std::vector<std::string> seen;

protected:
    bool OnNotify(int id, NMHDR& header, LRESULT&) override {
        if (id == IDC_TEST_LIST && header.code == LVN_ITEMCHANGED)
            seen.push_back("changed");
        return false;
    }
};

} // namespace

TEST(Dialog, NotificationsReachTheControlFirstAndItsResultCountsWhenTheDialogHasNone) {
    kvtest::TestApp app;
    NotifiedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ListView list;
    dialog.BindItem(list, IDC_TEST_LIST);
    ASSERT_NE(list.Handle(), nullptr);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    list.InsertColumn(0, column);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("eins");
    list.InsertItem(item);

    ReflectingList control(list.Handle());
    control.blockChanges = true; // the control's TRUE refuses the change
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_TRUE(dialog.seen.empty());

    control.blockChanges = false;
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(dialog.seen, std::vector<std::string>{"changed"});
    EXPECT_EQ(control.received, (std::vector<std::string>{"changing", "changing"}));

    // A control's command (here a button click) is reflected to the control too.
    ReflectingList button(dialog.Item(IDC_TEST_HELP).Handle());
    dialog.Item(IDC_TEST_HELP).Send(BM_CLICK);
    EXPECT_EQ(button.received, std::vector<std::string>{"command"});
    dialog.EndModal(IDOK); // modeless: destroys the window
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(Dialog, CommandTableRunsItsRowsForMenusAcceleratorsAndButtonsAndAnswersTheirStates) {
    class TableDialog : public Dialog {
    public:
        TableDialog() : Dialog(IDD_TEST_FORM) {
            AddCommands({
                {IDM_TEST_SAVE, [this] { runs.push_back("save"); },
                 [this] { return CommandState{saveEnabled}; }},
                {IDM_TEST_TOGGLE, [this] { runs.push_back("toggle"); },
                 [this] {
                     return CommandState{true, toggled};
                 }},
                {IDOK, [this] { runs.push_back("ok"); }, {}}, // replaces the base's row
            });
        }
        std::vector<std::string> runs;
        bool saveEnabled = true;
        bool toggled = true;

    protected:
        void OnCommandStarting(int id) override {
            runs.push_back("starting " + std::to_string(id));
        }
    };
    kvtest::TestApp app;
    TableDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const std::string save = "starting " + std::to_string(IDM_TEST_SAVE);
    dialog.Send(WM_COMMAND, MAKEWPARAM(IDM_TEST_SAVE, 0));         // menu
    dialog.Send(WM_COMMAND, MAKEWPARAM(IDM_TEST_SAVE, 1));         // accelerator
    dialog.Send(WM_COMMAND, MAKEWPARAM(IDM_TEST_SAVE, EN_CHANGE)); // another notification
    EXPECT_EQ(dialog.runs, (std::vector<std::string>{save, "save", save, "save"}));

    dialog.runs.clear();
    dialog.saveEnabled = false;
    EXPECT_FALSE(dialog.StateOf(IDM_TEST_SAVE).enabled);
    dialog.Send(WM_COMMAND, MAKEWPARAM(IDM_TEST_SAVE, 1)); // refused while disabled
    EXPECT_TRUE(dialog.runs.empty());
    EXPECT_TRUE(dialog.StateOf(IDM_TEST_TOGGLE).checked);
    EXPECT_TRUE(dialog.StateOf(4711).enabled); // no row: enabled, unchecked
    EXPECT_FALSE(dialog.StateOf(4711).checked);

    dialog.Item(IDOK).Send(BM_CLICK);
    EXPECT_EQ(dialog.runs.back(), "ok");
    EXPECT_TRUE(dialog.Exists());
    dialog.EndModal(IDCANCEL);
}

TEST(Dialog, DataExchangeReadsAndWritesControlTextAndCheckState) {
    kvtest::TestApp app;
    Dialog dialog(IDD_TEST_FORM);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(Dialog::FromHandle(dialog.Handle()), &dialog);
    EXPECT_EQ(Dialog::FromHandle(dialog.Item(IDOK).Handle()), nullptr);
    dialog.SetItemText(IDC_TEST_TEXT, "\xC4rzte");
    EXPECT_EQ(dialog.ItemText(IDC_TEST_TEXT), "\xC4rzte");
    EXPECT_EQ(Edit(dialog.Item(IDC_TEST_TEXT).Handle()).GetText(), "\xC4rzte");
    dialog.SetItemChecked(IDC_TEST_UP, true);
    EXPECT_TRUE(dialog.IsItemChecked(IDC_TEST_UP));
    EXPECT_TRUE(Button(dialog.Item(IDC_TEST_UP).Handle()).IsChecked());
    Button(dialog.Item(IDC_TEST_UP).Handle()).SetChecked(false);
    EXPECT_FALSE(dialog.IsItemChecked(IDC_TEST_UP));
    EXPECT_EQ(dialog.ItemText(4711), "");
}

TEST(WaitCursor, ShowsTheHourglassForItsScope) {
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    ::SetCursor(arrow);
    {
        WaitCursor wait;
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
        ::SetCursor(arrow);
        wait.Restore();
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(::GetCursor(), arrow);
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

TEST(WindowObject, AnExceptionInAControlsHandlerBecomesFehler000AndTheControlGoesOn) {
    kvtest::TestApp app;
    Dialog dialog(IDD_TEST_FORM);
    ASSERT_TRUE(dialog.Create());
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
    dialog.EndModal(IDOK);
}
