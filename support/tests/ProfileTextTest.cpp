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
    const std::string head =
        "; cdplayer settings\r\n\r\n[Other]\nTitle=keep me\n\n[Disc]   ; remark\r\n";
    const std::string tail = "Foreign=x\r\n\r\n[Last]\r\nx=y";
    ProfileText text(head + "Title = Old title  \r\n" + tail);
    ASSERT_TRUE(text.SetValue("disc", "title", "New"));
    EXPECT_EQ(text.Content(), head + "Title = New\r\n" + tail);
    ASSERT_TRUE(text.SetValue("Disc", "Title", ""));
    EXPECT_EQ(text.Content(), head + "Title =\r\n" + tail);
}

// A text without a final line end keeps it that way until a section is added.
TEST(ProfileText, NewKeysAndSectionsAreAddedWhereTheyBelongWithTheTextsLineEnds) {
    const struct {
        const char* before;
        const char* section;
        const char* key;
        const char* after;
    } cases[] = {
        {"[A]\r\n; note\r\na=1\r\n; after\r\n\r\n\r\n[B]\nb=1\n", "A", "new",
         "[A]\r\n; note\r\na=1\r\nnew=v\r\n; after\r\n\r\n\r\n[B]\nb=1\n"},
        {"[A]\r\n[B]\nb=1\n", "B", "n2", "[A]\r\n[B]\nb=1\nn2=v\n"},
        {"[A]\n\n[B]\n", "A", "k", "[A]\nk=v\n\n[B]\n"},
        {"[A]\r\na=1", "A", "b", "[A]\r\na=1\r\nb=v"},
        {"[A]\r\na=1", "C", "c", "[A]\r\na=1\r\n[C]\r\nc=v\r\n"},
        {"", "S", "k", "[S]\r\nk=v\r\n"},
        {"[A]\na=1\n\n", "B", "k", "[A]\na=1\n\n[B]\nk=v\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        ProfileText text(c.before);
        ASSERT_TRUE(text.SetValue(c.section, c.key, "v"));
        EXPECT_EQ(text.Content(), c.after);
    }
}

TEST(ProfileText, WritesThatWouldBreakTheFileAreRefused) {
    const std::string before = "[A]\r\na=1\r\n";
    ProfileText text(before);
    const char* const refused[][3] = {
        {"A", "a", "two\r\n[Injected]"},
        {"A", "a", "cr\ronly"},
        {"A]B", "a", "x"},
        {"  ", "a", "x"},
        {"A", "a=b", "x"},
        {"A", "", "x"},
        {"A", "[k", "x"},
        {"A", ";k", "x"},
    };
    for (const auto& r : refused)
        EXPECT_FALSE(text.SetValue(r[0], r[1], r[2])) << r[0] << " " << r[1] << " " << r[2];
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
