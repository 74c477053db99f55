#include "support/ProfileSettingsStore.h"
#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ProfileSettingsStore, ValuesOfEveryKindGoBackAndForthInTheFilesTextForms) {
    kvtest::TempFolder folder;
    const std::string path = folder.File("alt.ini");
    zul::ProfileSettingsStore store(path, 1024);
    ASSERT_TRUE(store.OpenSection("MainDlg"));
    const int widths[4] = {120, 150, 60, -70};
    const unsigned char bytes[3] = {0x2C, 0x00, 0xFF};
    EXPECT_TRUE(store.PutString("WorkDir", "C:\\Musik\\"));
    EXPECT_TRUE(store.PutBool("Grid", true));
    EXPECT_TRUE(store.PutInt("Sort", -3));
    EXPECT_TRUE(store.PutIntList("Columns", 4, widths));
    EXPECT_TRUE(store.PutBinary("Placement", 3, bytes));
    EXPECT_EQ(kvtest::ReadText(path), "[MainDlg]\r\nWorkDir=C:\\Musik\\\r\nGrid=1\r\nSort=-3\r\n"
                                      "Columns=120, 150, 60, -70\r\nPlacement=2C00FF\r\n");

    zul::ProfileSettingsStore again(path, 1024);
    ASSERT_TRUE(again.OpenSection("MainDlg"));
    EXPECT_EQ(again.GetString("WorkDir", ""), "C:\\Musik\\");
    EXPECT_TRUE(again.GetBool("Grid", false));
    EXPECT_EQ(again.GetInt("Sort", 0), -3);
    std::array<int, 4> readWidths{};
    const int noWidths[4] = {};
    again.GetIntList("Columns", 4, noWidths, readWidths.data());
    EXPECT_EQ(readWidths, (std::array<int, 4>{120, 150, 60, -70}));
    std::array<unsigned char, 3> readBytes{};
    const unsigned char noBytes[3] = {};
    again.GetBinary("Placement", 3, noBytes, readBytes.data());
    EXPECT_EQ(readBytes, (std::array<unsigned char, 3>{0x2C, 0x00, 0xFF}));
}

TEST(ProfileSettingsStore, ClosedStoreMissingSectionsAndDeletions) {
    kvtest::TempFolder folder;
    const std::string path = folder.File("alt.ini");
    zul::ProfileSettingsStore store(path, 1024);
    EXPECT_FALSE(store.IsOpen());
    EXPECT_FALSE(store.PutInt("Sort", 1));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(store.GetInt("Sort", 7), 7);
    EXPECT_FALSE(zul::ProfileSettingsStore(1024).OpenSection("MainDlg")) << "no file name";

    kvtest::WriteText(path, "; von Hand\r\n[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(store.OpenSection("MainDlg"));
    EXPECT_EQ(store.GetInt("z", 7), 7);
    EXPECT_EQ(store.GetString("z", "none"), "none");
    store.CloseSection();
    EXPECT_FALSE(store.IsOpen());
    ASSERT_TRUE(store.OpenSection("A"));
    EXPECT_TRUE(store.DeleteValue("x"));
    EXPECT_EQ(store.GetInt("x", -1), -1);
    EXPECT_EQ(store.GetInt("y", -1), 2);
    EXPECT_TRUE(store.DeleteSection("B"));
    EXPECT_EQ(kvtest::ReadText(path), "; von Hand\r\n[A]\r\ny=2\r\n");
}

} // namespace
