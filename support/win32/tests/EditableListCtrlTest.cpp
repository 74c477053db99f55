#include "support/win32/EditableListCtrl.h"

#include "testkit/win32/Input.h"
#include "testkit/win32/ListRows.h"
#include "testkit/win32/Pump.h"
#include "testkit/win32/TestParent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

std::string Text(HWND window) {
    return Window(window).GetText();
}

int TextWidth(HWND window, const std::string& text) {
    HDC dc = ::GetDC(window);
    HGDIOBJ old =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return size.cx;
}

// A plain dialog loop: the dialog keys (Tab, Enter, Escape) through
// IsDialogMessage. The editor must get its keys even here (WM_GETDLGCODE);
// the program's own dialogs route them to it before anything else, which the
// main window's tests check.
struct DialogKeys {
    HWND dialog;
    bool operator()(MSG& message) const { return ::IsDialogMessageA(dialog, &message) != FALSE; }
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
        const char* names[] = {"Interpret", "Titel", "Jahr", "ID"};
        const int widths[] = {120, 150, 60, 70};
        const int formats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
        for (int i = 0; i < 4; ++i) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = const_cast<char*>(names[i]);
            column.cx = widths[i];
            column.fmt = formats[i];
            ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
    }

    void AddItems(bool callback) {
        if (callback)
            parent.callbackTexts = Texts;
        for (int item = 0; item < static_cast<int>(Texts.size()); ++item) {
            LVITEMA row{};
            row.mask = LVIF_TEXT;
            row.iItem = item;
            for (int column = 0; column < 4; ++column) {
                row.iSubItem = column;
                row.pszText =
                    callback ? LPSTR_TEXTCALLBACKA : const_cast<char*>(Texts[item][column].c_str());
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
    void ClickCell(int item, int column, bool withControl = false) {
        RECT cell = CellRect(item, column);
        RECT client{};
        ::GetClientRect(list, &client);
        cell.left = std::max(cell.left, client.left);
        cell.right = std::min(cell.right, client.right);
        const int clicks = parent.Count(NM_CLICK);
        Click(parent.ToScreen(list, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2}),
              withControl);
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

    void Press(WORD key, bool withControl = false) {
        Key(key, withControl);
        Drain(keys);
    }

    void Write(const std::string& text) {
        Type(text);
        Drain(keys);
    }

    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& notification : parent.notifications) {
            if (notification.code != static_cast<UINT>(NM_CLICK))
                codes.push_back(notification.code);
        }
        return codes;
    }

    const kvtest::Notification* Find(UINT code) const {
        for (const auto& notification : parent.notifications) {
            if (notification.code == code)
                return &notification;
        }
        return nullptr;
    }

    TestParent parent{500, 300};
    HWND list = nullptr;
    EditableListCtrl control;
    DialogKeys keys{parent.Handle()};
};

} // namespace

TEST_F(EditableList, AttachMakesAReportViewWithFullRowSelectionAlone) {
    const LONG_PTR style = ::GetWindowLongPtrA(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(style & LVS_EDITLABELS, 0);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(control.ButtonWidth(), TextWidth(list, " ... "));
    EXPECT_GT(control.ButtonWidth(), TextWidth(list, "..."));
}

TEST_F(EditableList, GridLinesKeepTheOtherExtendedStylesAndFullRowSelection) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_HEADERDRAGDROP);
    control.SetGrid(true);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list),
              static_cast<DWORD>(LVS_EX_HEADERDRAGDROP | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    control.SetGrid(false);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list),
              static_cast<DWORD>(LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT));
}

