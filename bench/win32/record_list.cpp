// The record list window as the program has it (RecordListDialog: the real
// owner-data EditableListCtrl in a dialog that forwards the list's
// notifications) with 100,000 entries, against the bare list view it is
// built on, with items and as an owner-data list, in one run under Wine:
// filling the list, re-sorting by a click on a column heading, a search
// without a match, selecting all rows with Shift+End and with the command,
// deleting 1,000 rows, and closing. Prints the times, the floors and the goals; not a
// test. The whole program from outside: bench/program.sh.
#include "bench/win32/BareList.h"
#include "bench/win32/BenchWindow.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

namespace {

std::atomic<long long> allocations{0};

using kvbench::Clock;
using kvbench::MillisecondsSince;
using kvbench::Pump;

constexpr int EntryCount = 100000;

// The bare list's parent: answers the texts and nothing else.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == LVN_GETDISPINFOA) {
            auto& info = *reinterpret_cast<NMLVDISPINFOA*>(lParam);
            if ((info.item.mask & LVIF_TEXT) != 0)
                info.item.pszText = kvbench::bareText;
            return 0;
        }
        if (header->code == LVN_DELETEALLITEMS)
            return TRUE;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

int CALLBACK TrivialCompare(LPARAM a, LPARAM b, LPARAM) {
    return a < b ? 1 : (a > b ? -1 : 0); // reverses the order, so every item moves
}

kolvane::DiscCollection MakeEntries() {
    static const char* const artists[] = {"Bach",
                                          "Beethoven",
                                          "Brahms",
                                          "Cage",
                                          "Dvo\xF8\x61k",
                                          "\xC4rzte",
                                          "Mahler",
                                          "Schubert",
                                          "\xDC"
                                          "ber",
                                          "Zappa"};
    kolvane::DiscCollection entries(EntryCount);
    unsigned seed = 12345;
    for (int i = 0; i < EntryCount; ++i) {
        seed = seed * 1103515245u + 12345u;
        kolvane::DiscEntry& e = entries[static_cast<size_t>(i)];
        e.Artist = std::string(artists[(seed >> 16) % 10]) + " " + std::to_string(seed % 977);
        e.Title = "Sinfonie Nr. " + std::to_string((seed >> 8) % 5000);
        e.Year = std::to_string(1900 + (seed >> 4) % 125);
        e.DiscId = std::to_string(seed % 100000);
        e.Tracks = "1. Allegro\r\n2. Adagio\r\n3. Scherzo\r\n4. Finale";
        e.Notes = "Aufnahme aus dem Archiv, Seite " + std::to_string(i);
    }
    return entries;
}

