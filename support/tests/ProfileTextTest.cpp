#include "support/ProfileText.h"

#include <gtest/gtest.h>

using zul::ProfileText;

namespace {

std::string Value(const ProfileText& text, const char* section, const char* key) {
    std::string value;
    return text.Find(section, key, value) ? value : "<missing>";
}

} // namespace

TEST(ProfileText, LookupIgnoresCaseBlanksQuotesAndTextAfterBracket) {
    ProfileText text("top=1\r\n"
                     "[ Disc ] trailing words\r\n"
                     "  Title  =  \"Quoted Value\"  \r\n"
                     "Artist='x'\n"
                     "Half=\"open\n"
                     "; Comment=not a key\r\n"
                     "Empty=\r\n");
    EXPECT_EQ(Value(text, "disc", "TITLE"), "Quoted Value");
    EXPECT_EQ(Value(text, " DISC ", "artist"), "x");
    EXPECT_EQ(Value(text, "Disc", "Half"), "\"open");
    EXPECT_EQ(Value(text, "Disc", "Empty"), "");
    EXPECT_EQ(Value(text, "Disc", "; Comment"), "<missing>");
    EXPECT_EQ(Value(text, "Disc", "top"), "<missing>"); // lies before any section
    EXPECT_EQ(Value(text, "Other", "Title"), "<missing>");
}

TEST(ProfileText, FirstOfDuplicateSectionsAndKeysCountsForReadAndWrite) {
    ProfileText text("[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(Value(text, "A", "k"), "1");
    EXPECT_EQ(Value(text, "A", "j"), "<missing>");
    ASSERT_TRUE(text.SetValue("A", "K", "9"));
    ASSERT_TRUE(text.SetValue("A", "j", "5"));
    EXPECT_EQ(text.Content(), "[A]\r\nk=9\r\nk=2\r\nj=5\r\n[a]\r\nk=3\r\nj=4\r\n");
}

TEST(ProfileText, ReplacingAValueKeepsEveryOtherByte) {
    const std::string before = "; cdplayer settings\r\n"
                               "\r\n"
                               "[Other]\n"
                               "Title=keep me\n"
                               "\n"
                               "[Disc]   ; remark\r\n"
                               "Title = Old title  \r\n"
                               "Foreign=x\r\n"
                               "\r\n"
                               "[Last]\r\n"
                               "x=y";
    ProfileText text(before);
    ASSERT_TRUE(text.SetValue("disc", "title", "New"));
    EXPECT_EQ(text.Content(), "; cdplayer settings\r\n"
                              "\r\n"
                              "[Other]\n"
                              "Title=keep me\n"
                              "\n"
                              "[Disc]   ; remark\r\n"
                              "Title = New\r\n"
                              "Foreign=x\r\n"
                              "\r\n"
                              "[Last]\r\n"
                              "x=y");
    ASSERT_TRUE(text.SetValue("Disc", "Title", ""));
    EXPECT_NE(text.Content().find("\r\nTitle =\r\n"), std::string::npos);
}

TEST(ProfileText, NewKeyGoesBehindLastKeyLineOfItsSection) {
    ProfileText text("[A]\r\n; note\r\na=1\r\n; after\r\n\r\n\r\n[B]\nb=1\n");
    ASSERT_TRUE(text.SetValue("A", "new", "v"));
    ASSERT_TRUE(text.SetValue("B", "n2", "w"));
    EXPECT_EQ(text.Content(),
              "[A]\r\n; note\r\na=1\r\nnew=v\r\n; after\r\n\r\n\r\n[B]\nb=1\nn2=w\n");

    ProfileText headerOnly("[A]\n\n[B]\n");
    ASSERT_TRUE(headerOnly.SetValue("A", "k", "v"));
    EXPECT_EQ(headerOnly.Content(), "[A]\nk=v\n\n[B]\n");
}

TEST(ProfileText, TextWithoutFinalLineEndStaysWithoutOne) {
    ProfileText text("[A]\r\na=1");
    ASSERT_TRUE(text.SetValue("A", "b", "2"));
    EXPECT_EQ(text.Content(), "[A]\r\na=1\r\nb=2");
    ASSERT_TRUE(text.SetValue("C", "c", "3"));
    EXPECT_EQ(text.Content(), "[A]\r\na=1\r\nb=2\r\n[C]\r\nc=3\r\n");
}

TEST(ProfileText, NewSectionIsAppendedWithTheTextsLineEnds) {
    ProfileText empty;
    ASSERT_TRUE(empty.SetValue("S", "k", "v"));
    EXPECT_EQ(empty.Content(), "[S]\r\nk=v\r\n");

    ProfileText unix("[A]\na=1\n\n");
    ASSERT_TRUE(unix.SetValue("B", "k", "v"));
    EXPECT_EQ(unix.Content(), "[A]\na=1\n\n[B]\nk=v\n");
}

TEST(ProfileText, WritesThatWouldBreakTheFileAreRefused) {
    const std::string before = "[A]\r\na=1\r\n";
    ProfileText text(before);
    EXPECT_FALSE(text.SetValue("A", "a", "two\r\n[Injected]"));
    EXPECT_FALSE(text.SetValue("A", "a", "cr\ronly"));
    EXPECT_FALSE(text.SetValue("A]B", "a", "x"));
    EXPECT_FALSE(text.SetValue("  ", "a", "x"));
    EXPECT_FALSE(text.SetValue("A", "a=b", "x"));
    EXPECT_FALSE(text.SetValue("A", "", "x"));
    EXPECT_FALSE(text.SetValue("A", "[k", "x"));
    EXPECT_FALSE(text.SetValue("A", ";k", "x"));
    EXPECT_EQ(text.Content(), before);
    EXPECT_TRUE(text.SetValue("A", "a", "x = y \"z\""));
}

TEST(ProfileText, DeleteRemovesOnlyTheKeyLineOrTheSectionsLines) {
    ProfileText text("[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nc=3\r\n\r\n[C]\r\nd=4");
    text.DeleteKey("a", "B");
    EXPECT_EQ(text.Content(), "[A]\r\na=1\r\n\r\n[B]\r\nc=3\r\n\r\n[C]\r\nd=4");
    text.DeleteSection("b");
    EXPECT_EQ(text.Content(), "[A]\r\na=1\r\n\r\n[C]\r\nd=4");
    text.DeleteKey("C", "d");
    text.DeleteKey("Missing", "d");
    text.DeleteSection("Missing");
    EXPECT_EQ(text.Content(), "[A]\r\na=1\r\n\r\n[C]\r\n");
}
