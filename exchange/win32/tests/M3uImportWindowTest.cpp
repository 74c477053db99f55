#include "exchange/win32/M3uImportWindow.h"

#include "exchange/SettingsSections.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

using kolvane::M3uImportWindow;
using namespace kvtest;
using zul::Windows::Dialog;

namespace {

const char* const FivePlaylist = "#EXTM3U\r\n"
                                 "#EXTINF:123,Abba - Waterloo\r\n"
                                 "C:\\Musik\\01.mp3\r\n"
                                 "#EXTINF:-1,Intro\r\n"
                                 "#EXTINF:200,Die \xC4rzte - M\xE4nner\r\n"
                                 "#EXTINF:5, Band - Song - Live\r\n"
                                 "#EXTINF:7,Falco - Jeanny\r\n";
const char* const Titles = "Waterloo,Intro,M\xE4nner,Song - Live,Jeanny";
const char* const WithArtists =
    "Abba - Waterloo,Intro,Die \xC4rzte - M\xE4nner, Band - Song - Live,Falco - Jeanny";

class M3uImportWindowTest : public testing::Test {
protected:
    std::string Playlist(const std::string& text) {
        const std::string path = folder.File("Liste.m3u");
        WriteText(path, text);
        return path;
    }
    INT_PTR Run(M3uImportWindow& window, const std::string& path,
                std::function<void(Dialog&)> action) {
        script.ChooseFile(path).Then(std::move(action));
        return app.RunModal(window);
    }

    static HWND List(Dialog& d) { return ::GetDlgItem(d.Handle(), M3uImportWindow::ListId); }
    static std::string Status(Dialog& d) { return d.ItemText(M3uImportWindow::StatusId); }
    // "&Importieren" as a button, then each command: "button+ 1+ 1017- 1018+".
    static std::string States(Dialog& d) {
        std::string states = d.Item(IDOK).IsEnabled() ? "button+" : "button-";
        for (UINT id : {IDOK, IDM_SELECT_ALL, IDM_SELECT_NONE})
            states += " " + std::to_string(id) + (MenuEnabled(d.Handle(), id) ? "+" : "-");
        return states;
    }

    TestApp app;
    ModalScript script{app};
    TempFolder folder;
};

} // namespace

