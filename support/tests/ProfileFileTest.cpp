#include "support/ProfileFile.h"

#include "testkit/FileSizeLimit.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <iterator>

using zul::ProfileFile;

TEST(ProfileFile, MissingFileGivesDefaultsAndIsCreatedByTheFirstWrite) {
    kvtest::TempFolder folder;
    ProfileFile profile(folder.File("settings.ini"), 1024);
    EXPECT_EQ(profile.ReadString("MainDlg", "WorkDir", "."), ".");
    EXPECT_EQ(profile.ReadInt("MainDlg", "DefSortBy", -1), -1);
    EXPECT_TRUE(profile.ReadBool("MainDlg", "AddInfo", true));
    EXPECT_TRUE(profile.DeleteKey("MainDlg", "WorkDir"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("settings.ini")));

    ASSERT_TRUE(profile.WriteString("MainDlg", "WorkDir", "C:\\Daten"));
    ASSERT_TRUE(profile.WriteInt("MainDlg", "DefSortBy", -12));
    ASSERT_TRUE(profile.WriteBool("MainDlg", "AddInfo", false));
    EXPECT_EQ(kvtest::ReadText(folder.File("settings.ini")),
              "[MainDlg]\r\nWorkDir=C:\\Daten\r\nDefSortBy=-12\r\nAddInfo=0\r\n");
    EXPECT_EQ(profile.ReadString("maindlg", "workdir", "."), "C:\\Daten");
    EXPECT_EQ(profile.ReadInt("MainDlg", "DefSortBy", 0), -12);
    EXPECT_FALSE(profile.ReadBool("MainDlg", "AddInfo", true));
}

TEST(ProfileFile, NumbersAreReadFromTheStartOfTheValue) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("n.ini"), "[S]\n"
                                            "empty=\n"
                                            "word=abc\n"
                                            "lead=42 apples\n"
                                            "plus=+7\n"
                                            "big=99999999999\n"
                                            "small=-99999999999\n"
                                            "min=-2147483648\n"
                                            "flag=7\n"
                                            "off=0\n");
    ProfileFile profile(folder.File("n.ini"), 1024);
    EXPECT_EQ(profile.ReadInt("S", "empty", 5), 5);
    EXPECT_EQ(profile.ReadInt("S", "word", 5), 0);
    EXPECT_EQ(profile.ReadInt("S", "lead", 5), 42);
    EXPECT_EQ(profile.ReadInt("S", "plus", 5), 7);
    EXPECT_EQ(profile.ReadInt("S", "big", 5), INT_MAX);
    EXPECT_EQ(profile.ReadInt("S", "small", 5), INT_MIN);
    EXPECT_EQ(profile.ReadInt("S", "min", 5), INT_MIN);
    EXPECT_TRUE(profile.ReadBool("S", "empty", true));
    EXPECT_FALSE(profile.ReadBool("S", "word", true));
    EXPECT_TRUE(profile.ReadBool("S", "flag", false));
    EXPECT_FALSE(profile.ReadBool("S", "off", true));
}

TEST(ProfileFile, ValuesAndDefaultsAreCutToTheBufferSize) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("b.ini"), "[S]\r\nk=abcdefgh\r\n");
    ProfileFile profile(folder.File("b.ini"), 5);
    EXPECT_EQ(profile.ReadString("S", "k", ""), "abcd");
    EXPECT_EQ(profile.ReadString("S", "none", "123456"), "1234");
    profile.SetBufferSize(1);
    EXPECT_EQ(profile.ReadString("S", "k", "x"), "");
}

TEST(ProfileFile, WritesKeepForeignLinesAndFailWithoutTouchingTheFile) {
    kvtest::TempFolder folder;
    const std::string before = "; written by another program\r\n[Other]\r\nKey = Value \r\n";
    kvtest::WriteText(folder.File("p.ini"), before);
    ProfileFile profile(folder.File("p.ini"), 1024);
    EXPECT_FALSE(profile.WriteString("Other", "Key", "line\r\nbreak"));
    EXPECT_EQ(kvtest::ReadText(folder.File("p.ini")), before);
    ASSERT_TRUE(profile.WriteString("other", "key", "New"));
    EXPECT_EQ(kvtest::ReadText(folder.File("p.ini")),
              "; written by another program\r\n[Other]\r\nKey = New\r\n");
    ASSERT_TRUE(profile.DeleteSection("OTHER"));
    EXPECT_EQ(kvtest::ReadText(folder.File("p.ini")), "; written by another program\r\n");

    ProfileFile nowhere(folder.File("no such folder/p.ini"), 1024);
    EXPECT_FALSE(nowhere.WriteString("S", "k", "v"));
    ProfileFile unnamed(1024);
    EXPECT_FALSE(unnamed.WriteString("S", "k", "v"));
    EXPECT_EQ(unnamed.ReadString("S", "k", "d"), "d");
}