void Repaint(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Working set of this process now, in megabytes.
double WorkingSetMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

// The program's record list window, counting its refreshes.
class RecordWindow : public kvbench::ListWindow {
public:
    RecordWindow() : ListWindow("BenchList") {}
    void RefreshAll() override {
        ++refreshes;
        ListWindow::RefreshAll();
    }
    int refreshes = 0;
};

void ClickHeading(HWND list, int column) {
    HWND header = ListView_GetHeader(list);
    RECT r{};
    Header_GetItemRect(header, column, &r);
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(header, WM_LBUTTONUP, 0, point);
}

void SetShift(bool down) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main() {
    HWND parent = kvbench::CreateParentWindow(ParentProc);

    // The bare list view: callback items inserted with redrawing off, a sort
    // with a trivial comparison, all items deleted. The fastest of two runs
    // on a fresh list each, so that other builds on the machine weigh less.
    double bareFill = 1e300, bareSort = 1e300, bareDelete = 1e300;
    double bareMegabytes = 0;
    const double startMegabytes = WorkingSetMegabytes();
    for (int run = 0; run < 2; ++run) {
        HWND bare = kvbench::CreateBareList(parent, {0, 0, 780, 560}, 120);
        auto start = Clock::now();
        kvbench::InsertBareItems(bare, EntryCount);
        Repaint(bare);
        bareFill = std::min(bareFill, MillisecondsSince(start));
        if (run == 0)
            bareMegabytes = WorkingSetMegabytes() - startMegabytes;
        start = Clock::now();
        ::SendMessageA(bare, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&TrivialCompare));
        Repaint(bare);
        bareSort = std::min(bareSort, MillisecondsSince(start));
        start = Clock::now();
        ::SendMessageA(bare, LVM_DELETEALLITEMS, 0, 0);
        bareDelete = std::min(bareDelete, MillisecondsSince(start));
        ::DestroyWindow(bare);
    }
    // The bare owner-data list: only a count, the texts asked for when painted.
    // Selecting all its rows, redrawing off, is Wine's loop over every row:
    // the floor of the record list's Select all.
    double bareOwnerData = 1e300, bareOwnerDataMegabytes = 0, bareSelectAll = 1e300;
    for (int run = 0; run < 2; ++run) {
        HWND bare = kvbench::CreateBareList(parent, {0, 0, 780, 560}, 120, LVS_OWNERDATA);
        const double before = WorkingSetMegabytes();
        auto start = Clock::now();
        ::SendMessageA(bare, LVM_SETITEMCOUNT, EntryCount, 0);
        Repaint(bare);
        bareOwnerData = std::min(bareOwnerData, MillisecondsSince(start));
        if (run == 0)
            bareOwnerDataMegabytes = WorkingSetMegabytes() - before;
        start = Clock::now();
        ::SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
        ListView_SetItemState(bare, -1, LVIS_SELECTED, LVIS_SELECTED);
        ::SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
        Repaint(bare);
        bareSelectAll = std::min(bareSelectAll, MillisecondsSince(start));
        ::DestroyWindow(bare);
    }
    ::DestroyWindow(parent);

    // The record list window, sorted by artist as after loading a file with
    // that default sort.
    RecordWindow window;
    if (!window.Create(nullptr))
        return 1;
    ::ShowWindow(window.Handle(), SW_SHOWNORMAL);
    HWND list = window.View().List().Handle();
    kolvane::CollectionView& view = window.View();
    view.SetDefaultSort(kolvane::ArtistColumn, 1);
    view.Clear();
    const double beforeEntries = WorkingSetMegabytes();
    kolvane::DiscCollection entries = MakeEntries();
    const double entryMegabytes = WorkingSetMegabytes() - beforeEntries;
    view.AppendAll(entries, false); // the entries are copied once, untimed
    entries = {};
    Pump();

    // FillList into the empty list, as after the start of the program.
    double fill = 1e300;
    for (int run = 0; run < 2; ++run) {
        view.List().DeleteAllItems(); // untimed; FillList starts over in any case
        const auto start = Clock::now();
        view.FillList();
        window.RefreshAll();
        Repaint(window.Handle());
        fill = std::min(fill, MillisecondsSince(start));
        Pump();
    }

    // A click on another column: the collection sorts its rows, the list
    // only repaints. Best of three, alternating the two columns.
    double clickSort = 1e300;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        ClickHeading(list, run % 2 == 0 ? kolvane::TitleColumn : kolvane::ArtistColumn);
        Repaint(window.Handle());
        clickSort = std::min(clickSort, MillisecondsSince(start));
        Pump();
    }

    // A downward search from the first row through every row without a match.
    const long long before = allocations.load();
    auto start = Clock::now();
    const int found = view.FindNext("nirgends zu finden", true);
    const double search = MillisecondsSince(start);
    const long long searchAllocations = allocations.load() - before;

    // Shift+End from the focused first row selects every row; the burst of
    // item changes ends in one refresh of the window.
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, 0);
    Pump();
    window.refreshes = 0;
    ::SetFocus(list);
    start = Clock::now();
    SetShift(true);
    ::SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    SetShift(false);
    Pump();
    Repaint(window.Handle());
    const double shiftEnd = MillisecondsSince(start);
    const int shiftEndRefreshes = window.refreshes;
    const int shiftEndSelected = view.SelectedCount();

    // Deselect, then "Alles auswählen" (Ctrl+A).
    ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDM_SELECT_NONE, 0), 0);
    Pump();
    window.refreshes = 0;
    start = Clock::now();
    ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDM_SELECT_ALL, 0), 0);
    Pump();
    Repaint(window.Handle());
    const double selectAll = MillisecondsSince(start);
    const int selectAllRefreshes = window.refreshes;

    // 1,000 rows deleted, as the main window's Delete does after its question.
    kolvane::IndexArray deleted;
    for (std::uint32_t row = 0; row < 1000; ++row)
        deleted.Add(row * 97);
    start = Clock::now();
    view.DeleteAt(deleted);
    window.RefreshAll();
    Repaint(window.Handle());
    const double deleteRows = MillisecondsSince(start);
    const int rowsLeft = view.RowCount();

    // Closing the window: an owner-data list has no items to free (the bare
    // list's LVM_DELETEALLITEMS above shows what items would cost).
    start = Clock::now();
    ::DestroyWindow(window.Handle());
    const double close = MillisecondsSince(start);

    std::printf("entries                                   %d\n", EntryCount);
    std::printf("memory: the entries %.0f MB, the bare list's items %.0f MB, the bare owner-data "
                "list %.0f MB\n",
                entryMegabytes, bareMegabytes, bareOwnerDataMegabytes);
    std::printf("bare list: insert + repaint               %8.1f ms\n", bareFill);
    std::printf("bare list: LVM_SORTITEMS, all items move  %8.1f ms\n", bareSort);
    std::printf("bare list: LVM_DELETEALLITEMS             %8.1f ms\n", bareDelete);
    std::printf("bare owner-data list: count + repaint     %8.1f ms\n", bareOwnerData);
    std::printf("bare owner-data list: select all          %8.1f ms\n", bareSelectAll);
    std::printf("record list: fill sorted + repaint        %8.1f ms  %.2f x bare insert\n", fill,
                fill / bareFill);
    std::printf("record list: column click re-sort         %8.1f ms  %.2f x bare sort\n", clickSort,
                clickSort / bareSort);
    std::printf("record list: search without a match       %8.1f ms  %.3f us per entry, %lld "
                "allocations, found %d (goal: scan <= 20 ms)\n",
                search, search * 1000.0 / EntryCount, searchAllocations, found);
    std::printf("record list: Shift+End selects all        %8.1f ms  %d rows selected, %d "
                "RefreshAll (goal: one)\n",
                shiftEnd, shiftEndSelected, shiftEndRefreshes);
    std::printf("record list: Select all command           %8.1f ms  %d RefreshAll\n", selectAll,
                selectAllRefreshes);
    std::printf("record list: Delete of 1,000 rows         %8.1f ms  %d rows left (goal: <= 200 "
                "ms)\n",
                deleteRows, rowsLeft);
    std::printf("record list: window closed                %8.1f ms  (goal: <= 1000 ms)\n", close);
    return 0;
}
