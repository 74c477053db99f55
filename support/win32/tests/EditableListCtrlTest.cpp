#include "support/win32/EditableListCtrl.h"

#include "testkit/win32/Input.h"
#include "testkit/win32/TestParent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using kvtest::CellText;
using kvtest::Click;
using kvtest::Drain;
using kvtest::Key;
using kvtest::PumpUntil;
using kvtest::TestParent;
using kvtest::Type;
using zul::Windows::EditableListCtrl;
using zul::Windows::EditorDescriptor;
using zul::Windows::Window;

namespace {

const std::vector<std::vector<std::string>> Texts{
    {"Abba", "Arrival", "1976", "a1"},
    {"Beatles", "Revolver", "1966", "b2"},
    {"Cream", "Disraeli Gears", "1967", "c3"},
};

class EditableList : public testing::Test {
protected:
    void SetUp() override {
        // Icon view and system label editing to begin with: attaching must change both.
        list = ::CreateWindowExA(0, WC_LISTVIEWA, "",
                                 WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_ICON |
                                     LVS_SHOWSELALWAYS | LVS_EDITLABELS,
                                 10, 10, 420, 200, parent.Handle(), reinterpret_cast<HMENU>(1000),
                                 nullptr, nullptr);
        ASSERT_NE(list, nullptr);
        ::SendMessageA(list, WM_SETFONT,
                       reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        ASSERT_TRUE(control.Attach(list));
        const std::tuple<const char*, int, int> columns[] = {{"Interpret", 120, LVCFMT_LEFT},
                                                             {"Titel", 150, LVCFMT_LEFT},
                                                             {"Jahr", 60, LVCFMT_RIGHT},
                                                             {"ID", 70, LVCFMT_CENTER}};
        for (int i = 0; i < 4; ++i) {
            const auto& [name, width, format] = columns[i];
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.fmt = format;
            column.cx = width;
            column.pszText = const_cast<char*>(name);
            ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
        for (int item = 0; item < static_cast<int>(Texts.size()); ++item) {
            for (int column = 0; column < 4; ++column) {
                LVITEMA row{};
                row.mask = LVIF_TEXT;
                row.iItem = item;
                row.iSubItem = column;
                row.pszText = const_cast<char*>(Texts[item][column].c_str());
                ::SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                               reinterpret_cast<LPARAM>(&row));
            }
        }
        Drain();
    }

    RECT CellRect(int item, int column) const {
        RECT rect{};
        ListView_GetSubItemRect(list, item, column, LVIR_BOUNDS, &rect);
        if (column == 0)
            rect.right = rect.left + ListView_GetColumnWidth(list, 0);
        return rect;
    }

    // A real click into the visible part of the cell; waits for the list's click notification.
    void ClickCell(int item, int column) {
        RECT cell = CellRect(item, column);
        RECT client{};
        ::GetClientRect(list, &client);
        cell.left = std::max(cell.left, client.left);
        cell.right = std::min(cell.right, client.right);
        const int clicks = parent.Count(NM_CLICK);
        Click(parent.ToScreen(list, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2}));
        EXPECT_TRUE(PumpUntil([&] { return parent.Count(NM_CLICK) > clicks; }, 3000, keys));
    }

    HWND Editor() const { return ::FindWindowExA(list, nullptr, "Edit", nullptr); }

    // One click when the item is already the one clicked before, else two.
    HWND OpenEditor(int item, int column) {
        ClickCell(item, column);
        if (Editor() == nullptr)
            ClickCell(item, column);
        return Editor();
    }

    void Press(WORD key) {
        Key(key);
        Drain(keys);
    }

    TestParent parent{500, 300};
    HWND list = nullptr;
    EditableListCtrl control;
    // A plain dialog loop: the editor must get the dialog keys even here (WM_GETDLGCODE); the
    // program's own dialogs route them to it first (the main window's tests).
    kvtest::PreTranslate keys = [this](MSG& message) {
        return ::IsDialogMessageA(parent.Handle(), &message) != FALSE;
    };
};

} // namespace

