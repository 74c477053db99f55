#include "core/Collection.h"

#include "resources/resource.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

using namespace kolvane;
using kvtest::Entries;
using kvtest::Entry;

namespace {

std::string Artists(const DiscCollection& entries) {
    std::string text;
    for (const DiscEntry& e : entries)
        text += (text.empty() ? "" : ",") + e.Artist;
    return text;
}

std::string Rows(const Collection& c) {
    DiscCollection shown;
    c.CollectAll(shown);
    return Artists(shown);
}

std::string EntryOrder(const Collection& c) {
    return Artists(c.Entries());
}

} // namespace

TEST(Collection, RowsFollowTheSortInForceAndTheEntriesKeepTheirOrder) {
    Collection c;
    c.AppendAll({Entry("Cage"), Entry("Adams"), Entry("Berio"), Entry("adams", "b")});
    EXPECT_EQ(Rows(c), "Cage,Adams,Berio,adams");
    EXPECT_TRUE(c.SortColumnClicked(ArtistColumn));
    EXPECT_EQ(Rows(c), "Adams,adams,Berio,Cage");
    EXPECT_EQ(c.EntryIndexAt(0), 1u);
    EXPECT_EQ(c.EntryIndexAt(3), 0u);
    EXPECT_EQ(c.EntryIndexAt(4), 4u); // past the rows: no entry
    EXPECT_EQ(c.RowOfEntry(2), 2);
    EXPECT_EQ(c.RowOfEntry(9), -1);
    EXPECT_FALSE(c.SortColumnClicked(DiscEntry::FieldCount - 2)); // tracks: no column
    c.SortColumnClicked(ArtistColumn);
    EXPECT_EQ(Rows(c), "Cage,Berio,adams,Adams");

    c.SetModified(false);
    EXPECT_TRUE(c.Replace(0, Entry("Abel")));
    EXPECT_TRUE(c.IsModified());
    EXPECT_EQ(Rows(c), "Berio,adams,Adams,Abel");
    EXPECT_TRUE(c.SetField(3, ArtistColumn, "Zender"));
    EXPECT_EQ(Rows(c), "Zender,Berio,adams,Adams");
    EXPECT_EQ(EntryOrder(c), "Zender,Adams,Berio,adams");
    EXPECT_TRUE(c.SetTracks(3, "1. x"));
    EXPECT_TRUE(c.SetNotes(0, "note"));
    EXPECT_EQ(Rows(c), "Zender,Berio,adams,Adams");
    EXPECT_EQ(c.Entries()[1].Tracks, "1. x");
    EXPECT_EQ(c.Entries()[0].Notes, "note");

    c.SetModified(false);
    EXPECT_FALSE(c.Replace(4, Entry("x")));
    EXPECT_FALSE(c.SetField(-1, ArtistColumn, "x"));
    EXPECT_FALSE(c.SetField(0, Collection::ColumnCount, "x"));
    EXPECT_FALSE(c.SetTracks(4, "x"));
    EXPECT_FALSE(c.SetNotes(-1, "x"));
    EXPECT_FALSE(c.IsModified());
    EXPECT_EQ(EntryOrder(c), "Zender,Adams,Berio,adams");
}

TEST(Collection, AddingAndCollectingFollowTheSortInForceWithItsTieBreak) {
    Collection c;
    c.AppendAll({Entry("b", "x", "1990"), Entry("a"), Entry("b", "y", "2001")});
    c.SortColumnClicked(ArtistColumn);
    c.SortColumnClicked(ArtistColumn); // descending
    c.Add(Entry("b", "z", "1995"));
    // Artist descending, equal artists by year in the same direction.
    EXPECT_EQ(c.GetAt(0).Year + "," + c.GetAt(1).Year + "," + c.GetAt(2).Year, "2001,1995,1990");
    EXPECT_EQ(c.EntryIndexAt(1), 3u);
    EXPECT_EQ(c.GetAt(3).Artist, "a");
    EXPECT_TRUE(c.GetAt(4).IsEmpty()); // past the rows

    DiscCollection picked(1);
    EXPECT_EQ(c.CollectRows(IndexArray{0, 3, 4}, picked), 2);
    ASSERT_EQ(picked.size(), 3u); // appended behind what was there
    EXPECT_EQ(picked[1].Year + picked[2].Artist, "2001a");
}