TEST(ProfileFile, IntListsNeedEveryNumberOrGiveAllDefaults) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("l.ini"), "[S]\nshort=120, 150\nmixed=10.20:30,40\n");
    ProfileFile profile(folder.File("l.ini"), 1024);
    const int defaults[4] = {1, 2, 3, 4};
    int target[4] = {9, 9, 9, 9};
    profile.ReadIntList("S", "short", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(1, 2, 3, 4));
    profile.ReadIntList("S", "mixed", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(10, 20, 30, 40));
    // Defaults and target in the same memory, value missing: it stays.
    profile.ReadIntList("S", "missing", target, target);
    EXPECT_THAT(target, testing::ElementsAre(10, 20, 30, 40));

    const int columns[4] = {120, 150, 60, -70};
    ASSERT_TRUE(profile.WriteIntList("S", "Columns", columns));
    EXPECT_EQ(profile.ReadString("S", "Columns", ""), "120, 150, 60, -70");
}

TEST(ProfileFile, BytesNeedTwoDigitsPerByteAndStopAtABadPair) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("h.ini"), "[S]\nlower=2c00\nbad=2G00\nodd=2C000\nlong=2C0000\n");
    ProfileFile profile(folder.File("h.ini"), 1024);
    const unsigned char defaults[2] = {0xAA, 0xBB};
    unsigned char target[2] = {1, 2};
    profile.ReadBytes("S", "lower", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(0x2C, 0x00));
    target[0] = 1, target[1] = 2;
    profile.ReadBytes("S", "bad", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(1, 2));
    profile.ReadBytes("S", "odd", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(0x2C, 0x00));
    profile.ReadBytes("S", "long", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(0xAA, 0xBB));
    profile.ReadBytes("S", "missing", defaults, target);
    EXPECT_THAT(target, testing::ElementsAre(0xAA, 0xBB));

    const unsigned char placement[3] = {0x00, 0x7F, 0xFE};
    ASSERT_TRUE(profile.WriteBytes("S", "Placement", placement));
    EXPECT_EQ(profile.ReadString("S", "Placement", ""), "007FFE");
}

TEST(ProfileFile, RelativeNameMeansTheCurrentFolderWhenItIsSet) {
    kvtest::TempFolder folder;
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    ProfileFile profile("relative.ini", 1024);
    std::filesystem::current_path(before);
    EXPECT_EQ(profile.FileName(), folder.File("relative.ini"));
    ASSERT_TRUE(profile.WriteInt("S", "k", 1));
    EXPECT_EQ(kvtest::ReadText(folder.File("relative.ini")), "[S]\r\nk=1\r\n");
}

TEST(ProfileFile, UpdateGathersWritesInMemoryUntilItEnds) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("u.ini"), "[A]\r\nx=1");
    ProfileFile profile(folder.File("u.ini"), 1024);
    EXPECT_FALSE(profile.EndUpdate());
    ASSERT_TRUE(profile.BeginUpdate());
    EXPECT_FALSE(profile.BeginUpdate());
    ASSERT_TRUE(profile.WriteString("A", "y", "2"));
    ASSERT_TRUE(profile.WriteInt("B", "z", 3));
    EXPECT_EQ(profile.ReadString("A", "y", ""), "2");
    EXPECT_EQ(kvtest::ReadText(folder.File("u.ini")), "[A]\r\nx=1");
    ASSERT_TRUE(profile.EndUpdate());
    EXPECT_EQ(kvtest::ReadText(folder.File("u.ini")), "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");

    ProfileFile nowhere(folder.File("no such folder/u.ini"), 1024);
    ASSERT_TRUE(nowhere.BeginUpdate());
    EXPECT_TRUE(nowhere.WriteString("S", "k", "v"));
    EXPECT_FALSE(nowhere.EndUpdate());
}

#ifndef _WIN32
// A save that fails half way (here: beyond the process's file size limit, as
// on a full disc) leaves the previous file whole and no temporary file.
TEST(ProfileFile, FailedSaveKeepsThePreviousFile) {
    kvtest::FileSizeLimit limit;
    ASSERT_NE(limit.Bytes(), 0u);
    kvtest::TempFolder folder;
    const std::string before = "; another program's\r\n[Disc]\r\nTitle=old\r\n";
    kvtest::WriteText(folder.File("cdplayer.ini"), before);
    ProfileFile profile(folder.File("cdplayer.ini"), 1024);
    EXPECT_FALSE(profile.WriteString("Disc", "0", std::string(limit.Bytes() + 1024, 't')));
    EXPECT_EQ(kvtest::ReadText(folder.File("cdplayer.ini")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}
#endif