TEST_F(EditableList, ColumnWidthsAreWrittenAndReadAsIntArrays) {
    using Widths = std::vector<int>;
    const int stored[] = {80, 200, 45, 0x10000 + 90}; // each width is taken as 16 bits
    EXPECT_TRUE(control.SetColumnWidths(stored, 4));
    int widths[8] = {};
    EXPECT_TRUE(control.GetColumnWidths(widths, 4));
    EXPECT_EQ(Widths(widths, widths + 5), (Widths{80, 200, 45, 90, 0}));
    EXPECT_TRUE(control.GetColumnWidths(widths, -1)); // every column, nothing behind
    EXPECT_EQ(Widths(widths, widths + 6), (Widths{80, 200, 45, 90, 0, 0}));
    EXPECT_FALSE(control.GetColumnWidths(widths, 0));

    // Setting stops at the first column that is not there; those before keep their width.
    const int five[] = {61, 62, 63, 64, 65};
    EXPECT_FALSE(control.SetColumnWidths(five, 5));
    EXPECT_TRUE(control.GetColumnWidths(widths, 4));
    EXPECT_EQ(Widths(widths, widths + 4), (Widths{61, 62, 63, 64}));
    for (int column = 3; column >= 0; --column)
        ListView_DeleteColumn(list, column);
    EXPECT_FALSE(control.GetColumnWidths(widths, -1));
}

TEST_F(EditableList, FirstClickSelectsSecondClickEditsTheClickedCell) {
    ClickCell(1, 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(kvtest::SelectedRows(list), std::vector<int>{1});
    ClickCell(1, 2);
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Window(editor).GetText(), "1966");
    EXPECT_EQ(::GetFocus(), editor);
    const RECT cell = CellRect(1, 2);
    const RECT placed = Window(editor).RectInParent();
    EXPECT_TRUE(::EqualRect(&placed, &cell));
    EXPECT_EQ(::SendMessageA(editor, EM_GETSEL, 0, 0), 0) << "no text selected, caret at the start";
    const LONG_PTR style = ::GetWindowLongPtrA(editor, GWL_STYLE);
    EXPECT_EQ(style & (ES_RIGHT | ES_CENTER | ES_AUTOHSCROLL), ES_RIGHT | ES_AUTOHSCROLL);
    ::UpdateWindow(editor);
    HDC dc = ::GetDC(editor);
    const COLORREF edge = ::GetPixel(dc, 0, (placed.bottom - placed.top) / 2);
    const COLORREF inside = ::GetPixel(dc, (placed.right - placed.left) / 2, 1);
    ::ReleaseDC(editor, dc);
    EXPECT_NE(edge, inside) << "the editor has a border";
    EXPECT_EQ(::GetDlgCtrlID(editor), 1);
    EXPECT_EQ(::SendMessageA(editor, WM_GETFONT, 0, 0), ::SendMessageA(list, WM_GETFONT, 0, 0));
    EXPECT_EQ(kvtest::SelectedRows(list), std::vector<int>{1});

    Press(VK_ESCAPE);
    ASSERT_NE(OpenEditor(1, 3), nullptr);
    EXPECT_EQ(::GetWindowLongPtrA(Editor(), GWL_STYLE) & (ES_RIGHT | ES_CENTER), ES_CENTER);
}

// Enter and Delete reach the editor, not the dialog; a cell partly out of view is scrolled in.
TEST_F(EditableList, EnterStoresTheTextAndACellOutOfViewIsScrolledIn) {
    HWND editor = OpenEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    Type("Neu ");
    Drain(keys);
    Press(VK_DELETE);
    EXPECT_EQ(Window(editor).GetText(), "Neu rrival");
    Press(VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(CellText(list, 0, 1), "Neu rrival");
    ASSERT_EQ(parent.Count(LVN_ENDLABELEDITA), 1);
    EXPECT_EQ(parent.notifications.back().text, "Neu rrival");
    EXPECT_TRUE(parent.commands.empty()) << "Enter must not press a default button";
    EXPECT_EQ(kvtest::SelectedRows(list), std::vector<int>{0});

    ::MoveWindow(list, 10, 10, 200, 200, TRUE);
    ListView_Scroll(list, 150, 0);
    Drain();
    ASSERT_LT(CellRect(0, 1).left, 0);
    editor = OpenEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    RECT client{};
    ::GetClientRect(list, &client);
    const RECT placed = Window(editor).RectInParent();
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(CellRect(0, 1).left, 0);
    EXPECT_EQ(placed.right, std::min(150, static_cast<int>(client.right)));
}
