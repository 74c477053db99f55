// The export of the selection from the main window; the bytes of each format
// are its writer's own tests.
#include "app/tests/MainWindowTest.h"
#include "core/NativeFile.h"
#include "exchange/CdPlayerIniExporter.h"
#include "exchange/CsvExporter.h"
#include "exchange/win32/ExportFieldsDialog.h"
#include "support/win32/ResourceText.h"
#include "support/win32/SystemDialogs.h"
#include "testkit/TempFolder.h"

#include <cstdlib>
#include <filesystem>

using kolvane::DiscCollection;
using kolvane::MainDialog;
using kvtest::ModalScript;

namespace {

constexpr DWORD SaveFlags =
    OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;

// In the list sorted by year: Abba, Kraftwerk, Nena, Die Ärzte, Zappa.
DiscCollection Discs() {
    return {kvtest::Entry("Die \xC4rzte", "Planet Punk", "1995", "0815", "Intro\r\nHurra"),
            kvtest::Entry("Kraftwerk", "Computerwelt", "1981", "", "Pocket Calculator"),
            kvtest::Entry("Nena", "99 \"Luft\"ballons", "1983", "4711", "Eins", "zwei\r\nZeilen"),
            kvtest::Entry("Abba", "Waterloo", "1974", "AB12"),
            kvtest::Entry("Zappa", "Apostrophe", "2001", "Z1", "x")};
}

// The three exports: the command, what its save dialog offers (no overwrite
// question for the cdplayer.ini: the export adds to it), a target, its folder.
struct Export {
    int command;
    UINT filter;
    const char* extension;
    DWORD flags;
    const char* target;
    const std::string& (MainDialog::*folder)() const;

