#include "support/win32/tests/TestResources.h"
#include "support/win32/Controls.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/MessageDialog.h"
#include "support/win32/WinApp.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

#include <string>

using namespace zul::Windows;

namespace {

// Position and size converted each on its own, as dialog templates are.
RECT UnitsToPixels(HWND dialog, int x, int y, int width, int height) {
    RECT position{x, y, width, height};
    ::MapDialogRect(dialog, &position);
    return RECT{position.left, position.top, position.left + position.right,
                position.top + position.bottom};
}

void ExpectPlacedAt(HWND control, HWND dialog, int x, int y, int width, int height) {
    const RECT expected = UnitsToPixels(dialog, x, y, width, height);
    const RECT actual = Window(control).RectInParent();
    EXPECT_TRUE(::EqualRect(&actual, &expected)) << kvtest::TextOf(control);
}

} // namespace

TEST(MessageDialog, NumberedErrorHasCaptionTextIconAndBothButtonsWhereTheLayoutSays) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.Then([](Dialog& dialog) {
        HWND box = dialog.Handle();
        EXPECT_EQ(kvtest::TextOf(box), "FEHLER");
        const RECT client = Window(box).ClientRect();
        const RECT size = UnitsToPixels(box, 0, 0, 260, 70);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        const std::string text = "FEHLER 008: Datei kann nicht zum Lesen ge\366ffnet werden.";
        HWND textStatic = kvtest::FindChild(box, "Static", text);
        ASSERT_NE(textStatic, nullptr);
        EXPECT_EQ(::GetDlgCtrlID(textStatic), -1);
        ExpectPlacedAt(textStatic, box, 35, 7, 218, 42);

        HWND iconStatic = nullptr;
        for (HWND child : kvtest::ChildWindows(box)) {
            if ((Window(child).Style() & SS_TYPEMASK) == SS_ICON)
                iconStatic = child;
        }
        ASSERT_NE(iconStatic, nullptr);
        EXPECT_EQ(Static(iconStatic).GetIcon(), ::LoadIconA(nullptr, IDI_HAND));
        const RECT iconAt = UnitsToPixels(box, 7, 7, 0, 0);
        EXPECT_EQ(Window(iconStatic).RectInParent().left, iconAt.left);
        EXPECT_EQ(Window(iconStatic).RectInParent().top, iconAt.top);

        HWND close = kvtest::FindChild(box, "Button", "&Schlie\337en");
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(::GetDlgCtrlID(close), IDOK);
        EXPECT_EQ(Window(close).Style() & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_TRUE(Window(close).Style() & WS_TABSTOP);
        ExpectPlacedAt(close, box, 7, 49, 50, 14);
        EXPECT_EQ(::GetFocus(), close);

        HWND help = kvtest::FindChild(box, "Button", "&Hilfe");
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(::GetDlgCtrlID(help), 9);
        ExpectPlacedAt(help, box, 203, 49, 50, 14);
        EXPECT_EQ(kvtest::ChildWindows(box).size(), 4u);

        // All controls use the box's font.
        EXPECT_EQ(Window(close).GetFont(), Window(box).GetFont());
        EXPECT_EQ(Window(textStatic).GetFont(), Window(box).GetFont());
        kvtest::Press(dialog, IDOK);
    });
    EXPECT_EQ(app.ShowError(IDS_TEST_ERR_008), IDOK);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_ERR_008);
    EXPECT_EQ(script.Seen().size(), 1u);
}

TEST(MessageDialog, WarningHasItsCaptionAndTheExclamationIcon) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.Then([](Dialog& dialog) {
        auto& box = dynamic_cast<MessageDialog&>(dialog);
        EXPECT_EQ(box.GetText(), "WARNUNG");
        EXPECT_EQ(box.Kind(), MessageKind::Warning);
        EXPECT_TRUE(box.HasHelp());
        // The text keeps its line feeds as single characters.
        EXPECT_NE(box.Text().find("vorhanden.\n\nDer Export"), std::string::npos);
        bool exclamation = false;
        for (HWND child : kvtest::ChildWindows(box.Handle()))
            exclamation |= Static(child).GetIcon() == ::LoadIconA(nullptr, IDI_EXCLAMATION);
        EXPECT_TRUE(exclamation);
        kvtest::Press(dialog, IDOK);
    });
    EXPECT_EQ(app.ShowWarning(IDS_TEST_WARN_501), IDOK);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_WARN_501);
}

TEST(MessageDialog, EscapeAndTheCloseBoxEndWithTwo) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.Then([](Dialog& dialog) { kvtest::PostKey(dialog, VK_ESCAPE); });
    script.Then([](Dialog& dialog) { dialog.Post(WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(app.ShowError(IDS_TEST_ERR_001), IDCANCEL);
    EXPECT_EQ(app.ShowWarning(IDS_TEST_WARN_503), IDCANCEL);
}

TEST(MessageDialog, StringWithoutEntryShowsAnEmptyBox) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.ExpectMessage("", IDOK);
    EXPECT_EQ(app.ShowError(2599), IDOK);
    EXPECT_EQ(app.LastMessageId(), 2599);
}

TEST(AppMessageReporter, ShowsErrorsAndWarningsThroughTheApplication) {
    kvtest::TestApp app;
    AppMessageReporter reporter(app);
    kvtest::ModalScript script(app);
    script.ExpectMessage(IDS_TEST_ERR_009).ExpectMessage(IDS_TEST_WARN_502);
    reporter.ReportError(IDS_TEST_ERR_009);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_ERR_009);
    reporter.ReportWarning(IDS_TEST_WARN_502);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_WARN_502);
    EXPECT_EQ(script.Seen()[1].rfind("message WARNUNG: WARNUNG 502", 0), 0u);
}
