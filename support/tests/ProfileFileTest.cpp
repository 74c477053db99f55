#include "support/ProfileFile.h"

#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <climits>

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