    kvtest::FileDialogOffer Offer(const std::string& start) const {
        return {zul::Windows::FileDialog::Kind::Save, zul::Windows::LoadResourceText(filter),
                extension, SaveFlags | flags, start};
    }
};
const Export Kvd{IDM_EXPORT_NATIVE, IDS_FILTER_NATIVE, "kvd", OFN_OVERWRITEPROMPT,
                 "kvd\\Auswahl.kvd", &MainDialog::ExportDirKvd};
const Export Csv{IDM_EXPORT_CSV, IDS_FILTER_CSV, "csv", OFN_OVERWRITEPROMPT,
                 "csv\\Auswahl.csv", &MainDialog::ExportDirCsv};
const Export Ini{IDM_EXPORT_CDPLAYER, IDS_FILTER_CDPLAYER, "ini", 0, "ini\\cdplayer.ini",
                 &MainDialog::ExportDirIni};
const Export Exports[] = {Kvd, Csv, Ini};

ModalScript::DialogAction ToggleFields(std::vector<int> fields) {
    return [fields](zul::Windows::Dialog& d) {
        EXPECT_EQ(d.TemplateId(), static_cast<UINT>(IDD_EXPORT_FIELDS));
        for (int field : fields)
            kvtest::Press(d, kolvane::ExportFieldsDialog::FieldBoxIds[field]);
        kvtest::Press(d, IDOK);
    };
}

// The file the writer of that export makes of these entries.
std::vector<unsigned char> WrittenByTheWriter(int command, const DiscCollection& entries,
                                              unsigned char csvFields) {
    kvtest::TempFolder folder;
    const std::string path = folder.File("x");
    kvtest::RecordingReporter reporter;
    if (command == IDM_EXPORT_NATIVE)
        kolvane::SaveNativeFile(path, entries, reporter);
    else if (command == IDM_EXPORT_CSV)
        kolvane::CsvExporter(reporter).Export(entries, path,
                                              kolvane::ExportFieldSet::FromByte(csvFields));
    else
        kolvane::CdPlayerIniExporter(reporter).Export(entries, path);
    EXPECT_TRUE(reporter.errors.empty() && reporter.warnings.empty()) << command;
    return kvtest::ReadBytes(path);
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
    void Open(std::initializer_list<int> rows) {
        Show(Discs());
        kvtest::ClickHeader(List(), kolvane::YearColumn);
        kvtest::SelectRows(List(), rows);
        kvtest::Drain(main);
    }
    std::string Folder(const std::string& name) const { return work.File(name) + "\\"; }
    std::string FolderOf(const Export& e) const { return Folder(std::string(e.target, 3)); }
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
    const DiscCollection all = Discs();
    const DiscCollection selected = {all[1], all[2], all[0]};
    const std::string start = main.ExportDirKvd();
    ModalScript script;
    for (const Export& e : Exports) {
        if (e.command == IDM_EXPORT_CSV)
            script.Then(ToggleFields({kolvane::YearColumn}));
        script.ExpectFileDialog(e.Offer(start), File(e.target));
        Command(e.command);
        EXPECT_EQ(kvtest::ReadBytes(File(e.target)), WrittenByTheWriter(e.command, selected, 0x33))
            << e.target;
        EXPECT_EQ((main.*e.folder)(), FolderOf(e));
    }
    EXPECT_EQ(kvtest::SelectedRows(List()), (std::vector<int>{1, 2, 3}));
}

TEST_F(ExportCommandsTest, TheOpenCollectionsFileIsRefusedAsTargetUnderEverySpelling) {
    const std::string open = File("kvd\\Sammlung.kvd");
    kvtest::RecordingReporter reporter;
    ASSERT_EQ(kolvane::SaveNativeFile(open, Discs(), reporter), 1);
    const std::vector<unsigned char> saved = kvtest::ReadBytes(open);
    ASSERT_TRUE(main.Create(nullptr));
    ASSERT_EQ(main.Document().OpenPath(open), 1);
    kvtest::SelectRows(List(), {3});
    kvtest::Drain(main);
    const std::string start = main.ExportDirKvd();

    char shortName[MAX_PATH] = {};
    ASSERT_NE(::GetShortPathNameA(open.c_str(), shortName, MAX_PATH), 0u);
    const std::string spellings[] = {open, work.File("KVD\\.\\csv\\..\\SAMMLUNG.KVD"), shortName};
    // The cdplayer.ini exists already: another file than the collection's.
    kvtest::WriteText(File("ini\\cdplayer.ini"), "");
    ModalScript script;
    for (int i = 0; i < 3; ++i) {
        const Export& e = Exports[i];
        SCOPED_TRACE(e.target);
        if (e.command == IDM_EXPORT_CSV)
            script.Then(ToggleFields({}));
        script.ExpectFileDialog(e.Offer(start), spellings[i]).ExpectMessage(IDS_ERR_015);
        script.ExpectFileDialog(e.Offer(start), File(e.target));
        Command(e.command);
        EXPECT_TRUE(script.Finished()) << testing::PrintToString(script.Seen());
        EXPECT_TRUE(std::filesystem::exists(File(e.target)));
    }
    EXPECT_EQ(kvtest::ReadBytes(open), saved);

    // A file that is gone since it was loaded is refused by its path.
    ASSERT_TRUE(std::filesystem::remove(open));
    script.ExpectFileDialog(Kvd.Offer(Folder("kvd")), work.File("kvd\\sammlung.KVD"))
        .ExpectMessage(IDS_ERR_015)
        .ExpectFileDialog(Kvd.Offer(Folder("kvd")), "");
    Command(IDM_EXPORT_NATIVE);
    EXPECT_FALSE(std::filesystem::exists(open));
}

TEST_F(ExportCommandsTest, FailuresShowTheWritersMessagesAndTheFolderIsTakenAnyway) {
    Open({0, 1, 3});
    const std::string missing = work.File("fehlt") + "\\";
    const UINT messages[] = {IDS_ERR_012, IDS_ERR_012, IDS_ERR_001};
    ModalScript script;
    for (int i = 0; i < 3; ++i) {
        const Export& e = Exports[i];
        if (e.command == IDM_EXPORT_CSV)
            script.Then(ToggleFields({}));
        script.ExpectFileDialog(e.Offer((main.*e.folder)()), missing + "a")
            .ExpectMessage(messages[i]);
        Command(e.command);
        EXPECT_EQ((main.*e.folder)(), missing) << e.target;
    }
    EXPECT_FALSE(std::filesystem::exists(work.Path() / "fehlt"));

    // A target another program holds open without sharing: no temporary file is left.
    for (int i = 0; i < 2; ++i) {
        const std::string target = File(Exports[i].target);
        kvtest::WriteText(target, "vorher");
        HANDLE held = ::CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        if (Exports[i].command == IDM_EXPORT_CSV)
            script.Then(ToggleFields({}));
        script.ExpectFileDialog(Exports[i].Offer(missing), target).ExpectMessage(IDS_ERR_012);
        Command(Exports[i].command);
        ::CloseHandle(held);
        EXPECT_EQ(kvtest::ReadText(target), "vorher") << target;
        EXPECT_EQ(FolderContents(FolderOf(Exports[i])).size(), 1u) << target;
    }

    kvtest::SelectRows(List(), {1}); // Kraftwerk, without a disc id
    const std::string before = "; fremd\r\n\r\n[X]\r\nTitle=y\r\n";
    kvtest::WriteText(File("ini\\cdplayer.ini"), before);
    script.ExpectFileDialog(Ini.Offer(missing), File("ini\\cdplayer.ini"))
        .ExpectMessage(IDS_WARN_501);
    Command(IDM_EXPORT_CDPLAYER);
    EXPECT_EQ(kvtest::ReadText(File("ini\\cdplayer.ini")), before);
    // The string table's line breaks arrive as single characters.
    EXPECT_NE(script.Seen().back().find("vorhanden.\n\nDer Export"), std::string::npos);
    EXPECT_FALSE(main.View().IsModified());
}

TEST_F(ExportCommandsTest, CancelledDialogsWriteNothingButAConfirmedFieldChoiceStays) {
    Open({2});
    const std::string start = main.ExportDirKvd();
    ModalScript script;
    script.ExpectFileDialog(Kvd.Offer(start), "");
    Command(IDM_EXPORT_NATIVE);
    script.ExpectFileDialog(Ini.Offer(start), "");
    Command(IDM_EXPORT_CDPLAYER);

    script.Then([](zul::Windows::Dialog& d) {
        kvtest::Press(d, IDC_EXPORT_DISC_ID);
        kvtest::Press(d, IDCANCEL);
    });
    Command(IDM_EXPORT_CSV);
    EXPECT_EQ(main.ExportFields().ToByte(), 0x37);

    script.Then(ToggleFields({kolvane::ArtistColumn, kolvane::DiscIdColumn}))
        .ExpectFileDialog(Csv.Offer(start), "");
    Command(IDM_EXPORT_CSV);
    EXPECT_EQ(main.ExportFields().ToByte(), 0x3E);

    for (const Export& e : Exports) {
        EXPECT_TRUE(FolderContents(FolderOf(e)).empty()) << e.target;
        EXPECT_EQ((main.*e.folder)(), start) << e.target;
    }
}

// Run once more under a file size limit (app/CMakeLists.txt): every write fails.
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