TEST_F(EditableList, ColumnWidthsAreWrittenAndReadAsIntArrays) {
    const int stored[] = {80, 200, 45, 0x10000 + 90}; // each width is taken as 16 bits
    EXPECT_TRUE(control.SetColumnWidths(stored, 4));
    int widths[4] = {};
    EXPECT_TRUE(control.GetColumnWidths(widths, 4));
    EXPECT_EQ(std::vector<int>(widths, widths + 4), (std::vector<int>{80, 200, 45, 90}));

    int all[8] = {};
    EXPECT_TRUE(control.GetColumnWidths(all, -1));
    EXPECT_EQ(std::vector<int>(all, all + 5), (std::vector<int>{80, 200, 45, 90, 0}));
    EXPECT_FALSE(control.GetColumnWidths(all, 0));

    // Setting stops at the first column that is not there; those before keep their width.
    const int five[] = {61, 62, 63, 64, 65};
    EXPECT_FALSE(control.SetColumnWidths(five, 5));
    EXPECT_TRUE(control.GetColumnWidths(widths, 4));
    EXPECT_EQ(std::vector<int>(widths, widths + 4), (std::vector<int>{61, 62, 63, 64}));

    for (int column = 3; column >= 0; --column)
        ListView_DeleteColumn(list, column);
    EXPECT_FALSE(control.GetColumnWidths(all, -1));
}

TEST_F(EditableList, FirstClickSelectsSecondClickEditsTheClickedCell) {
    AddItems(false);
    ClickCell(1, 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);

    // The second click, on the right-aligned year column of the same item.
    ClickCell(1, 2);
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    const RECT cell = CellRect(1, 2);
    const RECT placed = Window(editor).RectInParent();
    EXPECT_TRUE(::EqualRect(&placed, &cell));
    EXPECT_EQ(Text(editor), "1966");
    EXPECT_EQ(::GetFocus(), editor);
    DWORD start = 1;
    DWORD end = 1;
    ::SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    const LONG_PTR style = ::GetWindowLongPtrA(editor, GWL_STYLE);
    EXPECT_NE(style & ES_RIGHT, 0);
    EXPECT_NE(style & ES_AUTOHSCROLL, 0);
    ::UpdateWindow(editor);
    HDC dc = ::GetDC(editor);
    const COLORREF edge = ::GetPixel(dc, 0, (placed.bottom - placed.top) / 2);
    const COLORREF inside = ::GetPixel(dc, (placed.right - placed.left) / 2, 1);
    ::ReleaseDC(editor, dc);
    EXPECT_NE(edge, inside) << "the editor has a border";
    EXPECT_EQ(::GetDlgCtrlID(editor), 1);
    EXPECT_EQ(::SendMessageA(editor, WM_GETFONT, 0, 0), ::SendMessageA(list, WM_GETFONT, 0, 0));
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);

    // A centred column gives a centred editor.
    Press(VK_ESCAPE);
    ASSERT_NE(OpenEditor(1, 3), nullptr);
    EXPECT_NE(::GetWindowLongPtrA(Editor(), GWL_STYLE) & ES_CENTER, 0);
}

TEST_F(EditableList, NoEditorWhileTwoItemsAreSelected) {
    AddItems(false);
    ClickCell(1, 1);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(ListView_GetSelectedCount(list), 2u);
    ClickCell(1, 1);
    EXPECT_EQ(Editor(), nullptr);

    // With Ctrl: the second item joins the selection, and clicking it again takes it out.
    ClickCell(2, 1);
    ClickCell(0, 1, true);
    ASSERT_EQ(ListView_GetSelectedCount(list), 2u);
    ClickCell(0, 1, true);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
}

