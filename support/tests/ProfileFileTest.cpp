#include "support/ProfileFile.h"

#include "testkit/FileSizeLimit.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <filesystem>
#include <iterator>

using testing::ElementsAre;
using zul::ProfileFile;

TEST(ProfileFile, MissingFileGivesDefaultsAndIsCreatedByTheFirstWrite) {
    kvtest::TempFolder folder;
    ProfileFile profile(folder.File("settings.ini"), 1024);
    EXPECT_EQ(profile.ReadString("MainDlg", "WorkDir", "."), ".");
    EXPECT_EQ(profile.ReadInt("MainDlg", "DefSortBy", -1), -1);
    EXPECT_TRUE(profile.ReadBool("MainDlg", "AddInfo", true));
    EXPECT_TRUE(profile.DeleteKey("MainDlg", "WorkDir"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("settings.ini")));
    ASSERT_TRUE(profile.WriteBool("MainDlg", "AddInfo", false));
    EXPECT_EQ(kvtest::ReadText(folder.File("settings.ini")), "[MainDlg]\r\nAddInfo=0\r\n");
}

// A list needs every number or gives all defaults; bytes stop at a bad pair.
TEST(ProfileFile, NumbersListsAndBytesAreReadFromTheValuesText) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("n.ini"),
                      "[S]\nempty=\nword=abc\nlead=42 apples\nplus=+7\nbig=99999999999\n"
                      "small=-99999999999\nmin=-2147483648\nflag=7\noff=0\n"
                      "short=120, 150\nmixed= 10,,20.x:  -30, 40\n"
                      "lower=2c00\nbad=2G00\nodd=2C000\nlong=2C0000\n");
    ProfileFile profile(folder.File("n.ini"), 1024);
    const std::pair<const char*, int> ints[] = {
        {"empty", 5},     {"word", 0},        {"lead", 42},     {"plus", 7},
        {"big", INT_MAX}, {"small", INT_MIN}, {"min", INT_MIN},
    };
    for (const auto& [key, value] : ints)
        EXPECT_EQ(profile.ReadInt("S", key, 5), value) << key;
    EXPECT_TRUE(profile.ReadBool("S", "empty", true));
    EXPECT_FALSE(profile.ReadBool("S", "word", true));
    EXPECT_TRUE(profile.ReadBool("S", "flag", false));
    EXPECT_FALSE(profile.ReadBool("S", "off", true));

    const int defaults[4] = {1, 2, 3, 4};
    int target[4] = {9, 9, 9, 9};
    profile.ReadIntList("S", "short", defaults, target);
    EXPECT_THAT(target, ElementsAre(1, 2, 3, 4));
    profile.ReadIntList("S", "mixed", defaults, target); // a piece without digits reads as 0
    EXPECT_THAT(target, ElementsAre(10, 20, 0, -30));
    profile.ReadIntList("S", "missing", target, target); // defaults in the target's memory stay
    EXPECT_THAT(target, ElementsAre(10, 20, 0, -30));

    const unsigned char byteDefaults[2] = {0xAA, 0xBB};
    std::array<unsigned char, 2> bytes{1, 2};
    const std::pair<const char*, std::array<unsigned char, 2>> byteReads[] = {
        {"bad", {1, 2}},         {"odd", {0x2C, 0x00}},     {"long", {0xAA, 0xBB}},
        {"lower", {0x2C, 0x00}}, {"missing", {0xAA, 0xBB}},
    };
    for (const auto& [key, expected] : byteReads) {
        profile.ReadBytes("S", key, byteDefaults, bytes);
        EXPECT_EQ(bytes, expected) << key;
    }
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

// Replacing keeps the other lines (the settings store's and the profile text's tests).
TEST(ProfileFile, WritesThatFailLeaveTheFileUntouched) {
    kvtest::TempFolder folder;
    const std::string before = "; written by another program\r\n[Other]\r\nKey = Value \r\n";
    kvtest::WriteText(folder.File("p.ini"), before);
    ProfileFile profile(folder.File("p.ini"), 1024);
    EXPECT_FALSE(profile.WriteString("Other", "Key", "line\r\nbreak"));
    EXPECT_EQ(kvtest::ReadText(folder.File("p.ini")), before);

    ProfileFile nowhere(folder.File("no such folder/p.ini"), 1024);
    EXPECT_FALSE(nowhere.WriteString("S", "k", "v"));
    ProfileFile unnamed(1024);
    EXPECT_FALSE(unnamed.WriteString("S", "k", "v"));
    EXPECT_EQ(unnamed.ReadString("S", "k", "d"), "d");
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
// Half way beyond the file size limit, as on a full disc: no temporary file is left.
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
