// The export of the selection from the main window: commands as the menu
// sends them, the field choice and the file dialogs answered through
// RunModal, the files compared byte for byte, the folders and the field
// choice read back from the test program's registry key.
#include "app/MainDialog.h"
#include "app/tests/MainWindowTest.h"
#include "core/NativeFile.h"
#include "exchange/win32/ExportFieldsDialog.h"
#include "resources/resource.h"
#include "support/win32/ResourceText.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WinApp.h"
#include "testkit/Entries.h"
#include "testkit/RecordingReporter.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ListRows.h"
#include "testkit/win32/Menus.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/Pump.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using kolvane::DiscCollection;
using kolvane::DiscEntry;
using kolvane::MainDialog;
using kvtest::ModalScript;
using zul::Windows::FileDialog;
using zul::Windows::WinApp;

namespace {

constexpr DWORD SaveFlags =
    OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;

// Ten track lines framed by blanks, with an empty line among them.
std::string TenTracks() {
    std::string tracks;
    for (int i = 0; i < 10; ++i)
        tracks += (i == 5 ? "\r\n" : "") + std::string(" Lied ") + std::to_string(i) + " \r\n";
    return tracks.substr(0, tracks.size() - 2);
}

// In the list sorted by year: Abba, Kraftwerk, Nena, Die Ärzte, Zappa.
DiscCollection Discs() {
    return {
        kvtest::Entry("Die \xC4rzte", "Planet Punk", "1995", "0815", "Intro\r\nHurra",
                      "Sagte \"Hallo\""),
        kvtest::Entry("Kraftwerk", "Computerwelt", "1981", "", "Pocket Calculator", ""),
        kvtest::Entry("Nena", "99 \"Luft\"ballons", "1983", "4711", TenTracks(), "zwei\r\nZeilen"),
        kvtest::Entry("Abba", "Waterloo", "1974", "AB12", "", ""),
        kvtest::Entry("Zappa", "Apostrophe", "2001", "Z1", "x", "")};
}

// What each export's save dialog offers, starting in that folder.
kvtest::FileDialogOffer Kvd(const std::string& start) {
    return {FileDialog::Kind::Save, zul::Windows::LoadResourceText(IDS_FILTER_NATIVE), "kvd",
            SaveFlags | OFN_OVERWRITEPROMPT, start};
}
kvtest::FileDialogOffer Csv(const std::string& start) {
    return {FileDialog::Kind::Save, zul::Windows::LoadResourceText(IDS_FILTER_CSV), "csv",
            SaveFlags | OFN_OVERWRITEPROMPT, start};
}
// No overwrite question: the export adds to the file.
kvtest::FileDialogOffer Ini(const std::string& start) {
    return {FileDialog::Kind::Save, zul::Windows::LoadResourceText(IDS_FILTER_CDPLAYER), "ini",
            SaveFlags, start};
}

// The answer to the field choice: these boxes clicked, then OK.
ModalScript::DialogAction ToggleFields(std::vector<int> fields) {
    return [fields](zul::Windows::Dialog& d) {
        EXPECT_EQ(d.TemplateId(), static_cast<UINT>(IDD_EXPORT_FIELDS));
        for (int field : fields)
            kvtest::Press(d, kolvane::ExportFieldsDialog::FieldBoxIds[field]);
        kvtest::Press(d, IDOK);
    };
}

std::vector<unsigned char> NativeBytes(const DiscCollection& entries) {
    kvtest::TempFolder folder;
    kvtest::RecordingReporter reporter;
    EXPECT_EQ(kolvane::SaveNativeFile(folder.File("x.kvd"), entries, reporter), 1);
    return kvtest::ReadBytes(folder.File("x.kvd"));
}

std::vector<std::string> FolderContents(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    return names;
}

class ExportCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const char* name : {"kvd", "csv", "ini"})
            std::filesystem::create_directory(work.Path() / name);
    }
    // The main window with the discs, sorted by year, these rows selected.
    void Open(std::initializer_list<int> rows) {
        Show(Discs());
        kvtest::ClickHeader(List(), kolvane::YearColumn);
        kvtest::SelectRows(List(), rows);
        kvtest::Drain(main);
    }
    std::string Folder(const char* name) const { return work.File(name) + "\\"; }
    std::string File(const char* name) const { return work.File(name); }
    void Command(int id) {
        ASSERT_TRUE(kvtest::MenuEnabled(main.Handle(), id)) << id;
        kvtest::Command(main.Handle(), id);
    }

    kvtest::TempFolder work;
};

} // namespace

