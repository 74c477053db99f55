// Taking over the settings file of the older versions.
#include "app/CatalogApp.h"
#include "app/LegacySettings.h"
#include "app/MainDialog.h"
#include "resources/resource.h"
#include "support/ProfileSettingsStore.h"
#include "testkit/MemorySettingsStore.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>
#include <windows.h>

using kolvane::LegacySettingsPath;
using zul::Windows::Dialog;

namespace {

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// 44 bytes of a window placement with the normal rectangle 10, 20, 610, 420.
const std::string PlacementHex =
    "2C0000000000000001000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0A0000001400000062020000A4010000";

void CopyFrom(const std::string& text, kvtest::MemorySettingsStore& store) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("alt.ini"), text);
    zul::ProfileSettingsStore profile(folder.File("alt.ini"), 1024);
    kolvane::CopyLegacySettings(profile, store);
}

} // namespace

TEST(LegacySettingsPath, IsTheProgramPathWithTheExtensionIni) {
    EXPECT_EQ(LegacySettingsPath("C:\\Programme\\Kolvane\\Kolvane.exe"),
              "C:\\Programme\\Kolvane\\Kolvane.ini");
    EXPECT_EQ(LegacySettingsPath("D:\\Neu.Version\\kolvane.v2.exe"),
              "D:\\Neu.Version\\kolvane.v2.ini");
}

// Keys the older versions did not have (MainButtons, the CSV export, the M3U
// window) stay out of the store, and the import window's own keys belong to
// it alone. A list is copied when any of its bytes is set, so -1 counts.
TEST(LegacySettings, EveryOlderKeyIsCopiedByItsKindAndTheNewerOnesAreNot) {
    kvtest::MemorySettingsStore store;
    CopyFrom("[MainDlg]\r\nPlacement=" + PlacementHex +
                 "\r\nColumns=100, 200, 50, 80\r\n"
                 "AddInfo=0\r\nGrid=0\r\nWorkDir=C:\\Daten\r\nDefSortBy=2\r\nDefSortUp=0\r\n"
                 "InfoMetric=140, 70\r\nDragDraw=0\r\nDelChk=0\r\nHotEdit=0\r\n"
                 "ExportDirIni=C:\\Export\\Ini\\\r\nExportDirKvd=C:\\Export\\Kvd\r\n"
                 "MainButtons=1\r\nExportDirCsv=C:\\Export\\Csv\r\nExportFields=3F\r\n"
                 "[ImportDlg]\r\nColumns=0, 0, -1, 0\r\nGrid=0\r\nWorkDir=C:\\Import\r\n"
                 "DefSortBy=0\r\nWorkDirIni=C:\\Windows\\\r\nWorkDirKvd=C:\\Kvd\r\n"
                 "WorkDirV1x=C:\\Alt\\V1\r\nDelChk=0\r\nExportDirIni=C:\\x\r\n"
                 "[ImportM3uExtDlg]\r\nImportInterpreten=1\r\nWorkDir=C:\\Musik\r\n",
             store);
    EXPECT_EQ(store.Dump("MainDlg"),
              "AddInfo flag 0\n"
              "Columns ints 100 200 50 80\n"
              "DefSortBy int 2\n"
              "DefSortUp flag 0\n"
              "DelChk flag 0\n"
              "DragDraw flag 0\n"
              "ExportDirIni text C:\\Export\\Ini\\\n"
              "ExportDirKvd text C:\\Export\\Kvd\n"
              "Grid flag 0\n"
              "HotEdit flag 0\n"
              "InfoMetric ints 140 70\n"
              "Placement bytes " +
                  PlacementHex +
                  "\n"
                  "WorkDir text C:\\Daten\n");            // the reader adds the backslash
    EXPECT_EQ(store.Dump("ImportDlg"), "AddInfo flag 1\n" // missing: on
                                       "Columns ints 0 0 -1 0\n"
                                       "DefSortBy int 0\n"
                                       "DefSortUp flag 1\n"
                                       "DragDraw flag 1\n"
                                       "Grid flag 0\n"
                                       "WorkDir text C:\\Import\n"
                                       "WorkDirIni text C:\\Windows\\\n"
                                       "WorkDirKvd text C:\\Kvd\n"
                                       "WorkDirV1x text C:\\Alt\\V1\n");
    EXPECT_FALSE(store.HasSection("ImportM3uExtDlg"));
}

