// The import window run modally as the main window runs it.
#include "exchange/win32/ImportWindow.h"

#include "core/NativeFile.h"
#include "core/win32/FileTypeTable.h"
#include "exchange/LegacyV1Importer.h"
#include "exchange/SettingsSections.h"
#include "resources/resource.h"
#include "support/win32/MessageDialog.h"
#include "support/win32/ResourceText.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"
#include "testkit/win32/TestParent.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kolvane;
using namespace kvtest;
using zul::Windows::Dialog;
using zul::Windows::FileDialog;
using zul::Windows::WinApp;

namespace {

std::string Joined(const DiscCollection& entries) {
    std::string artists;
    for (const DiscEntry& e : entries)
        artists += (artists.empty() ? "" : ",") + e.Artist;
    return artists;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

// A version 1.x pair (name part ending in "1" and "2"), every slot in use.
void WriteLegacyPair(const std::string& dataPath, const DiscCollection& entries) {
    std::vector<unsigned char> data;
    for (const DiscEntry& e : entries) {
        std::vector<unsigned char> record(LegacyV1Importer::RecordSize, 0);
        const std::pair<int, const std::string*> fields[] = {
            {0, &e.Artist}, {40, &e.Title}, {80, &e.Year}, {84, &e.Tracks}};
        for (const auto& [offset, text] : fields)
            std::memcpy(record.data() + offset, text->data(), text->size());
        data.insert(data.end(), record.begin(), record.end());
    }
    WriteBytes(dataPath, data);
    WriteText(dataPath.substr(0, dataPath.size() - 5) + "2.$$$", std::string(entries.size(), '1'));
}

void WriteNative(const std::string& path, const DiscCollection& entries) {
    RecordingReporter reporter;
    ASSERT_EQ(SaveNativeFile(path, entries, reporter), 1);
}

class ImportWindowTest : public testing::Test {
protected:
    void SetUp() override { Store().DeleteSection(ImportWindowSection); }
    void TearDown() override { Store().DeleteSection(ImportWindowSection); }

    static zul::SettingsStore& Store() { return *WinApp::Current()->Settings(); }
    static std::string Stored(const char* key) {
        Store().OpenSection(ImportWindowSection);
        std::string value = Store().GetString(key, "<none>");
        Store().CloseSection();
        return value;
    }

    static INT_PTR Run(ImportWindow& window, int& shows) {
        MessageLog log([&window](HWND w, UINT message, WPARAM shown, LPARAM) {
            return message == WM_SHOWWINDOW && shown != 0 && Dialog::FromHandle(w) == &window;
        });
        const INT_PTR result = WinApp::Current()->RunModal(window);
        shows = static_cast<int>(log.Lines().size());
        return result;
    }

    static HWND List(Dialog& d) { return ::GetDlgItem(d.Handle(), ImportWindow::ListId); }

    TempFolder folder;
};

} // namespace

// Each kind asks for its file in its own folder with its own filter, offers
// the entries unselected and hands back the chosen ones in display order.
TEST_F(ImportWindowTest, EachKindReadsItsFileAndHandsBackTheChosenRowsInDisplayOrder) {
    const DiscCollection all = {
        Entry("Cream", "Disraeli Gears", "1967", "A1", "Strange Brew", "Vinyl"),
        Entry("Abba", "Arrival", "1976", "B2", "Dancing Queen"),
        Entry("Beatles", "Abbey Road", "1969", "C3", "Something"),
    };
    struct Case {
        ImportKind kind;
        FileKind fileKind;
        const char* name;
        const char* title;
        const char* key;
        const char* startFolder; // with WorkDir "C:\Basis" and WorkDirKvd "D:\Kvd" stored
        std::vector<std::string DiscEntry::*> lost; // the fields the format has no place for
    };
    const Case cases[] = {
        {ImportKind::CdPlayerIni, FileKind::CdPlayerIni, "cdplayer.ini",
         "cdplayer.ini - Aus cdplayer.ini importieren", "WorkDirIni", "C:\\Basis\\",
         {&DiscEntry::Year, &DiscEntry::Notes}},
        {ImportKind::NativeFile, FileKind::Native, "Sammlung.kvd",
         "Sammlung.kvd - Aus Kolvane-Daten importieren", "WorkDirKvd", "D:\\Kvd\\", {}},
        {ImportKind::LegacyV1, FileKind::Legacy, "DISKS1.$$$",
         "DISKS1.$$$ - Aus Kolvane-Daten v1.x importieren", "WorkDirV1x", "C:\\Basis\\",
         {&DiscEntry::DiscId, &DiscEntry::Notes}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store().DeleteSection(ImportWindowSection);
        Store().OpenSection(ImportWindowSection);
        Store().PutString("WorkDir", "C:\\Basis");
        Store().PutString("WorkDirKvd", "D:\\Kvd");
        Store().CloseSection();
        const std::string path = folder.File(c.name);
        if (c.kind == ImportKind::CdPlayerIni)
            WriteText(path, "[A1]\r\nArtist=Cream\r\nTitle=Disraeli Gears\r\n0=Strange Brew\r\n"
                            "[B2]\r\nArtist=Abba\r\nTitle=Arrival\r\n0=Dancing Queen\r\n"
                            "[C3]\r\nArtist=Beatles\r\nTitle=Abbey Road\r\n0=Something\r\n");
        else if (c.kind == ImportKind::NativeFile)
            WriteNative(path, all);
        else
            WriteLegacyPair(path, all);

        ImportWindow window(c.kind, nullptr);
        ModalScript script;
        script.ExpectFileDialog({FileDialog::Kind::Open, FileTypeTable::Shared().Filter(c.fileKind),
                                 "", OpenForReading, c.startFolder},
                                path);
        script.Then([&](Dialog& d) {
            EXPECT_TRUE(d.IsVisible());
            EXPECT_EQ(d.GetText(), c.title);
            EXPECT_EQ(kvtest::ArtistColumn(List(d)), "Cream,Abba,Beatles");
            EXPECT_TRUE(SelectedRows(List(d)).empty());
            ClickHeader(List(d), 0);
            SelectRows(List(d), {0, 2});
            Drain(d);
            Press(d, ImportWindow::ImportButtonId);
        });
        int shows = 0;
        ASSERT_EQ(Run(window, shows), IDOK);
        EXPECT_EQ(shows, 1);
        ASSERT_EQ(window.ChosenEntries().size(), 2u);
        for (const auto& [chosen, expected] : {std::pair{0, all[1]}, std::pair{1, all[0]}}) {
            DiscEntry carried = expected;
            for (const auto field : c.lost)
                (carried.*field).clear();
            EXPECT_EQ(window.ChosenEntries()[chosen].CompareAll(carried), 0) << carried.Artist;
        }
        EXPECT_EQ(Stored(c.key), FolderOf(path));
        EXPECT_EQ(Stored("WorkDir"), FolderOf(path));
        if (c.kind != ImportKind::NativeFile) {
            EXPECT_EQ(Stored("WorkDirKvd"), "D:\\Kvd") << "the other kinds' folders stay";
        }
    }
}

// Whatever stops the import shows its one message (or none) and ends the run
// unseen; the chosen file's folder is remembered all the same.
TEST_F(ImportWindowTest, CancelFailureAndEmptyFilesEndTheRunUnseenWithTheirMessage) {
    struct Case {
        const char* what;
        ImportKind kind;
        const char* name; // chosen; null: the file dialog is cancelled
        std::function<void(const std::string& path)> write;
        UINT message; // 0: none
    };
    const Case cases[] = {
        {"cancelled file dialog", ImportKind::CdPlayerIni, nullptr, nullptr, 0},
        {"not a native file", ImportKind::NativeFile, "fremd.kvd",
         [](const std::string& path) { WriteText(path, "KOLX"); }, IDS_ERR_010},
        {"empty native file", ImportKind::NativeFile, "leer.kvd",
         [](const std::string& path) { WriteNative(path, {}); }, IDS_WARN_503},
        {"empty legacy pair", ImportKind::LegacyV1, "NULL1.$$$",
         [](const std::string& path) { WriteLegacyPair(path, {}); }, IDS_WARN_503},
    };
    const char* keys[] = {"WorkDirIni", "WorkDirKvd", "WorkDirV1x"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store().DeleteSection(ImportWindowSection);
        const std::string path = c.name != nullptr ? folder.File(c.name) : std::string();
        if (c.write)
            c.write(path);
        // A shown window holds the messages of the hidden one.
        ImportWindow window(c.kind, HostWindow());
        ModalScript script;
        if (c.name == nullptr)
            script.CancelSystemDialog();
        else
            script.ChooseFile(path);
        if (c.message != 0) {
            script.Then([&c](Dialog& box) {
                EXPECT_EQ(::GetWindow(box.Handle(), GW_OWNER), HostWindow());
                EXPECT_EQ(dynamic_cast<zul::Windows::MessageDialog&>(box).Text(),
                          zul::Windows::LoadResourceText(c.message));
                Press(box, IDOK);
            });
        }
        int shows = 0;
        EXPECT_EQ(Run(window, shows), IDCANCEL);
        EXPECT_EQ(shows, 0);
        EXPECT_EQ(script.Seen().size(), c.message != 0 ? 2u : 1u) << script.Seen().back();
        EXPECT_TRUE(window.ChosenEntries().empty());
        EXPECT_EQ(Stored(keys[static_cast<int>(c.kind)]), c.name ? FolderOf(path) : ".\\");
    }
}

TEST_F(ImportWindowTest, CommandStatesShowEntryContextMenuHelpAndCtrlEnter) {
    TestApp app; // records the help pages asked for
    app.SetHelpFolder(SourceHelpFolder());
    const std::string path = folder.File("cdplayer.ini");
    WriteText(path, "[A1]\r\nArtist=Cream\r\n0=Strange Brew\r\n[B2]\r\nArtist=Abba\r\n"
                    "[C3]\r\nArtist=Beatles\r\n");
    std::vector<std::string> shown;
    HWND shownParent = nullptr;
    ImportWindow window(ImportKind::CdPlayerIni, nullptr, [&](const DiscEntry& entry, HWND parent) {
        shown.push_back(entry.Artist);
        shownParent = parent;
    });
    ModalScript script(app);
    script.ChooseFile(path).Then([&](Dialog& d) {
        HWND w = d.Handle();
        HWND list = List(d);
        const auto states = [&] {
            Drain(d);
            std::string s;
            for (UINT id : {IDOK, IDM_SHOW_ENTRY, IDM_SELECT_ALL, IDM_SELECT_NONE, IDM_SEARCH,
                            IDM_SEARCH_NEXT, IDM_SIDE_PANE_DEFAULT})
                s += std::to_string(id) + (MenuEnabled(w, id) ? "+ " : "- ");
            s += ::IsWindowEnabled(::GetDlgItem(w, IDOK)) ? "button+" : "button-";
            return s;
        };
        const auto rightClick = [&](int row) { return RowContextMenu(d, list, row); };
        const auto doubleClick = [&](int row) {
            ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(list, row));
            Drain(d);
        };
        ::SetFocus(list);
        EXPECT_EQ(states(), "1- 1022- 1017+ 1018- 1019+ 1020- 1043+ button-");
        EXPECT_TRUE(MenuChecked(w, IDM_SIDE_PANE));
        EXPECT_TRUE(MenuChecked(w, IDM_GRID));
        PressKey(d, VK_RETURN);
        PressKey(d, VK_RETURN, Ctrl); // nothing selected: nothing to import
        EXPECT_TRUE(shown.empty());
        EXPECT_TRUE(d.IsVisible());

        SelectRows(list, {0});
        EXPECT_EQ(states(), "1+ 1022+ 1017+ 1018+ 1019+ 1020- 1043+ button+");
        EXPECT_EQ(TextOf(::GetDlgItem(w, ImportWindow::TracksId)), "Strange Brew");
        PressKey(d, VK_RETURN);
        doubleClick(0);
        Command(w, IDM_SHOW_ENTRY);
        EXPECT_EQ(shown, (std::vector<std::string>{"Cream", "Cream", "Cream"}));
        EXPECT_EQ(shownParent, w);
        EXPECT_EQ(rightClick(0), "1022+ 1017+ 1018+ ");

        SelectRows(list, {0, 1});
        EXPECT_EQ(states(), "1+ 1022- 1017+ 1018+ 1019+ 1020- 1043+ button+");
        PressKey(d, VK_RETURN);
        doubleClick(1);
        EXPECT_EQ(shown.size(), 3u) << "two selected: nothing shown";
        EXPECT_EQ(rightClick(1), "1022- 1017+ 1018+ ");

        PressKey(d, 'A', Ctrl);
        EXPECT_EQ(states(), "1+ 1022- 1017- 1018+ 1019+ 1020- 1043+ button+");
        PressKey(d, VK_F1);
        EXPECT_EQ(app.PagesAsked(), std::vector<std::string>{"help/ref_dlg_import.html"});
        PressKey(d, 'I', Ctrl);
        EXPECT_FALSE(MenuChecked(w, IDM_SIDE_PANE));
        EXPECT_FALSE(MenuEnabled(w, IDM_SIDE_PANE_DEFAULT));
        PressKey(d, VK_RETURN, Ctrl);
    });
    int shows = 0;
    ASSERT_EQ(Run(window, shows), IDOK);
    EXPECT_EQ(Joined(window.ChosenEntries()), "Cream,Abba,Beatles");
}

// Enter on a button reached with Tab presses it. A focused button that loses
// its command hands the focus on, or the keyboard, Escape included, is dead.
TEST_F(ImportWindowTest, EnterPressesTheFocusedButtonAndADisabledOneHandsTheFocusOn) {
    const std::string path = folder.File("cdplayer.ini");
    WriteText(path, "[A1]\r\nArtist=Cream\r\n[B2]\r\nArtist=Abba\r\n");
    for (const int button : {IDOK, IDCANCEL, 0}) {
        int shown = 0;
        ImportWindow window(ImportKind::CdPlayerIni, nullptr,
                            [&](const DiscEntry&, HWND) { ++shown; });
        ModalScript script;
        script.ChooseFile(path).Then([&](Dialog& d) {
            ::SetFocus(List(d));
            SelectRows(List(d), {0});
            ASSERT_TRUE(TabTo(d, button != 0 ? button : IDOK));
            if (button == 0) {
                PressKey(d, 'U', Ctrl);
                EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d.Handle(), IDOK)));
                const HWND focus = ::GetFocus();
                EXPECT_TRUE(focus != nullptr && ::IsChild(d.Handle(), focus) &&
                            ::IsWindowEnabled(focus));
                PressKey(d, VK_ESCAPE);
            } else {
                PressKey(d, VK_RETURN);
            }
        });
        int shows = 0;
        EXPECT_EQ(Run(window, shows), button == IDOK ? IDOK : IDCANCEL);
        EXPECT_EQ(shown, 0) << button;
        EXPECT_EQ(Joined(window.ChosenEntries()), button == IDOK ? "Cream" : "");
    }
}