TEST_F(EditableList, TheEditorChoiceDecidesPerCell) {
    struct Call {
        void* context;
        int item;
        int subItem;
    };
    std::vector<Call> calls;
    auto choice = [](void* context, int item, int subItem) {
        static_cast<std::vector<Call>*>(context)->push_back({context, item, subItem});
        return subItem == 0 ? EditorDescriptor{zul::Windows::EditorKind::None, 0, 0, 0}
                            : EditorDescriptor{zul::Windows::EditorKind::Text, 4, 0, 0};
    };
    control.SetEditorChoice(choice, &calls);
    AddItems(false);

    EXPECT_EQ(OpenEditor(2, 0), nullptr);
    ASSERT_EQ(calls.size(), 1u) << "the choice is asked on the second click only";
    EXPECT_EQ(calls[0].context, &calls);
    EXPECT_EQ(calls[0].item, 2);
    EXPECT_EQ(calls[0].subItem, 0);

    ClickCell(2, 1);
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(::SendMessageA(editor, EM_GETLIMITTEXT, 0, 0), 4);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].subItem, 1);
}

TEST_F(EditableList, EscapeLeavesTheCellUnchanged) {
    AddItems(false);
    ASSERT_NE(OpenEditor(2, 1), nullptr);
    Write("xyz");
    Press(VK_ESCAPE);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(::GetFocus(), list);
    EXPECT_EQ(CellText(list, 2, 1), "Disraeli Gears");
    EXPECT_EQ(Codes(), std::vector<UINT>{static_cast<UINT>(LVN_ENDLABELEDITA)});
    const auto* end = Find(LVN_ENDLABELEDITA);
    ASSERT_NE(end, nullptr);
    EXPECT_FALSE(end->hasText);
    EXPECT_EQ(end->item, 2);
    EXPECT_EQ(end->subItem, 1);
    EXPECT_TRUE(parent.commands.empty()) << "Escape must not reach the dialog";
}

// The dialog loop here is a plain one: Enter, Escape and Delete reach the
// editor, not the dialog.
TEST_F(EditableList, EnterStoresTheTextInAListThatHoldsItsTexts) {
    AddItems(false);
    HWND editor = OpenEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    Write("Neu ");
    Press(VK_DELETE);
    EXPECT_EQ(Text(editor), "Neu rrival");
    Press(VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(CellText(list, 0, 1), "Neu rrival");
    EXPECT_EQ(Codes(), std::vector<UINT>{static_cast<UINT>(LVN_ENDLABELEDITA)});
    EXPECT_EQ(Find(LVN_ENDLABELEDITA)->text, "Neu rrival");
    EXPECT_TRUE(parent.commands.empty()) << "Enter must not press a default button";
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0);
}

TEST_F(EditableList, ClickingElsewhereStoresTheText) {
    AddItems(false);
    ASSERT_NE(OpenEditor(0, 0), nullptr);
    Write("Die ");
    ClickCell(2, 3);
    EXPECT_EQ(Editor(), nullptr) << "a click on another item opens no editor";
    EXPECT_EQ(CellText(list, 0, 0), "Die Abba");

    HWND other = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 230, 200,
                                   24, parent.Handle(), nullptr, nullptr, nullptr);
    ClickCell(2, 3);
    ASSERT_NE(Editor(), nullptr);
    Write("9");
    Click(parent.ToScreen(other, {20, 10}));
    EXPECT_TRUE(PumpUntil([&] { return Editor() == nullptr; }, 3000, keys));
    EXPECT_EQ(::GetFocus(), other);
    EXPECT_EQ(CellText(list, 2, 3), "9c3");
}

