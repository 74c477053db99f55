// Taking over the settings file of the older versions: the copy rules by
// kind into the real registry store, and the start-up step that finds the
// file beside the program and removes it.
#include "app/CatalogApp.h"
#include "app/LegacySettings.h"
#include "app/MainDialog.h"
#include "resources/resource.h"
#include "support/ProfileSettingsStore.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <vector>

using kolvane::CopyLegacySettings;
using kolvane::LegacySettingsPath;
using zul::SettingsStore;
using zul::Windows::Dialog;
using zul::Windows::WinApp;

namespace {

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteText(const std::string& path, const std::string& text) {
    kvtest::WriteText(path, text);
    ASSERT_TRUE(FileExists(path)) << path;
}

// 44 bytes of a window placement with the normal rectangle 10, 20, 610, 420.
const char PlacementHex[] =
    "2C0000000000000001000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0A0000001400000062020000A4010000";

std::array<unsigned char, 44> PlacementBytes() {
    std::array<unsigned char, 44> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(
            std::stoi(std::string(PlacementHex + 2 * i, 2), nullptr, 16));
    return bytes;
}

// The program's store (the test program's own registry key) with both
// sections emptied, and a profile file of the older kind in the temp folder.
class LegacySettings : public testing::Test {
protected:
    void SetUp() override {
        store = WinApp::Current()->Settings();
        ASSERT_NE(store, nullptr);
        ClearSections();
    }
    void TearDown() override { ClearSections(); }
    void ClearSections() {
        store->DeleteSection("MainDlg");
        store->DeleteSection("ImportDlg");
        store->DeleteSection("ImportM3uExtDlg");
    }
    void CopyFrom(const std::string& text) {
        WriteText(path, text);
        zul::ProfileSettingsStore profile(path, 1024);
        CopyLegacySettings(profile, *store);
    }
    // A value as it is now in the store; the sentinel when it is not there.
    std::string Text(const char* section, const char* key) {
        store->OpenSection(section);
        std::string text = store->GetString(key, "<none>");
        store->CloseSection();
        return text;
    }
    int Int(const char* section, const char* key) {
        store->OpenSection(section);
        const int value = store->GetInt(key, -99);
        store->CloseSection();
        return value;
    }
    int Flag(const char* section, const char* key) {
        store->OpenSection(section);
        // Read twice with opposite defaults: a missing flag gives -1.
        const bool a = store->GetBool(key, false), b = store->GetBool(key, true);
        store->CloseSection();
        return a == b ? int(a) : -1;
    }
    std::vector<int> IntList(const char* section, const char* key, int count) {
        std::vector<int> none(static_cast<size_t>(count), -99), list(none);
        store->OpenSection(section);
        store->GetIntList(key, count, none.data(), list.data());
        store->CloseSection();
        return list;
    }
    std::vector<unsigned char> Bytes(const char* section, const char* key, int count) {
        std::vector<unsigned char> none(static_cast<size_t>(count), 0xEE), bytes(none);
        store->OpenSection(section);
        store->GetBinary(key, count, none.data(), bytes.data());
        store->CloseSection();
        return bytes;
    }

    SettingsStore* store = nullptr;
    kvtest::TempFolder folder;
    const std::string path = folder.File("alt.ini");
};

} // namespace

TEST(LegacySettingsPath, IsTheProgramPathWithTheExtensionIni) {
    EXPECT_EQ(LegacySettingsPath("C:\\Programme\\Kolvane\\Kolvane.exe"),
              "C:\\Programme\\Kolvane\\Kolvane.ini");
    EXPECT_EQ(LegacySettingsPath("D:\\Neu.Version\\kolvane.v2.exe"),
              "D:\\Neu.Version\\kolvane.v2.ini");
}

