// The settings dialog on its own and as the main window runs it with Ctrl+E.
#include "app/SettingsDialog.h"
#include "app/tests/MainWindowTest.h"
#include "support/win32/Controls.h"

using kolvane::SettingsDialog;
using kolvane::SettingsValues;
using kvtest::ModalScript;
using zul::Windows::ComboBox;
using zul::Windows::Dialog;

namespace {

constexpr int SortBy = IDC_SETTINGS_SORT_BY;
constexpr int Direction = IDC_SETTINGS_SORT_DIRECTION;

HWND ItemOf(Dialog& d, int id) {
    return ::GetDlgItem(d.Handle(), id);
}

// The eight check boxes as "10110100", in the order of SettingsDialog::Switches.
std::string Ticks(Dialog& d) {
    std::string ticks;
    for (const SettingsDialog::Switch& s : SettingsDialog::Switches)
        ticks += d.IsItemChecked(s.checkBoxId) ? '1' : '0';
    return ticks;
}
std::string Ticks(SettingsValues values) {
    std::string ticks;
    for (const SettingsDialog::Switch& s : SettingsDialog::Switches)
        ticks += s.value(values) ? '1' : '0';
    return ticks;
}
void SetTicks(SettingsValues& values, const std::string& ticks) {
    for (size_t i = 0; i < ticks.size(); ++i)
        SettingsDialog::Switches[i].value(values) = ticks[i] == '1';
}
void ClickEveryBox(Dialog& d) {
    for (const SettingsDialog::Switch& s : SettingsDialog::Switches)
        kvtest::Press(d, s.checkBoxId);
}
// A key pressed in a combo box, which tells the dialog of a new selection.
void KeyInto(Dialog& d, int comboId, UINT key) {
    ::SetFocus(ItemOf(d, comboId));
    kvtest::PressKey(d, key);
}

// A stored flag as "1", "0", or "-" when there is none.
std::string Stored(zul::SettingsStore& store, const char* section, const char* key) {
    if (!store.OpenSection(section))
        return "?";
    const bool whenMissingTrue = store.GetBool(key, true);
    const bool whenMissingFalse = store.GetBool(key, false);
    store.CloseSection();
    return whenMissingTrue != whenMissingFalse ? "-" : whenMissingTrue ? "1" : "0";
}
} // namespace

// The sort column shown clamped; "<keine>" disables the direction and gives
// ascending back whatever the direction box shows; each box gives its value.
TEST(SettingsDialog, ShowsTheValuesClampedAndHandsBackWhatWasChosen) {
    struct Case {
        int column;
        bool ascending;
        const char* ticks;
        int shown;        // item of the sort box
        int chosenWithUp; // after the Up key
        int columnBack;   // after OK
        bool ascendingBack;
    };
    const Case cases[] = {
        {7, false, "10110100", 4, 3, 2, false},
        {-5, false, "01001011", 0, 0, -1, true},
        {1, true, "11111111", 2, 1, 0, true},
        {0, false, "00000000", 1, 0, -1, true},
    };
    for (const Case& c : cases) {
        SettingsDialog dialog;
        dialog.Values().mainList.defSortBy = c.column;
        dialog.Values().mainList.defSortUp = c.ascending;
        SetTicks(dialog.Values(), c.ticks);
        ModalScript script;
        script.Then([&](Dialog& d) {
            const ComboBox sortBy(ItemOf(d, SortBy));
            const ComboBox direction(ItemOf(d, Direction));
            ASSERT_EQ(sortBy.Count(), 5);
            EXPECT_EQ(sortBy.ItemText(0), "<keine>");
            ASSERT_EQ(direction.Count(), 2);
            EXPECT_EQ(sortBy.Selection(), c.shown) << c.column;
            EXPECT_EQ(direction.Selection(), c.ascending ? 0 : 1);
            EXPECT_EQ(direction.IsEnabled(), c.shown != 0) << c.column;
            EXPECT_EQ(Ticks(d), c.ticks);
            EXPECT_EQ(::GetFocus(), ItemOf(d, IDOK));

            KeyInto(d, SortBy, VK_UP);
            EXPECT_EQ(sortBy.Selection(), c.chosenWithUp);
            EXPECT_EQ(direction.IsEnabled(), c.chosenWithUp != 0);
            ClickEveryBox(d);
            kvtest::Press(d, IDOK);
        });
        EXPECT_EQ(zul::Windows::WinApp::Current()->RunModal(dialog), IDOK);
        EXPECT_EQ(dialog.Values().mainList.defSortBy, c.columnBack) << c.column;
        EXPECT_EQ(dialog.Values().mainList.defSortUp, c.ascendingBack) << c.column;
        std::string flipped = c.ticks;
        for (char& t : flipped)
            t = t == '1' ? '0' : '1';
        EXPECT_EQ(Ticks(dialog.Values()), flipped);
    }
}