// No DelChk or HotEdit, sort column -1, empty texts, a zero block and list, a
// list too short to be read; no DefSortBy in the import section at all.
TEST(LegacySettings, EmptyOrUnsetValuesLeaveTheStoredOnesButMissingFlagsTurnOn) {
    kvtest::MemorySettingsStore store;
    const unsigned char placement[2] = {0x2C, 0x00};
    const int columns[4] = {111, 122, 33, 44};
    ASSERT_TRUE(store.OpenSection("MainDlg"));
    store.PutBool("DelChk", false);
    store.PutBool("HotEdit", false);
    store.PutInt("DefSortBy", 3);
    store.PutString("WorkDir", "D:\\Alt\\");
    store.PutString("ExportDirKvd", "D:\\Kvd\\");
    store.PutBinary("Placement", 2, placement);
    store.PutIntList("Columns", 4, columns);
    ASSERT_TRUE(store.OpenSection("ImportDlg"));
    store.PutInt("DefSortBy", 1);
    store.CloseSection();

    CopyFrom("[MainDlg]\r\nDefSortBy=-1\r\nWorkDir=\r\nExportDirKvd=\r\nPlacement=" +
                 std::string(88, '0') +
                 "\r\nColumns=0, 0, 0, 0\r\nInfoMetric=150\r\n"
                 "[ImportDlg]\r\nGrid=1\r\n",
             store);
    EXPECT_EQ(store.Dump("MainDlg"), "AddInfo flag 1\n"
                                     "Columns ints 111 122 33 44\n"
                                     "DefSortBy int 3\n"
                                     "DefSortUp flag 1\n"
                                     "DelChk flag 1\n"
                                     "DragDraw flag 1\n"
                                     "ExportDirKvd text D:\\Kvd\\\n"
                                     "Grid flag 1\n"
                                     "HotEdit flag 1\n"
                                     "Placement bytes 2C00\n"
                                     "WorkDir text D:\\Alt\\\n");
    EXPECT_EQ(store.Dump("ImportDlg"), "AddInfo flag 1\n"
                                       "DefSortBy int 1\n"
                                       "DefSortUp flag 1\n"
                                       "DragDraw flag 1\n"
                                       "Grid flag 1\n");
}

namespace {

// The older settings file beside the test program, as beside Kolvane.exe.
class LegacyTakeOver : public testing::Test {
protected:
    void SetUp() override {
        path = LegacySettingsPath(zul::Windows::WinApp::Current()->ProgramPath());
        ::DeleteFileA(path.c_str());
    }
    void TearDown() override { ::DeleteFileA(path.c_str()); }
    std::string path;
};

} // namespace

// Taken over before the main window opens; again at the next start if it
// could not be deleted.
TEST_F(LegacyTakeOver, StartUpTakesTheFileOverAndDeletesItOrReportsThatItCannot) {
    kvtest::WriteText(path, "[MainDlg]\r\nDelChk=0\r\n");
    // Held open without delete sharing, as by another program reading it.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    // Each application has settings of its own: DelChk=0 comes from the file.
    const auto takenOver = [](Dialog& main) {
        EXPECT_FALSE(dynamic_cast<kolvane::MainDialog&>(main).AsksBeforeDelete());
        ::PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    };
    {
        kvtest::IsolatedApp<kolvane::CatalogApp> app;
        kvtest::ModalScript script(app);
        script.ExpectMessage(IDS_WARN_502).Then(takenOver);
        app.InitInstance();
    }
    ::CloseHandle(held);
    ASSERT_TRUE(FileExists(path));

    kvtest::IsolatedApp<kolvane::CatalogApp> next;
    kvtest::ModalScript script(next);
    script.Then(takenOver);
    EXPECT_FALSE(next.InitInstance());
    EXPECT_FALSE(FileExists(path));
}
