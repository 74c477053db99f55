// A record list window as the import window uses it edits nothing in place:
// no click opens a cell editor, the side pane takes the focus but stays
// read-only.
#include "core/win32/tests/TestListWindow.h"

#include "testkit/win32/Input.h"

#include <gtest/gtest.h>

using namespace kvtest;

TEST(ListWindowEditsNothing, NoCellEditorAndReadOnlyPanesWhateverIsClickedOrTyped) {
    ListSettings().DeleteSection(TestListWindow::Section);
    TestListWindow window;
    window.Open();
    ::SetForegroundWindow(window.Handle());
    kolvane::DiscEntry entry = Entry("Abba", "Arrival");
    entry.Tracks = "1. Eins";
    window.View().AppendAll({entry}, false);
    window.RefreshAll();
    HWND list = window.ListControl().Handle();
    auto clickAt = [&](HWND target, POINT point) {
        ::ClientToScreen(target, &point);
        Click(point);
        PumpUntil([] { return HIWORD(::GetQueueStatus(QS_INPUT)) == 0; }, 3000,
                  [&](MSG& m) { return window.PreTranslateMessage(m); });
        Drain(window);
    };
    RECT cell{};
    ListView_GetSubItemRect(list, 0, 1, LVIR_BOUNDS, &cell);
    for (int click = 0; click < 3; ++click)
        clickAt(list, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    EXPECT_EQ(SelectedRows(list), std::vector<int>{0});
    EXPECT_EQ(::FindWindowExA(list, nullptr, "Edit", nullptr), nullptr);

    HWND tracks = window.TracksEdit().Handle();
    EXPECT_EQ(window.SidePaneEntry(), 0);
    clickAt(tracks, {10, 6});
    EXPECT_EQ(::GetFocus(), tracks);
    EXPECT_NE(::GetWindowLongPtrA(tracks, GWL_STYLE) & ES_READONLY, 0);
    Type("x");
    Drain(window);
    clickAt(list, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    EXPECT_EQ(window.View().Entries()[0].Tracks, "1. Eins");
    EXPECT_EQ(window.View().Entries()[0].Title, "Arrival");
    window.Close();
    ListSettings().DeleteSection(TestListWindow::Section);
}