TEST_F(ExportCommandsTest, EachFormatWritesTheSelectedRowsInTheOrderTheListShows) {
    Open({1, 2, 3});
    ASSERT_EQ(kvtest::ArtistColumn(List()), "Abba,Kraftwerk,Nena,Die \xC4rzte,Zappa");
    const DiscCollection all = Discs();
    const DiscCollection selected = {all[1], all[2], all[0]};
    const std::string start = main.ExportDirKvd();

    ModalScript script;
    script.ExpectFileDialog(Kvd(start), File("kvd\\Auswahl.kvd"));
    Command(IDM_EXPORT_NATIVE);
    EXPECT_EQ(kvtest::ReadBytes(File("kvd\\Auswahl.kvd")), NativeBytes(selected));
    EXPECT_EQ(main.ExportDirKvd(), Folder("kvd"));

    // Year left out: artist, title, tracks and notes, quotes doubled, line
    // breaks kept inside the quotes, the umlaut as its one byte.
    script.Then(ToggleFields({kolvane::YearColumn}))
        .ExpectFileDialog(Csv(start), File("csv\\Auswahl.csv"));
    Command(IDM_EXPORT_CSV);
    EXPECT_EQ(
        kvtest::ReadText(File("csv\\Auswahl.csv")),
        "\"Kraftwerk\",\"Computerwelt\",\"Pocket Calculator\",\"\"\r\n"
        "\"Nena\",\"99 \"\"Luft\"\"ballons\",\"" +
            TenTracks() +
            "\",\"zwei\r\nZeilen\"\r\n"
            "\"Die \xC4rzte\",\"Planet Punk\",\"Intro\r\nHurra\",\"Sagte \"\"Hallo\"\"\"\r\n");
    EXPECT_EQ(main.ExportFields().ToByte(), 0x33);
    EXPECT_EQ(main.ExportDirCsv(), Folder("csv"));

    // A cdplayer.ini of the CD player: comments, blank lines, other sections
    // and keys of other programs stay; Kraftwerk has no disc id.
    std::string oldTracks, oldOrder;
    for (int i = 0; i < 12; ++i) {
        oldTracks += std::to_string(i) + "=alt " + std::to_string(i) + "\r\n";
        oldOrder += (i ? " " : "") + std::to_string(i);
    }
    kvtest::WriteText(File("ini\\cdplayer.ini"), "; cdplayer.ini, vom CD-Player verwaltet\r\n"
                                                 "\r\n"
                                                 "[Settings]\r\n"
                                                 "IntroTime=10\r\n"
                                                 "\r\n"
                                                 "[4711]\r\n"
                                                 "EntryType=1\r\n"
                                                 "artist=Nena (alt)\r\n"
                                                 "title = Alt \r\n"
                                                 "numtracks=12\r\n" +
                                                     oldTracks + "order=" + oldOrder + "\r\n" +
                                                     "numplay=12\r\n"
                                                     "Rating=5\r\n"
                                                     "\r\n"
                                                     "; Ende von 4711\r\n"
                                                     "[0815]\r\n"
                                                     "EntryType=1\r\n"
                                                     "Title=Alt\r\n"
                                                     "\r\n"
                                                     "[FFFF]\n"
                                                     "Title=Fremd\n");
    std::string newTracks;
    for (int i = 0; i < 10; ++i)
        newTracks += std::to_string(i) + "=Lied " + std::to_string(i) + "\r\n";
    script.ExpectFileDialog(Ini(start), File("ini\\cdplayer.ini"));
    Command(IDM_EXPORT_CDPLAYER);
    EXPECT_EQ(kvtest::ReadText(File("ini\\cdplayer.ini")),
              "; cdplayer.ini, vom CD-Player verwaltet\r\n"
              "\r\n"
              "[Settings]\r\n"
              "IntroTime=10\r\n"
              "\r\n"
              "[4711]\r\n"
              "EntryType=1\r\n"
              "artist=Nena\r\n"
              "title = 99 \"Luft\"ballons\r\n"
              "numtracks=10\r\n" +
                  newTracks +
                  "10=alt 10\r\n"
                  "11=alt 11\r\n"
                  "order=0 1 2 3 4 5 6 7 8 9\r\n"
                  "numplay=10\r\n"
                  "Rating=5\r\n"
                  "\r\n"
                  "; Ende von 4711\r\n"
                  "[0815]\r\n"
                  "EntryType=1\r\n"
                  "Title=Planet Punk\r\n"
                  "Artist=Die \xC4rzte\r\n"
                  "NumTracks=2\r\n"
                  "0=Intro\r\n"
                  "1=Hurra\r\n"
                  "Order=0 1\r\n"
                  "NumPlay=2\r\n"
                  "\r\n"
                  "[FFFF]\n"
                  "Title=Fremd\n");
    EXPECT_EQ(main.ExportDirIni(), Folder("ini"));
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(script.Seen(),
              (std::vector<std::string>{"file save", "dialog 102 \"Zu exportierende Felder\"",
                                        "file save", "file save"}));

    // The collection is the window's as before.
    EXPECT_EQ(main.View().Entries().size(), all.size());
    EXPECT_FALSE(main.View().IsModified());
    EXPECT_EQ(kvtest::SelectedRows(List()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(main.Document().FileName(), "");
}

// An export onto the open collection's file would replace the collection by
// the selection while the window still calls it saved: the file dialog
// refuses that file under any spelling and stays open for another name.
TEST_F(ExportCommandsTest, TheOpenCollectionsFileIsRefusedAsTargetUnderEverySpelling) {
    const std::string open = File("kvd\\Sammlung.kvd");
    kvtest::RecordingReporter reporter;
    ASSERT_EQ(kolvane::SaveNativeFile(open, Discs(), reporter), 1);
    const std::vector<unsigned char> saved = kvtest::ReadBytes(open);
    ASSERT_TRUE(main.Create(nullptr));
    ASSERT_EQ(main.Document().OpenPath(open), 1);
    kvtest::SelectRows(List(), {3});
    kvtest::Drain(main);
    const std::string title = main.GetText();
    const std::string start = main.ExportDirKvd();

    char shortName[MAX_PATH] = {};
    ASSERT_NE(::GetShortPathNameA(open.c_str(), shortName, MAX_PATH), 0u);
    const std::string spellings[] = {open, work.File("KVD\\.\\csv\\..\\SAMMLUNG.KVD"), shortName};
    const struct {
        int command;
        kvtest::FileDialogOffer (*offer)(const std::string&);
        const char* other;
    } exports[] = {{IDM_EXPORT_NATIVE, Kvd, "kvd\\Auswahl.kvd"},
                   {IDM_EXPORT_CSV, Csv, "csv\\Auswahl.csv"},
                   {IDM_EXPORT_CDPLAYER, Ini, "ini\\cdplayer.ini"}};
    ModalScript script;
    for (const auto& e : exports) {
        SCOPED_TRACE(e.other);
        if (e.command == IDM_EXPORT_CSV)
            script.Then(ToggleFields({}));
        // The dialog asked again after each refusal, as it stays open.
        for (const std::string& spelling : spellings)
            script.ThenSystem([&e, &spelling](zul::Windows::SystemDialog& dialog) {
                EXPECT_EQ(static_cast<FileDialog&>(dialog).Flags(), e.offer("").flags);
                static_cast<FileDialog&>(dialog).AnswerPath(spelling);
            }).ExpectMessage(IDS_ERR_015);
        script.ExpectFileDialog(e.offer(start), File(e.other));
        Command(e.command);
        EXPECT_TRUE(script.Finished()) << testing::PrintToString(script.Seen());
        EXPECT_TRUE(std::filesystem::exists(File(e.other)));
    }
    EXPECT_EQ(kvtest::ReadBytes(open), saved);
    EXPECT_EQ(main.View().Entries().size(), 5u);
    EXPECT_FALSE(main.View().IsModified());
    EXPECT_EQ(main.GetText(), title);

    // A file that is gone since it was loaded is refused by its path.
    ASSERT_TRUE(std::filesystem::remove(open));
    script.ExpectFileDialog(Kvd(Folder("kvd")), work.File("kvd\\sammlung.KVD"))
        .ExpectMessage(IDS_ERR_015)
        .ExpectFileDialog(Kvd(Folder("kvd")), "");
    Command(IDM_EXPORT_NATIVE);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(std::filesystem::exists(open));
}

TEST_F(ExportCommandsTest, FailuresShowTheWritersMessagesAndTheFolderIsTakenAnyway) {
    Open({0, 1, 3});
    const std::string missing = work.File("fehlt") + "\\";
    ModalScript script;
    script.ExpectFileDialog(Kvd(main.ExportDirKvd()), missing + "a.kvd").ExpectMessage(IDS_ERR_012);
    Command(IDM_EXPORT_NATIVE);
    EXPECT_EQ(main.ExportDirKvd(), missing);

    script.Then(ToggleFields({}))
        .ExpectFileDialog(Csv(main.ExportDirCsv()), missing + "a.csv")
        .ExpectMessage(IDS_ERR_012);
    Command(IDM_EXPORT_CSV);
    EXPECT_EQ(main.ExportDirCsv(), missing);

    script.ExpectFileDialog(Ini(main.ExportDirIni()), missing + "cdplayer.ini")
        .ExpectMessage(IDS_ERR_001);
    Command(IDM_EXPORT_CDPLAYER);
    EXPECT_EQ(main.ExportDirIni(), missing);
    EXPECT_FALSE(std::filesystem::exists(work.Path() / "fehlt"));

    // A target another program holds open without sharing: the native file
    // stays as it was, byte for byte, and no temporary file is left; the CSV
    // file cannot be opened.
    kvtest::WriteText(File("kvd\\offen.kvd"), "vorher");
    kvtest::WriteText(File("csv\\offen.csv"), "vorher");
    for (const char* name : {"kvd\\offen.kvd", "csv\\offen.csv"}) {
        HANDLE held = ::CreateFileA(File(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        if (name[0] == 'k') {
            script.ExpectFileDialog(Kvd(missing), File(name)).ExpectMessage(IDS_ERR_012);
            Command(IDM_EXPORT_NATIVE);
        } else {
            script.Then(ToggleFields({}))
                .ExpectFileDialog(Csv(missing), File(name))
                .ExpectMessage(IDS_ERR_012);
            Command(IDM_EXPORT_CSV);
        }
        ::CloseHandle(held);
        EXPECT_EQ(kvtest::ReadText(File(name)), "vorher") << name;
    }
    EXPECT_EQ(FolderContents(work.Path() / "kvd"), std::vector<std::string>{"offen.kvd"});
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(main.View().IsModified());
}

TEST_F(ExportCommandsTest, CdPlayerIniWithoutADiscIdAmongTheSelectedIsWarnedAndNotTouched) {
    Open({1}); // Kraftwerk, without a disc id
    const std::string before = "; fremd\r\n\r\n[X]\r\nTitle=y\r\n";
    kvtest::WriteText(File("ini\\cdplayer.ini"), before);
    ModalScript script;
    script.ExpectFileDialog(Ini(main.ExportDirIni()), File("ini\\cdplayer.ini"))
        .ExpectMessage(IDS_WARN_501);
    Command(IDM_EXPORT_CDPLAYER);
    script.ExpectFileDialog(Ini(Folder("ini")), File("ini\\neu.ini")).ExpectMessage(IDS_WARN_501);
    Command(IDM_EXPORT_CDPLAYER);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(kvtest::ReadText(File("ini\\cdplayer.ini")), before);
    EXPECT_EQ(FolderContents(work.Path() / "ini"), std::vector<std::string>{"cdplayer.ini"});
    EXPECT_EQ(script.Seen().back(),
              "message WARNUNG: " + zul::Windows::LoadResourceText(IDS_WARN_501));
    // The string table's line breaks arrive as single characters.
    EXPECT_NE(script.Seen().back().find("vorhanden.\n\nDer Export"), std::string::npos);
}

TEST_F(ExportCommandsTest, CancelledDialogsWriteNothingButAConfirmedFieldChoiceStays) {
    Open({2});
    const std::string start = main.ExportDirKvd();
    ModalScript script;
    script.ExpectFileDialog(Kvd(start), "");
    Command(IDM_EXPORT_NATIVE);
    script.ExpectFileDialog(Ini(start), "");
    Command(IDM_EXPORT_CDPLAYER);

    // Cancel in the field choice: no file dialog, the set as it was.
    script.Then([](zul::Windows::Dialog& d) {
        kvtest::Press(d, IDC_EXPORT_DISC_ID);
        kvtest::Press(d, IDCANCEL);
    });
    Command(IDM_EXPORT_CSV);
    EXPECT_EQ(main.ExportFields().ToByte(), 0x37);

    // OK in the field choice, then the file dialog cancelled: the choice stays.
    script.Then(ToggleFields({kolvane::ArtistColumn, kolvane::DiscIdColumn}))
        .ExpectFileDialog(Csv(start), "");
    Command(IDM_EXPORT_CSV);
    EXPECT_EQ(main.ExportFields().ToByte(), 0x3E);

    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(script.Seen().size(), 5u);
    for (const char* name : {"kvd", "csv", "ini"})
        EXPECT_TRUE(FolderContents(work.Path() / name).empty()) << name;
    EXPECT_EQ(main.ExportDirKvd(), start);
    EXPECT_EQ(main.ExportDirCsv(), start);
    EXPECT_EQ(main.ExportDirIni(), start);
}

TEST_F(ExportCommandsTest, FoldersAndFieldChoiceAreStoredAndTheNextStartBeginsThere) {
    Open({0});
    ModalScript script;
    script.ExpectFileDialog(Kvd(main.ExportDirKvd()), File("kvd\\a.kvd"));
    Command(IDM_EXPORT_NATIVE);
    script.Then(ToggleFields({kolvane::TitleColumn, kolvane::DiscIdColumn}))
        .ExpectFileDialog(Csv(main.ExportDirCsv()), File("csv\\a.csv"));
    Command(IDM_EXPORT_CSV);
    script.ExpectFileDialog(Ini(main.ExportDirIni()), File("ini\\a.ini"));
    Command(IDM_EXPORT_CDPLAYER);
    ::DestroyWindow(main.Handle());

    ASSERT_TRUE(store->OpenSection(kolvane::MainWindowSection));
    EXPECT_EQ(store->GetString("ExportDirKvd", ""), Folder("kvd"));
    EXPECT_EQ(store->GetString("ExportDirCsv", ""), Folder("csv"));
    EXPECT_EQ(store->GetString("ExportDirIni", ""), Folder("ini"));
    // One byte; a value of any other size would read as the default.
    const unsigned char none = 0xEE;
    unsigned char fields = 0;
    store->GetBinary("ExportFields", 1, &none, &fields);
    EXPECT_EQ(fields, 0x3D);
    store->CloseSection();

    MainDialog next;
    ASSERT_TRUE(next.Create(nullptr));
    next.View().AppendAll(Discs(), false);
    kvtest::SelectRows(::GetDlgItem(next.Handle(), MainDialog::ListId), {0});
    kvtest::Drain(next);
    EXPECT_EQ(next.ExportFields().ToByte(), 0x3D);
    script.ExpectFileDialog(Kvd(Folder("kvd")), "");
    kvtest::Command(next.Handle(), IDM_EXPORT_NATIVE);
    script.Then([](zul::Windows::Dialog& d) {
        for (int field = 0; field < DiscEntry::FieldCount; ++field)
            EXPECT_EQ(d.IsItemChecked(kolvane::ExportFieldsDialog::FieldBoxIds[field]),
                      ((0x3D >> field) & 1) != 0)
                << field;
        kvtest::Press(d, IDOK);
    });
    script.ExpectFileDialog(Csv(Folder("csv")), "");
    kvtest::Command(next.Handle(), IDM_EXPORT_CSV);
    script.ExpectFileDialog(Ini(Folder("ini")), "");
    kvtest::Command(next.Handle(), IDM_EXPORT_CDPLAYER);
    EXPECT_TRUE(script.Finished());
    ::DestroyWindow(next.Handle());
}

// Writing that fails on the way: the test program runs once more under a
// file size limit (see app/CMakeLists.txt), beyond which every write fails as
// on a full disc.
TEST_F(ExportCommandsTest, FailedWriteShowsFehler013Or001AndKeepsThePreviousFiles) {
    const char* limit = std::getenv("KV_FILE_SIZE_LIMIT");
    if (limit == nullptr)
        GTEST_SKIP() << "runs under a file size limit only";
    const std::string big(std::strtoull(limit, nullptr, 10) + 1000, 'x');
    ASSERT_TRUE(main.Create(nullptr));
    main.View().AppendAll(
        {kvtest::Entry("a", "b", "c", "ID1", big, ""), kvtest::Entry("d", "", "", "", "", "")},
        false);
    main.View().SetModified(false);
    kvtest::SelectRows(List(), {0, 1});
    kvtest::Drain(main);
    kvtest::WriteText(File("kvd\\a.kvd"), "vorher");
    kvtest::WriteText(File("ini\\cdplayer.ini"), "[ID1]\r\nTitle=vorher\r\n");

    ModalScript script;
    script.ExpectFileDialog(Kvd(main.ExportDirKvd()), File("kvd\\a.kvd"))
        .ExpectMessage(IDS_ERR_013);
    Command(IDM_EXPORT_NATIVE);
    script.Then(ToggleFields({}))
        .ExpectFileDialog(Csv(main.ExportDirCsv()), File("csv\\a.csv"))
        .ExpectMessage(IDS_ERR_001);
    Command(IDM_EXPORT_CSV);
    script.ExpectFileDialog(Ini(main.ExportDirIni()), File("ini\\cdplayer.ini"))
        .ExpectMessage(IDS_ERR_001);
    Command(IDM_EXPORT_CDPLAYER);
    EXPECT_TRUE(script.Finished());

    // Compared as flags: a damaged file would fill the log with its text.
    const std::string kvd = kvtest::ReadText(File("kvd\\a.kvd"));
    EXPECT_TRUE(kvd == "vorher") << kvd.size() << " bytes";
    const std::string ini = kvtest::ReadText(File("ini\\cdplayer.ini"));
    EXPECT_TRUE(ini == "[ID1]\r\nTitle=vorher\r\n") << ini.size() << " bytes";
    EXPECT_EQ(FolderContents(work.Path() / "kvd"), std::vector<std::string>{"a.kvd"});
    EXPECT_EQ(FolderContents(work.Path() / "ini"), std::vector<std::string>{"cdplayer.ini"});
}