TEST_F(LegacySettings, EveryOlderKeyIsCopiedByItsKindAndTheNewerOnesAreNot) {
    CopyFrom(std::string("[MainDlg]\r\n") + "Placement=" + PlacementHex + "\r\n" +
             "Columns=100, 200, 50, 80\r\n"
             "AddInfo=0\r\nGrid=0\r\nWorkDir=C:\\Daten\r\nDefSortBy=2\r\nDefSortUp=0\r\n"
             "InfoMetric=140, 70\r\nDragDraw=0\r\nDelChk=0\r\nHotEdit=0\r\n"
             "ExportDirIni=C:\\Export\\Ini\\\r\nExportDirKvd=C:\\Export\\Kvd\r\n"
             "MainButtons=1\r\nExportDirCsv=C:\\Export\\Csv\r\nExportFields=3F\r\n"
             "[ImportDlg]\r\nColumns=90, 90, 40, 40\r\nGrid=0\r\nWorkDir=C:\\Import\r\n"
             "DefSortBy=0\r\nWorkDirIni=C:\\Windows\\\r\nWorkDirKvd=C:\\Kvd\r\n"
             "WorkDirV1x=C:\\Alt\\V1\r\n"
             "[ImportM3uExtDlg]\r\nImportInterpreten=1\r\nWorkDir=C:\\Musik\r\n");

    const std::array<unsigned char, 44> placement = PlacementBytes();
    EXPECT_EQ(Bytes("MainDlg", "Placement", 44),
              std::vector<unsigned char>(placement.begin(), placement.end()));
    EXPECT_EQ(IntList("MainDlg", "Columns", 4), (std::vector<int>{100, 200, 50, 80}));
    EXPECT_EQ(Flag("MainDlg", "AddInfo"), 0);
    EXPECT_EQ(Flag("MainDlg", "Grid"), 0);
    EXPECT_EQ(Text("MainDlg", "WorkDir"), "C:\\Daten"); // the reader adds the backslash
    EXPECT_EQ(Int("MainDlg", "DefSortBy"), 2);
    EXPECT_EQ(Flag("MainDlg", "DefSortUp"), 0);
    EXPECT_EQ(IntList("MainDlg", "InfoMetric", 2), (std::vector<int>{140, 70}));
    EXPECT_EQ(Flag("MainDlg", "DragDraw"), 0);
    EXPECT_EQ(Flag("MainDlg", "DelChk"), 0);
    EXPECT_EQ(Flag("MainDlg", "HotEdit"), 0);
    EXPECT_EQ(Text("MainDlg", "ExportDirIni"), "C:\\Export\\Ini\\");
    EXPECT_EQ(Text("MainDlg", "ExportDirKvd"), "C:\\Export\\Kvd");
    // Keys the older versions did not have stay out of the store.
    EXPECT_EQ(Flag("MainDlg", "MainButtons"), -1);
    EXPECT_EQ(Text("MainDlg", "ExportDirCsv"), "<none>");
    EXPECT_EQ(Bytes("MainDlg", "ExportFields", 1), std::vector<unsigned char>{0xEE});
    EXPECT_EQ(Flag("ImportM3uExtDlg", "ImportInterpreten"), -1);
    EXPECT_EQ(Text("ImportM3uExtDlg", "WorkDir"), "<none>");

    EXPECT_EQ(IntList("ImportDlg", "Columns", 4), (std::vector<int>{90, 90, 40, 40}));
    EXPECT_EQ(Flag("ImportDlg", "Grid"), 0);
    EXPECT_EQ(Flag("ImportDlg", "AddInfo"), 1); // missing: on
    EXPECT_EQ(Text("ImportDlg", "WorkDir"), "C:\\Import");
    EXPECT_EQ(Int("ImportDlg", "DefSortBy"), 0);
    EXPECT_EQ(Text("ImportDlg", "WorkDirIni"), "C:\\Windows\\");
    EXPECT_EQ(Text("ImportDlg", "WorkDirKvd"), "C:\\Kvd");
    EXPECT_EQ(Text("ImportDlg", "WorkDirV1x"), "C:\\Alt\\V1");
    // The import window's own keys belong to it alone.
    EXPECT_EQ(Flag("ImportDlg", "DelChk"), -1);
    EXPECT_EQ(Text("ImportDlg", "ExportDirIni"), "<none>");
}