    const char* targets[] = {"kvd\\a.kvd", "csv\\a.csv", "ini\\cdplayer.ini"};
    const UINT messages[] = {IDS_ERR_013, IDS_ERR_001, IDS_ERR_001};
    ModalScript script;
    for (int i = 0; i < 3; ++i) {
        const Export& e = Exports[i];
        if (e.command == IDM_EXPORT_CSV)
            script.Then(ToggleFields({}));
        script.ExpectFileDialog(e.Offer((main.*e.folder)()), File(targets[i]))
            .ExpectMessage(messages[i]);
        Command(e.command);
    }

    // Compared as flags: a damaged file would fill the log with its text.
    const std::string kvd = kvtest::ReadText(File("kvd\\a.kvd"));
    EXPECT_TRUE(kvd == "vorher") << kvd.size() << " bytes";
    const std::string ini = kvtest::ReadText(File("ini\\cdplayer.ini"));
    EXPECT_TRUE(ini == "[ID1]\r\nTitle=vorher\r\n") << ini.size() << " bytes";
    EXPECT_EQ(FolderContents(work.Path() / "kvd"), std::vector<std::string>{"a.kvd"});
    EXPECT_EQ(FolderContents(work.Path() / "ini"), std::vector<std::string>{"cdplayer.ini"});
}