TEST_F(EditableList, TextsSuppliedByTheOwnerGoBackToItAsSetDisplayInfo) {
    AddItems(true);
    ASSERT_NE(OpenEditor(1, 3), nullptr);
    EXPECT_EQ(Text(Editor()), "b2") << "the editor shows the text the owner supplies";
    Write("7");
    Press(VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    const std::vector<UINT> expected{static_cast<UINT>(LVN_ENDLABELEDITA),
                                     static_cast<UINT>(LVN_SETDISPINFOA)};
    EXPECT_EQ(Codes(), expected);
    EXPECT_TRUE(Find(LVN_ENDLABELEDITA)->editorAlive) << "notification before destruction";
    const auto* set = Find(LVN_SETDISPINFOA);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->item, 1);
    EXPECT_EQ(set->subItem, 3);
    EXPECT_EQ(set->text, "7b2");

    // The list still asks the owner, who has not stored anything.
    char buffer[16] = {};
    LVITEMA cell{};
    cell.mask = LVIF_TEXT | LVIF_NORECOMPUTE;
    cell.iItem = 1;
    cell.iSubItem = 3;
    cell.pszText = buffer;
    cell.cchTextMax = sizeof(buffer);
    ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&cell));
    EXPECT_EQ(cell.pszText, LPSTR_TEXTCALLBACKA);
    EXPECT_EQ(CellText(list, 1, 3), "b2");

    // A cancelled edit tells the owner nothing.
    ASSERT_NE(OpenEditor(1, 3), nullptr);
    Press(VK_ESCAPE);
    EXPECT_EQ(parent.Count(LVN_SETDISPINFOA), 1);
}

TEST_F(EditableList, TypingPastTheRightEdgeWidensTheEditorUpToTheList) {
    AddItems(false);
    HWND editor = OpenEditor(1, 1);
    ASSERT_NE(editor, nullptr);
    RECT client{};
    ::GetClientRect(list, &client);
    const RECT start = Window(editor).RectInParent();
    ::SendMessageA(editor, EM_SETSEL, 0, -1);
    int widest = 0;
    for (const char c :
         std::string("Sgt Peppers Lonely Hearts Club Band with a little help from my friends")) {
        Write(std::string(1, c));
        const RECT now = Window(editor).RectInParent();
        const int wanted = TextWidth(list, Text(editor)) + 5;
        const int expected = std::min(std::max(static_cast<int>(start.right - start.left), wanted),
                                      static_cast<int>(client.right - start.left));
        ASSERT_EQ(now.right - now.left, expected) << Text(editor);
        EXPECT_EQ(now.left, start.left);
        widest = std::max(widest, wanted);
    }
    EXPECT_GT(widest, client.right - start.left) << "the text must pass the list's edge";
    EXPECT_EQ(Window(editor).RectInParent().right, client.right);
}

TEST_F(EditableList, ACellPartlyScrolledOutOfViewIsScrolledToTheLeftEdge) {
    AddItems(false);
    ::MoveWindow(list, 10, 10, 200, 200, TRUE);
    ListView_Scroll(list, 150, 0);
    Drain();
    ASSERT_LT(CellRect(0, 1).left, 0);
    HWND editor = OpenEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    RECT client{};
    ::GetClientRect(list, &client);
    const RECT placed = Window(editor).RectInParent();
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(CellRect(0, 1).left, 0);
    EXPECT_EQ(placed.right, std::min(150, static_cast<int>(client.right)));
}

// Shift+End selects from the anchor to the last row with the list's redrawing
// held back; afterwards the list shows the last row and paints again.
TEST_F(EditableList, ShiftEndSelectsToTheLastRowAndTheListPaintsAgain) {
    constexpr int Rows = 40;
    for (int item = 0; item < Rows; ++item) {
        std::string text = "Interpret " + std::to_string(item);
        LVITEMA row{};
        row.mask = LVIF_TEXT;
        row.iItem = item;
        row.pszText = text.data();
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    }
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, 0);
    ::SetFocus(list);
    Drain(keys);

    kvtest::KeyState(VK_SHIFT, true);
    Press(VK_END);
    kvtest::KeyState(VK_SHIFT, false);
    Drain(keys);

    EXPECT_EQ(ListView_GetSelectedCount(list), static_cast<UINT>(Rows));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), Rows - 1);
    EXPECT_GT(ListView_GetTopIndex(list), 0) << "scrolled to the last row";
    ::UpdateWindow(list);
    ListView_SetItemState(list, Rows - 1, 0, LVIS_SELECTED);
    RECT update{};
    EXPECT_TRUE(::GetUpdateRect(list, &update, FALSE)) << "a changed row is repainted";
}
