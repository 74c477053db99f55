#include "support/win32/tests/TestResources.h"
#include "support/win32/Controls.h"
#include "support/win32/MessageDialog.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/SystemErrorText.h"
#include "support/win32/WinApp.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace zul::Windows;

namespace {

// A help folder in a temporary folder with one page.
struct HelpFolder {
    HelpFolder(kvtest::TestApp& app, const char* page) {
        kvtest::WriteText(temp.File(page), "<html><body>Hilfe</body></html>");
        app.SetHelpFolder(path);
    }
    kvtest::TempFolder temp;
    std::string path = temp.Path().string() + "\\";
};

} // namespace

TEST(Help, FolderBesideTheProgramTopicsAndTheMessageWhenAPageCannotBeShown) {
    kvtest::TestApp app;
    EXPECT_TRUE(app.ProgramPath().ends_with("\\zul_support_win32_tests.exe")) << app.ProgramPath();
    EXPECT_EQ(app.HelpFolder(), app.ProgramFolder() + "help\\");
    EXPECT_EQ(app.ProgramFolder(), app.ProgramPath().substr(0, app.ProgramPath().rfind('\\') + 1));
    EXPECT_EQ(app.CompiledHelpFile(),
              app.ProgramPath().substr(0, app.ProgramPath().rfind('.')) + ".chm");

    // The first registration of a topic wins; unknown ids have none.
    EXPECT_TRUE(app.RegisterHelpTopic(2503, "ref_meldungen.html#l_e003"));
    EXPECT_FALSE(app.RegisterHelpTopic(2503, "andere.html"));
    EXPECT_EQ(app.HelpTopicOf(2503), "ref_meldungen.html#l_e003");
    EXPECT_EQ(app.HelpTopicOf(2505), "");

    // A missing page, or a program that cannot start, shows the system's box naming the page.
    HelpFolder help(app, "index.html");
    kvtest::ModalScript script(app);
    auto expectMessage = [&](const std::string& text) {
        script.ThenSystem([text](SystemDialog& dialog) {
            auto& box = dynamic_cast<SystemMessageBox&>(dialog);
            EXPECT_EQ(box.Text(), text);
            EXPECT_EQ(box.Caption(), "Kolvane-Verwaltung");
            EXPECT_EQ(box.Type(), static_cast<UINT>(MB_OK | MB_ICONSTOP));
            box.Answer(IDOK);
        });
    };
    const std::string cannot = "\" kann nicht angezeigt werden.";
    expectMessage("Die Hilfedatei \"" + help.path + "ref_dlg_einst.html" + cannot);
    app.ShowHelp("ref_dlg_einst.html#oben");
    // No compiled help file beside the test program: the message names the whole address.
    app.SetHelpMode(WinApp::CompiledHelp);
    expectMessage("Die Hilfe \"" + app.CompiledHelpFile() + "ref_dlg_such.html" + cannot);
    app.ShowHelp("ref_dlg_such.html");
    EXPECT_TRUE(app.helpCalls.empty());
    app.SetHelpMode(WinApp::HelpPages);
    app.SetHelpLauncher([](const std::string&, const std::string&) { return false; });
    expectMessage("Die Hilfedatei \"" + help.path + "index.html" + cannot);
    app.ShowHelp("");
}

// Free texts and system errors have no help, and the next numbered message has it again.
TEST(MessageDialog, HelpOfNumberedMessagesAndFreeTexts) {
    kvtest::TestApp app;
    HelpFolder pages(app, "ref_meldungen.html");
    ASSERT_TRUE(app.RegisterHelpTopic(IDS_TEST_ERR_003, "ref_meldungen.html#l_e003"));
    // The address form: quoted, "file:///", forward slashes, anchor kept.
    std::string expected = "\"file:///" + pages.path + "ref_meldungen.html#l_e003\"";
    std::replace(expected.begin(), expected.end(), '\\', '/');
    kvtest::ModalScript script(app);
    script.Then([&](Dialog& dialog) {
        kvtest::Press(dialog, 9);
        EXPECT_TRUE(dialog.Exists());
        kvtest::PostKey(dialog, VK_F1);
        dialog.Item(IDOK).Post(BM_CLICK); // after the key, in queue order
    });
    EXPECT_EQ(app.ShowError(IDS_TEST_ERR_003), IDOK);
    EXPECT_EQ(app.PagesAsked(), std::vector<std::string>(2, expected));

    auto withoutHelp = [&](const std::string& text) {
        script.Then([text](Dialog& dialog) {
            auto& box = dynamic_cast<MessageDialog&>(dialog);
            EXPECT_EQ(box.Text(), text);
            EXPECT_EQ(box.GetText(), "FEHLER");
            EXPECT_EQ(box.Item(9).Handle(), nullptr);
            kvtest::PostKey(dialog, VK_F1); // consumed, nothing happens
            dialog.Item(IDOK).Post(BM_CLICK);
        });
    };
    script.ExpectMessage(IDS_TEST_ERR_002);
    app.ShowError(IDS_TEST_ERR_002);
    withoutHelp("Datei C:\\x.kvd: 100% fehlt");
    EXPECT_EQ(app.ShowErrorText("Datei %s: %d%% fehlt", "C:\\x.kvd", 100), IDOK);
    withoutHelp(SystemErrorText(ERROR_FILE_NOT_FOUND)); // checked apart to have no line break
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    app.ShowSystemError();
    EXPECT_EQ(app.helpCalls.size(), 2u);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_ERR_002); // free texts leave it alone
    script.Then([](Dialog& dialog) {
        EXPECT_NE(dialog.Item(9).Handle(), nullptr);
        kvtest::Press(dialog, IDOK);
    });
    app.ShowError(IDS_TEST_ERR_004);
}

TEST(MessageDialog, WarningHasItsCaptionAndIconAndAStringWithoutEntryAnEmptyBox) {
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
            const HICON icon = Static(child).GetIcon();
            exclamation |= icon == ::LoadIconA(nullptr, IDI_EXCLAMATION);
            if (icon == nullptr) {
                EXPECT_EQ(Window(child).GetFont(), box.GetFont()) << "text in the box's font";
            }
        }
        EXPECT_TRUE(exclamation);
        kvtest::Press(dialog, IDOK);
    });
    EXPECT_EQ(app.ShowWarning(IDS_TEST_WARN_501), IDOK);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_WARN_501);
    script.ExpectMessage("", IDOK);
    EXPECT_EQ(app.ShowError(2599), IDOK);
    EXPECT_EQ(app.LastMessageId(), 2599);
}
