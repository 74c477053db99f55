// Searching the record list with the search dialog and "Weitersuchen".
#include "core/win32/tests/TestListWindow.h"

#include "testkit/win32/ModalScript.h"

#include "support/win32/WinApp.h"

#include <gtest/gtest.h>

using namespace kvtest;
using zul::Windows::Dialog;

namespace {

class SearchTest : public testing::Test {
protected:
    void SetUp() override {
        ListSettings().DeleteSection(TestListWindow::Section);
        window.Open();
        list = window.View().List().Handle();
        kolvane::DiscEntry notes = Entry("Mahler");
        notes.Notes = "Zeile\r\nsteht \xDC"
                      "BER allem";
        kolvane::DiscEntry tracks = Entry("Berg");
        tracks.Tracks = "1. \xFC"
                        "ber Nacht";
        // Rows after sorting by artist: Adams, Berg, Cage, Mahler, Zappa.
        window.View().AppendAll({Entry("Zappa"), notes,
                                 Entry("Cage", "\xFC"
                                               "BERall"),
                                 tracks, Entry("Adams")},
                                false);
        ClickHeader(list, 0);
        ASSERT_EQ(ArtistColumn(list), "Adams,Berg,Cage,Mahler,Zappa");
    }

    // The search command, its dialog answered with text and direction.
    void Search(const std::string& text, bool down) {
        ModalScript script;
        script.Then([text, down](Dialog& d) {
            d.SetItemText(IDC_SEARCH_TEXT, text);
            ::SendDlgItemMessageA(d.Handle(), down ? IDC_SEARCH_DOWN : IDC_SEARCH_UP, BM_CLICK, 0,
                                  0);
            Press(d, IDOK);
        });
        Command(window.Handle(), IDM_SEARCH);
        EXPECT_TRUE(script.Finished());
    }

    TestListWindow window;
    HWND list = nullptr;
};

} // namespace

TEST_F(SearchTest, DownwardsFromNoFocusInDisplayOrderThenAgainUntilTheEnd) {
    ListView_SetItemState(list, 4, LVIS_SELECTED, LVIS_SELECTED);
    Search("\xFC"
           "ber",
           true);                   // über, ignoring case as code page 1252 does
    EXPECT_EQ(FocusedRow(list), 1); // Berg: tracks "über"
    EXPECT_EQ(SelectedRows(list), std::vector<int>{4}); // the selection stays
    EXPECT_EQ(window.SidePaneEntry(), 3); // Berg, the fourth entry
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 2); // Cage: title "üBERall"
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 3);            // Mahler: notes "ÜBER"
    Command(window.Handle(), IDM_SEARCH_NEXT); // no further match: only a beep
    EXPECT_EQ(FocusedRow(list), 3);
    EXPECT_EQ(window.View().FindNext("\xFC"
                                     "ber",
                                     true),
              0);
    EXPECT_EQ(FocusedRow(list), 3);
}

TEST_F(SearchTest, SecondSearchShowsThePreviousTextAndDirection) {
    Search("cage", false);
    EXPECT_EQ(FocusedRow(list), -1); // upwards without a focus finds nothing
    ModalScript script;
    script.Then([](Dialog& d) {
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT)), "cage");
        EXPECT_TRUE(d.IsItemChecked(IDC_SEARCH_UP));
        ::SendDlgItemMessageA(d.Handle(), IDC_SEARCH_DOWN, BM_CLICK, 0, 0);
        Press(d, IDOK);
    });
    Command(window.Handle(), IDM_SEARCH);
    EXPECT_EQ(FocusedRow(list), 2);
    EXPECT_TRUE(window.LastSearchDown());
}

TEST_F(SearchTest, CancelKeepsThePreviousTextForSearchAgain) {
    Search("a", true);
    EXPECT_EQ(FocusedRow(list), 0);
    {
        ModalScript script;
        script.Then([](Dialog& d) {
            d.SetItemText(IDC_SEARCH_TEXT, "zzz");
            Press(d, IDCANCEL);
        });
        Command(window.Handle(), IDM_SEARCH);
    }
    EXPECT_EQ(window.LastSearchText(), "a");
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 1); // "Berg": "über Nacht" has an a
}

TEST_F(SearchTest, EmptyTextIsStoredSearchesNothingAndDisablesSearchAgain) {
    Search("Zappa", true);
    EXPECT_EQ(FocusedRow(list), 4);
    EXPECT_TRUE(MenuEnabled(window.Handle(), IDM_SEARCH_NEXT));
    Search("", true);
    EXPECT_EQ(window.LastSearchText(), "");
    EXPECT_EQ(FocusedRow(list), 4);
    EXPECT_FALSE(MenuEnabled(window.Handle(), IDM_SEARCH_NEXT));
    ModalScript none; // search again opens nothing and does nothing
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 4);
}

TEST_F(SearchTest, UpwardsFromTheLastRowAndNoDialogOnAnEmptyList) {
    ListView_SetItemState(list, 4, LVIS_FOCUSED, LVIS_FOCUSED);
    Search("e", false);
    EXPECT_EQ(FocusedRow(list), 3); // Mahler
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 2); // Cage
    window.View().Clear();
    ModalScript none; // no dialog on an empty list
    Command(window.Handle(), IDM_SEARCH);
    EXPECT_TRUE(none.Seen().empty());
}

TEST_F(SearchTest, UmlautsMatchInEitherCaseAndSharpSStaysItself) {
    window.View().Clear();
    kolvane::DiscEntry street = Entry("Kraftwerk", "Autobahn");
    street.Tracks = "1. Stra\xDF"
                    "e";
    window.View().AppendAll({Entry("Die \xC4rzte"), street, Entry("\xE4rger")}, false);
    // Rows in entry order: no sort is in force after Clear.
    ASSERT_EQ(ArtistColumn(list), "Die \xC4rzte,Kraftwerk,\xE4rger");
    EXPECT_EQ(window.View().FindNext("\xE4RZTE", true), 1); // ä finds Ä
    EXPECT_EQ(FocusedRow(list), 0);
    EXPECT_EQ(window.View().FindNext("\xC4rger", true), 1); // Ä finds ä
    EXPECT_EQ(FocusedRow(list), 2);
    ListView_SetItemState(list, 2, 0, LVIS_FOCUSED);
    EXPECT_EQ(window.View().FindNext("STRASSE", true), 0); // ß is not SS
    EXPECT_EQ(FocusedRow(list), -1);
    EXPECT_EQ(window.View().FindNext("STRA\xDF"
                                     "E",
                                     true),
              1);
    EXPECT_EQ(FocusedRow(list), 1);
    // From the last match downwards there is none left, and the search does
    // not start again at the top.
    EXPECT_EQ(window.View().FindNext("kraftwerk", true), 0);
    EXPECT_EQ(FocusedRow(list), 1);
}
