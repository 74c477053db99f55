#include "support/win32/tests/TestResources.h"
#include "support/win32/Controls.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/MessageDialog.h"
#include "support/win32/ResourceText.h"
#include "support/win32/WinApp.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

#include <cctype>
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
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

// A help folder with the messages page, so that the system finds a program for it.
struct HelpPages {
    HelpPages() {
        kvtest::WriteText(folder.File("ref_meldungen.html"), "<html><body></body></html>");
        kvtest::WriteText(folder.File("ref_dlg_such.html"), "<html><body></body></html>");
        path = folder.Path().string() + "\\";
    }
    kvtest::TempFolder folder;
    std::string path;
};

std::string FileAddress(const std::string& file) {
    std::string address = "\"file:///";
    for (char c : file) {
        address.push_back(c == '\\' ? '/' : c);
    }
    return address + "\"";
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
            if ((Window(child).Style() & SS_TYPEMASK) == SS_ICON) {
                iconStatic = child;
            }
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
        for (HWND child : kvtest::ChildWindows(box.Handle())) {
            exclamation |= Static(child).GetIcon() == ::LoadIconA(nullptr, IDI_EXCLAMATION);
        }
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

TEST(MessageDialog, HelpButtonAndF1OpenTheMessagesPageAtTheMessagesAnchorAndKeepTheBoxOpen) {
    kvtest::TestApp app;
    HelpPages pages;
    app.SetHelpFolder(pages.path);
    ASSERT_TRUE(app.RegisterHelpTopic(IDS_TEST_ERR_003, "ref_meldungen.html#l_e003"));
    const std::string address = FileAddress(pages.path + "ref_meldungen.html");
    const std::string expected = address.substr(0, address.size() - 1) + "#l_e003\"";

    kvtest::ModalScript script(app);
    script.Then([&](Dialog& dialog) {
        kvtest::Press(dialog, 9);
        ASSERT_EQ(app.helpCalls.size(), 1u);
        EXPECT_EQ(app.helpCalls[0].address, expected);
        EXPECT_TRUE(dialog.Exists());
        kvtest::PostKey(dialog, VK_F1);
        dialog.Item(IDOK).Post(BM_CLICK); // after the key, in queue order
    });
    EXPECT_EQ(app.ShowError(IDS_TEST_ERR_003), IDOK);
    ASSERT_EQ(app.helpCalls.size(), 2u);
    EXPECT_EQ(app.helpCalls[1].address, expected);
}

TEST(MessageDialog, FreeTextAndSystemErrorsHaveNoHelpAndTheNextNumberedMessageHasItAgain) {
    kvtest::TestApp app;
    HelpPages pages;
    app.SetHelpFolder(pages.path);
    kvtest::ModalScript script(app);
    auto withoutHelp = [&](const std::string& text) {
        script.Then([text](Dialog& dialog) {
            auto& box = dynamic_cast<MessageDialog&>(dialog);
            EXPECT_EQ(box.Text(), text);
            EXPECT_EQ(box.GetText(), "FEHLER");
            EXPECT_FALSE(box.HasHelp());
            EXPECT_EQ(box.Item(9).Handle(), nullptr);
            kvtest::PostKey(dialog, VK_F1); // consumed, nothing happens
            dialog.Item(IDOK).Post(BM_CLICK);
        });
    };
    script.ExpectMessage(IDS_TEST_ERR_002);
    app.ShowError(IDS_TEST_ERR_002);
    withoutHelp("Datei C:\\x.kvd: 100% fehlt");
    EXPECT_EQ(app.ShowErrorText("Datei %s: %d%% fehlt", "C:\\x.kvd", 100), IDOK);

    char raw[512] = {};
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     ERROR_FILE_NOT_FOUND, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), raw,
                     sizeof(raw), nullptr);
    std::string systemText = raw;
    ASSERT_FALSE(systemText.empty());
    ASSERT_TRUE(systemText.back() == '\n' || systemText.back() == ' '); // the line break it loses
    while (!systemText.empty() && std::isspace(static_cast<unsigned char>(systemText.back()))) {
        systemText.pop_back();
    }
    withoutHelp(systemText);
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    app.ShowSystemError();
    EXPECT_TRUE(app.helpCalls.empty());
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_ERR_002); // free texts leave it alone

    script.Then([](Dialog& dialog) {
        EXPECT_TRUE(dynamic_cast<MessageDialog&>(dialog).HasHelp());
        EXPECT_NE(dialog.Item(9).Handle(), nullptr);
        kvtest::Press(dialog, IDOK);
    });
    app.ShowError(IDS_TEST_ERR_004);
}

TEST(MessageDialog, ShowErrorTakesTheTextAsItStandsWithoutArguments) {
    // A message with a percent sign but no arguments must not read any.
    EXPECT_EQ(zul::FormatText("100% sicher"), "100% sicher");
    EXPECT_EQ(zul::FormatText("%d Eintr\xE4ge", 3), "3 Eintr\xE4ge");
}

TEST(MessageDialog, StringWithoutEntryShowsAnEmptyBox) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.ExpectMessage("", IDOK);
    EXPECT_EQ(app.ShowError(2599), IDOK);
    EXPECT_EQ(app.LastMessageId(), 2599);
}

TEST(HelpTopicMap, FirstRegistrationWinsAndUnknownIdsHaveNoTopic) {
    kvtest::TestApp app;
    EXPECT_TRUE(app.RegisterHelpTopic(2503, "ref_meldungen.html#l_e003"));
    EXPECT_TRUE(app.RegisterHelpTopic(2504, "ref_meldungen.html#l_e004"));
    EXPECT_FALSE(app.RegisterHelpTopic(2503, "andere.html"));
    EXPECT_EQ(app.HelpTopicOf(2503), "ref_meldungen.html#l_e003");
    EXPECT_EQ(app.HelpTopicOf(2504), "ref_meldungen.html#l_e004");
    EXPECT_EQ(app.HelpTopicOf(2505), "");
}

TEST(HelpTopicMap, HelpForAMessageWithoutTopicOpensTheStartPage) {
    kvtest::TestApp app;
    HelpPages pages;
    kvtest::WriteText(pages.folder.File("index.html"), "<html></html>");
    app.SetHelpFolder(pages.path);
    kvtest::ModalScript script(app);
    script.Then([](Dialog& dialog) {
        kvtest::Press(dialog, 9);
        kvtest::Press(dialog, IDOK);
    });
    app.ShowError(IDS_TEST_ERR_005);
    ASSERT_EQ(app.helpCalls.size(), 1u);
    EXPECT_EQ(app.helpCalls[0].address, FileAddress(pages.path + "index.html"));
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