namespace {

class SettingsCommandTest : public MainWindowTest {
protected:
    void Open() { Show(kvtest::Entries({"Cream", "Abba", "Beatles"})); }
    // What the main window shows of the dialog's values, as "sort direction ticks".
    std::string MainState() {
        SettingsValues v;
        v.mainList.defSortBy = main.View().DefaultSortColumn();
        v.mainList.defSortUp = main.View().DefaultSortAscending() != 0;
        v.mainOwn.confirmDelete = main.AsksBeforeDelete();
        v.mainOwn.hotEdit = main.HotEditOn() && main.TracksEdit().IsEnabled() &&
                            main.NotesEdit().IsEnabled() &&
                            kvtest::MenuChecked(main.Handle(), IDM_HOT_EDIT);
        v.mainList.addInfo = main.ShowsSidePane() && ::IsWindowVisible(main.TracksEdit().Handle());
        v.importList.addInfo = false;
        v.mainList.dragDraw = main.SplitterV().Outline() == 0 && main.SplitterH().Outline() == 0;
        v.mainList.grid =
            main.ShowsGrid() && (ListView_GetExtendedListViewStyle(List()) & LVS_EX_GRIDLINES);
        v.importList.grid = false;
        v.mainOwn.showButtons =
            main.ShowsButtons() &&
            ::IsWindowVisible(::GetDlgItem(main.Handle(), kolvane::MainDialog::CloseButtonId));
        return std::to_string(v.mainList.defSortBy) + (v.mainList.defSortUp ? " up " : " down ") +
               Ticks(v);
    }
    std::string StoredImport() {
        using kolvane::ImportWindowSection;
        return Stored(*store, ImportWindowSection, "AddInfo") +
               Stored(*store, ImportWindowSection, "Grid") +
               Stored(*store, ImportWindowSection, "DragDraw");
    }
};
} // namespace

// The import window's switches come from and go to its section.
TEST_F(SettingsCommandTest, CtrlEShowsTheStateCancelChangesNothingAndOkPutsEveryValueInForce) {
    ASSERT_TRUE(store->OpenSection(kolvane::ImportWindowSection));
    store->PutBool("AddInfo", false);
    store->CloseSection();
    Open();
    const RECT listBefore = zul::Windows::Window(List()).RectInParent();

    ModalScript script;
    script.Then([](Dialog& d) {
        KeyInto(d, SortBy, VK_END);
        KeyInto(d, Direction, VK_DOWN);
        ClickEveryBox(d);
        kvtest::Press(d, IDCANCEL);
    });
    kvtest::Command(main.Handle(), IDM_SETTINGS);
    EXPECT_EQ(MainState(), "-1 up 11101100");
    EXPECT_EQ(StoredImport(), "0--");
    EXPECT_FALSE(main.View().IsModified());

    script.Then([](Dialog& d) {
        EXPECT_EQ(Ticks(d), "11101110");
        KeyInto(d, SortBy, VK_DOWN);    // "nach Interpret"
        KeyInto(d, Direction, VK_DOWN); // "absteigend"
        ClickEveryBox(d);
        kvtest::Press(d, IDOK);
    });
    kvtest::PressKey(main, 'E', kvtest::Ctrl);

    EXPECT_EQ(MainState(), "0 down 00000001");
    EXPECT_EQ(kvtest::ArtistColumn(List()), "Cream,Abba,Beatles") << "the default waits for a load";
    EXPECT_FALSE(kvtest::MenuChecked(main.Handle(), IDM_SIDE_PANE));
    EXPECT_FALSE(kvtest::MenuChecked(main.Handle(), IDM_GRID));
    EXPECT_TRUE(kvtest::MenuChecked(main.Handle(), IDM_BUTTONS));
    const RECT listAfter = zul::Windows::Window(List()).RectInParent();
    EXPECT_GT(listAfter.right, listBefore.right) << "the list took the side pane's place";
    EXPECT_LT(listAfter.bottom, listBefore.bottom) << "and left room for the buttons";
    EXPECT_EQ(StoredImport(), "100");

    // The button row off again: the list takes its room back.
    script.Then([](Dialog& d) {
        kvtest::Press(d, IDC_SETTINGS_MAIN_BUTTONS);
        kvtest::Press(d, IDOK);
    });
    kvtest::PressKey(main, 'E', kvtest::Ctrl);
    EXPECT_FALSE(main.ShowsButtons());
    EXPECT_GT(zul::Windows::Window(List()).RectInParent().bottom, listAfter.bottom);
}