TEST_F(M3uImportWindowTest, TheCheckBoxCtrlAltIAndTheContextMenuKeepTheSelection) {
    M3uImportWindow window;
    const INT_PTR result = Run(window, Playlist(FivePlaylist), [&](Dialog& d) {
        SelectRows(List(d), {1, 3});
        Drain(d);
        EXPECT_EQ(Status(d), "5 Eintr\xE4ge, 2 ausgew\xE4hlt");
        Press(d, M3uImportWindow::WithArtistsId);
        Drain(d);
        EXPECT_EQ(ArtistColumn(List(d)), WithArtists);
        EXPECT_TRUE(MenuChecked(d.Handle(), IDM_M3U_WITH_ARTISTS));
        EXPECT_EQ(SelectedRows(List(d)), (std::vector<int>{1, 3}));
        // By a right click and by Shift+F10 at the focused row.
        EXPECT_EQ(RowContextMenu(d, List(d), 1), "1209+ 1017+ 1018+ ");
        ::SetFocus(List(d));
        const OpenedMenu byKey = ContextMenuByKey(d, VK_F10, true);
        EXPECT_EQ(byKey.seen, "1209+ 1017+ 1018+ ");
        const POINT origin = RowMenuOrigin(List(d), FocusedRow(List(d)));
        EXPECT_EQ(byKey.origin.x, origin.x);
        EXPECT_EQ(byKey.origin.y, origin.y);
        EXPECT_EQ(SelectedRows(List(d)), (std::vector<int>{1, 3}));

        PressKey(d, 'I', Ctrl | Alt);
        EXPECT_FALSE(d.IsItemChecked(M3uImportWindow::WithArtistsId));
        EXPECT_FALSE(MenuChecked(d.Handle(), IDM_M3U_WITH_ARTISTS));
        EXPECT_EQ(ArtistColumn(List(d)), Titles);
        Command(d.Handle(), IDM_M3U_WITH_ARTISTS);
        Drain(d);
        EXPECT_TRUE(d.IsItemChecked(M3uImportWindow::WithArtistsId));
        EXPECT_EQ(SelectedRows(List(d)), (std::vector<int>{1, 3}));
        PressKey(d, VK_RETURN, Ctrl);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(window.ResultText(), "Intro\r\n Band - Song - Live");
    zul::SettingsStore* store = app.Settings();
    ASSERT_TRUE(store->OpenSection(kolvane::M3uWindowSection));
    EXPECT_TRUE(store->GetBool("ImportInterpreten", false));
    store->CloseSection();
}

TEST_F(M3uImportWindowTest, WithoutASelectedRowImportingDoesNothingAndHelpOpensTheImportPage) {
    app.SetHelpFolder(SourceHelpFolder());
    M3uImportWindow window;
    const INT_PTR result = Run(window, Playlist(FivePlaylist), [&](Dialog& d) {
        EXPECT_EQ(SelectedRows(List(d)).size(), 5u); // it opens with every row selected
        PressKey(d, 'U', Ctrl);
        EXPECT_EQ(SelectedRows(List(d)), std::vector<int>{});
        EXPECT_EQ(Status(d), "5 Eintr\xE4ge, 0 ausgew\xE4hlt");
        EXPECT_EQ(States(d), "button- 1- 1017+ 1018-");
        // Neither Ctrl+Enter, Enter nor the menu item ends the window.
        PressKey(d, VK_RETURN, Ctrl);
        PressKey(d, VK_RETURN);
        Command(d.Handle(), IDOK);
        Drain(d);
        EXPECT_EQ(d.Result(), IDCANCEL);

        PressKey(d, 'A', Ctrl);
        EXPECT_EQ(SelectedRows(List(d)).size(), 5u);
        EXPECT_EQ(States(d), "button+ 1+ 1017- 1018+");
        SelectRows(List(d), {4});
        Drain(d);
        EXPECT_EQ(States(d), "button+ 1+ 1017+ 1018+");
        PressKey(d, VK_F1);
        Press(d, IDC_HELP_BUTTON);
        ASSERT_TRUE(TabTo(d, IDCANCEL));
        PressKey(d, VK_RETURN);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(window.ResultText(), "");
    EXPECT_EQ(app.PagesAsked(), std::vector<std::string>(2, "help/ref_dlg_import_m3u.html"));
}

TEST_F(M3uImportWindowTest, APlaylistThatCannotBeReadClosesTheWindowAtOnce) {
    const struct {
        const char* what;
        std::string text; // empty: no such file
        UINT message;     // 0: the playlist dialog is cancelled
    } cases[] = {
        {"no information line", "#EXTM3U\r\nC:\\Musik\\01.mp3\r\n", IDS_WARN_503},
        {"dialog cancelled", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp caseApp;
        ModalScript caseScript(caseApp);
        TempFolder caseFolder;
        const std::string path = caseFolder.File("Kaputt.m3u");
        if (!c.text.empty())
            WriteText(path, c.text);
        if (c.message != 0)
            caseScript.ChooseFile(path).ExpectMessage(c.message);
        else
            caseScript.CancelSystemDialog();
        M3uImportWindow window;
        EXPECT_EQ(caseApp.RunModal(window), IDCANCEL);
        // None for the window itself: it never waited for input.
        EXPECT_EQ(caseScript.Seen().size(), c.message != 0 ? 2u : 1u);
        EXPECT_EQ(window.FileName(), "");
        EXPECT_EQ(window.ResultText(), "");
        zul::SettingsStore* store = caseApp.Settings();
        ASSERT_TRUE(store->OpenSection(kolvane::M3uWindowSection));
        EXPECT_EQ(store->GetString("WorkDir", "<none>"),
                  c.message != 0 ? caseFolder.Path().string() + "\\" : ".\\");
        store->CloseSection();
    }
}