TEST_F(LegacySettings, EmptyOrUnsetValuesLeaveTheStoredOnesButMissingFlagsTurnOn) {
    const std::array<unsigned char, 44> placement = PlacementBytes();
    const int columns[4] = {111, 122, 33, 44};
    ASSERT_TRUE(store->OpenSection("MainDlg"));
    store->PutBool("DelChk", false);
    store->PutBool("HotEdit", false);
    store->PutInt("DefSortBy", 3);
    store->PutString("WorkDir", "D:\\Alt\\");
    store->PutString("ExportDirKvd", "D:\\Kvd\\");
    store->PutBinary("Placement", 44, placement.data());
    store->PutIntList("Columns", 4, columns);
    store->CloseSection();
    ASSERT_TRUE(store->OpenSection("ImportDlg"));
    store->PutInt("DefSortBy", 1);
    store->CloseSection();

    // No DelChk or HotEdit, sort column -1, empty texts, zero block and list,
    // a list too short to be read; no DefSortBy in the import section at all.
    CopyFrom("[MainDlg]\r\nDefSortBy=-1\r\nWorkDir=\r\nExportDirKvd=\r\n"
             "Placement=" +
             std::string(88, '0') +
             "\r\nColumns=0, 0, 0, 0\r\n"
             "InfoMetric=150\r\n[ImportDlg]\r\nGrid=1\r\n");

    EXPECT_EQ(Flag("MainDlg", "DelChk"), 1);
    EXPECT_EQ(Flag("MainDlg", "HotEdit"), 1);
    EXPECT_EQ(Int("MainDlg", "DefSortBy"), 3);
    EXPECT_EQ(Text("MainDlg", "WorkDir"), "D:\\Alt\\");
    EXPECT_EQ(Text("MainDlg", "ExportDirKvd"), "D:\\Kvd\\");
    EXPECT_EQ(Bytes("MainDlg", "Placement", 44),
              std::vector<unsigned char>(placement.begin(), placement.end()));
    EXPECT_EQ(IntList("MainDlg", "Columns", 4), (std::vector<int>{111, 122, 33, 44}));
    EXPECT_EQ(IntList("MainDlg", "InfoMetric", 2), (std::vector<int>{-99, -99}));
    EXPECT_EQ(Int("ImportDlg", "DefSortBy"), 1);
}

TEST_F(LegacySettings, ANegativeListValueIsCopiedSinceItsBytesAreSet) {
    CopyFrom("[MainDlg]\r\nColumns=0, 0, -1, 0\r\n");
    EXPECT_EQ(IntList("MainDlg", "Columns", 4), (std::vector<int>{0, 0, -1, 0}));
}

// ---------------------------------------------------------------- start-up

namespace {

// The older settings file of the test program, beside it as it would be
// beside Kolvane.exe.
class LegacyTakeOver : public testing::Test {
protected:
    void SetUp() override {
        path = LegacySettingsPath(WinApp::Current()->ProgramPath());
        ::DeleteFileA(path.c_str());
    }
    void TearDown() override { ::DeleteFileA(path.c_str()); }
    std::string path;
};

bool StoredFlag(WinApp& app, const char* key, bool defaultValue) {
    SettingsStore& store = *app.Settings();
    store.OpenSection("MainDlg");
    const bool value = store.GetBool(key, defaultValue);
    store.CloseSection();
    return value;
}

} // namespace

TEST_F(LegacyTakeOver, StartUpTakesTheFileOverBeforeTheMainWindowOpensAndDeletesIt) {
    WriteText(path, "[MainDlg]\r\nDelChk=0\r\nHotEdit=0\r\nMainButtons=1\r\nWorkDir=C:\\Daten\r\n");
    kvtest::IsolatedApp<kolvane::CatalogApp> app;
    kvtest::ModalScript script(app);
    script.Then([&](Dialog& dialog) {
        auto& main = dynamic_cast<kolvane::MainDialog&>(dialog);
        EXPECT_FALSE(main.AsksBeforeDelete());
        EXPECT_FALSE(main.HotEditOn());
        EXPECT_FALSE(main.ShowsButtons()); // not taken over: the default
        EXPECT_EQ(main.Document().WorkDir(), "C:\\Daten\\");
        EXPECT_EQ(main.ExportDirKvd(), "C:\\Daten\\");
        ::PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(script.Seen().size(), 1u); // no message
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(StoredFlag(app, "DelChk", true));
}

TEST_F(LegacyTakeOver, AFileThatCannotBeDeletedIsReportedAndTakenOverAgainNextTime) {
    WriteText(path, "[MainDlg]\r\nDelChk=0\r\n");
    // Held open without delete sharing, as by another program reading it.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        kvtest::IsolatedApp<kolvane::CatalogApp> app;
        kvtest::ModalScript script(app);
        script.ExpectMessage(IDS_WARN_502);
        script.Then([&](Dialog& main) {
            // The settings were taken over all the same.
            EXPECT_FALSE(dynamic_cast<kolvane::MainDialog&>(main).AsksBeforeDelete());
            ::PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
        });
        app.InitInstance();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(app.HelpTopicOf(IDS_WARN_502), "ref_meldungen.html#l_w502");
    }
    ::CloseHandle(held);
    ASSERT_TRUE(FileExists(path));

    kvtest::IsolatedApp<kolvane::CatalogApp> next;
    kvtest::ModalScript script(next);
    script.Then([&](Dialog& main) {
        EXPECT_FALSE(dynamic_cast<kolvane::MainDialog&>(main).AsksBeforeDelete());
        ::PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    });
    next.InitInstance();
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(FileExists(path));
}
