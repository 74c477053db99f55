#include "core/win32/tests/TestListWindow.h"

#include "testkit/win32/ModalScript.h"

using namespace kvtest;
using zul::Windows::Dialog;

namespace {

class SearchTest : public ListWindowTest {
protected:
    void SetUp() override {
        ListWindowTest::SetUp();
        // Rows after sorting by artist: Adams, Berg, Cage, Mahler, Zappa.
        window.View().AppendAll({Entry("Zappa"), Entry("Mahler"), Entry("Cage"),
                                 Entry("Berg", "", "", "", "1. Nacht"), Entry("Adams")},
                                false);
        ClickHeader(list, 0);
    }

    static ModalScript::DialogAction Answer(const std::string& text, bool down, int button = IDOK) {
        return [=](Dialog& d) {
            d.SetItemText(IDC_SEARCH_TEXT, text);
            const int direction = down ? IDC_SEARCH_DOWN : IDC_SEARCH_UP;
            ::SendDlgItemMessageA(d.Handle(), direction, BM_CLICK, 0, 0);
            Press(d, button);
        };
    }
    void Search(const std::string& text, bool down) {
        ModalScript script;
        script.Then(Answer(text, down));
        Command(window.Handle(), IDM_SEARCH);
    }
};

} // namespace

// The dialog shows the previous search; Cancel keeps it for "Weitersuchen".
TEST_F(SearchTest, TheDialogShowsThePreviousSearchAndCancelKeepsIt) {
    ModalScript script;
    script.Then([&](Dialog& d) {
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT)), "");
        EXPECT_TRUE(d.IsItemChecked(IDC_SEARCH_DOWN));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT));
        Answer("cage", false)(d);
    });
    Command(window.Handle(), IDM_SEARCH);
    EXPECT_EQ(FocusedRow(list), -1); // upwards without a focus finds nothing
    script.Then([&](Dialog& d) {
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT)), "cage");
        EXPECT_TRUE(d.IsItemChecked(IDC_SEARCH_UP));
        Answer("a", true)(d);
    });
    Command(window.Handle(), IDM_SEARCH);
    EXPECT_EQ(FocusedRow(list), 0);
    script.Then(Answer("zzz", false, IDCANCEL));
    Command(window.Handle(), IDM_SEARCH);
    EXPECT_EQ(window.LastSearchText(), "a");
    EXPECT_TRUE(window.LastSearchDown());
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 1); // "Berg": its track "Nacht" has an a
}

TEST_F(SearchTest, EmptyTextIsStoredSearchesNothingAndDisablesSearchAgain) {
    Search("Zappa", true);
    EXPECT_EQ(FocusedRow(list), 4);
    EXPECT_TRUE(MenuEnabled(window.Handle(), IDM_SEARCH_NEXT));
    Search("", true);
    EXPECT_EQ(window.LastSearchText(), "");
    EXPECT_EQ(FocusedRow(list), 4);
    EXPECT_FALSE(MenuEnabled(window.Handle(), IDM_SEARCH_NEXT));
    ModalScript none; // opens nothing
    Command(window.Handle(), IDM_SEARCH_NEXT);
    EXPECT_EQ(FocusedRow(list), 4);
}