TEST(Collection, DeletingRowsRemovesTheEntriesShownThere) {
    Collection c;
    c.AppendAll(Entries({"e0", "e1", "e2", "e3", "e4"}));
    c.SetModified(false);
    c.DeleteRows(IndexArray{0, 2});
    EXPECT_EQ(Rows(c), "e1,e3,e4");
    EXPECT_TRUE(c.IsModified());

    c.AppendAll(Entries({"d", "b"}));
    c.SortColumnClicked(ArtistColumn);       // b d e1 e3 e4
    c.DeleteRows(IndexArray{4, 0, 2, 4, 7}); // e4, b, e1; repeated and past the end ignored
    EXPECT_EQ(Rows(c), "d,e3");
    EXPECT_EQ(EntryOrder(c), "e3,d");

    // An edit leaves ties in their rows; a deletion lays them out anew in
    // entry order, in either direction.
    for (int clicks = 1; clicks <= 2; ++clicks) {
        Collection t;
        t.AppendAll({Entry("b", "", "", "", "first"), Entry("a", "", "", "", "second"),
                     Entry("c"), Entry("a", "", "", "", "third")});
        for (int i = 0; i < clicks; ++i)
            t.SortColumnClicked(ArtistColumn);
        t.SetField(t.RowOfEntry(0), ArtistColumn, "a"); // ties with "second" and "third"
        t.DeleteRows(IndexArray{static_cast<std::uint32_t>(t.RowOfEntry(2))});
        std::string tracks;
        for (int row = 0; row < t.RowCount(); ++row)
            tracks += t.GetAt(row).Tracks + ",";
        EXPECT_EQ(tracks, "first,second,third,") << clicks;
    }
}

// Every field, umlauts in either case as code page 1252 maps them, line
// breaks as characters; from the row after the focus, without wrap-around.
TEST(Collection, SearchWalksTheRowsInDisplayOrder) {
    const std::string uber = "\xFC" "ber";
    Collection c;
    c.AppendAll({Entry("\xE4rger"), Entry("Mahler", "", "", "", "", "eins\r\nsteht \xDC" "BER"),
                 Entry("Berg", "", "", "", "1. Stra\xDF" "e"), Entry("Adams", "\xDC" "BER alles")});
    c.SortColumnClicked(ArtistColumn); // Adams, Berg, Mahler, ärger
    EXPECT_EQ(c.FindRow(uber, -1, true), 0);
    EXPECT_EQ(c.FindRow(uber, 0, true), 2);
    EXPECT_EQ(c.FindRow(uber, 2, true), -1); // no wrap-around
    EXPECT_EQ(c.FindRow(uber, 2, false), 0);
    EXPECT_EQ(c.FindRow("\xC4RGER", -1, true), 3);
    EXPECT_EQ(c.FindRow("eins\r\nSTEHT", -1, true), 2);
    EXPECT_EQ(c.FindRow("stra\xDF", -1, true), 1);
    EXPECT_EQ(c.FindRow("strasse", -1, true), -1);
    EXPECT_EQ(c.FindRow("a", -1, false), -1);
    EXPECT_EQ(c.FindRow("a", 3, true), -1);
    EXPECT_EQ(c.FindRow("a", 0, false), -1);
}

TEST(Collection, TheNativeFileAndTheModifiedFlag) {
    kvtest::TempFolder folder;
    const std::string path = folder.File("discs.kvd");
    kvtest::RecordingReporter reporter;
    Collection c;
    c.AppendAll(Entries({"b", "a"}));
    EXPECT_EQ(c.SaveNativeFile(folder.File("missing/discs.kvd"), reporter), 0);
    EXPECT_TRUE(c.IsModified()); // not written: still modified
    EXPECT_EQ(c.SaveNativeFile(path, reporter), 1);
    EXPECT_FALSE(c.IsModified());

    // A load clears and puts the default sort into force; setting it does not.
    Collection loaded;
    loaded.AppendAll(Entries({"z", "before"}));
    loaded.SetDefaultSort(ArtistColumn, 0);
    EXPECT_EQ(Rows(loaded), "z,before");
    EXPECT_EQ(loaded.Sort().column, NoColumn);
    EXPECT_EQ(loaded.LoadNativeFile(path, reporter), 1);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(Rows(loaded), "b,a");
    loaded.SortColumnClicked(ArtistColumn); // a click on the default column reverses it
    EXPECT_EQ(Rows(loaded), "a,b");
    EXPECT_EQ(EntryOrder(loaded), "b,a");

    loaded.Add(Entry("x"));
    EXPECT_EQ(loaded.LoadNativeFile(folder.File("none.kvd"), reporter), 0);
    EXPECT_EQ(loaded.RowCount(), 0);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(reporter.errors, (std::vector<int>{IDS_ERR_012, IDS_ERR_008}));
}
