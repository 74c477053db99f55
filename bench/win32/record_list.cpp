// The record list against the bare list view it is built on, in one run
// under Wine with 100,000 entries: filling the list (insert, sort, repaint),
// re-sorting by a column click, and a downward search without a match.
// Prints the times and the ratios; not a test.
#include "core/win32/CollectionView.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

namespace {

std::atomic<long long> allocations{0};

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr int EntryCount = 100000;

kolvane::CollectionView* boundView = nullptr;
char bareText[] = "Interpret";

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == LVN_GETDISPINFOA) {
            auto& info = *reinterpret_cast<NMLVDISPINFOA*>(lParam);
            if (boundView != nullptr)
                boundView->SupplyCellText(info);
            else if ((info.item.mask & LVIF_TEXT) != 0)
                info.item.pszText = bareText;
            return 0;
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateList(HWND parent) {
    HWND list = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 780,
                                  560, parent, reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    return list;
}

void AddBareColumns(HWND list) {
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.cx = 120;
        info.pszText = bareText;
        info.iSubItem = column;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    }
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

void Repaint(HWND list) {
    ::InvalidateRect(list, nullptr, TRUE);
    ::UpdateWindow(list);
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
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSA type{};
    type.lpfnWndProc = ParentProc;
    type.hInstance = ::GetModuleHandleA(nullptr);
    type.lpszClassName = "KvBenchParent";
    type.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    ::RegisterClassA(&type);
    HWND parent = ::CreateWindowExA(0, "KvBenchParent", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    0, 0, 800, 600, nullptr, nullptr, type.hInstance, nullptr);

    // The bare list view: callback items inserted with redrawing off, then
    // a sort with a trivial comparison. Three times, on a fresh list each time,
    // and the fastest run counts, so that the first window's start-up costs and
    // the other builds on the machine weigh less.
    double bareFill = 1e300, bareSort = 1e300, bareDelete = 1e300;
    for (int run = 0; run < 3; ++run) {
        HWND bare = CreateList(parent);
        AddBareColumns(bare);
        auto start = Clock::now();
        ::SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.pszText = LPSTR_TEXTCALLBACKA;
        for (int i = 0; i < EntryCount; ++i) {
            item.iItem = i;
            item.lParam = i;
            ::SendMessageA(bare, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        ::SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
        Repaint(bare);
        bareFill = std::min(bareFill, MillisecondsSince(start));
        start = Clock::now();
        ::SendMessageA(bare, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&TrivialCompare));
        Repaint(bare);
        bareSort = std::min(bareSort, MillisecondsSince(start));
        start = Clock::now();
        ::SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
        ::SendMessageA(bare, LVM_DELETEALLITEMS, 0, 0);
        ::SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
        bareDelete = std::min(bareDelete, MillisecondsSince(start));
        ::DestroyWindow(bare);
    }

    // The record list: the same list view bound to a collection.
    HWND list = CreateList(parent);
    kolvane::CollectionView view;
    view.Attach(list);
    boundView = &view;
    kolvane::DiscCollection entries = MakeEntries();

    // The entries are appended once; the copies are not part of the fill.
    view.AppendAll(entries, false);
    entries.clear();

    // FillList from an empty list (as after the start of the program) and
    // over a full one (as after a re-load, all items deleted first), without
    // and with a sort in force. Each the best of three runs.
    const auto best = [&](bool emptyFirst) {
        double fastest = 1e300;
        for (int run = 0; run < 3; ++run) {
            if (emptyFirst)
                view.List().DeleteAllItems();
            const auto start = Clock::now();
            view.FillList();
            Repaint(list);
            fastest = std::min(fastest, MillisecondsSince(start));
        }
        return fastest;
    };
    const double fillUnsorted = best(true);
    const double refillUnsorted = best(false);
    view.SortColumnClicked(kolvane::ArtistColumn); // the sort state a loaded file may have
    const double fillSortedEmpty = best(true);     // insert, sort by artist, repaint
    const double fillSorted = best(false);

    // A click on another column: the list sorts its items through the
    // comparison callback. Best of three, alternating the two columns.
    double clickSort = 1e300;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        view.SortColumnClicked(run % 2 == 0 ? kolvane::TitleColumn : kolvane::ArtistColumn);
        Repaint(list);
        clickSort = std::min(clickSort, MillisecondsSince(start));
    }

    // A downward search from the first row through every row without a match.
    const long long before = allocations.load();
    const auto start = Clock::now();
    const int found = view.FindNext("nirgends zu finden", true);
    const double search = MillisecondsSince(start);
    const long long searchAllocations = allocations.load() - before;

    std::printf("entries                         %d\n", EntryCount);
    std::printf("bare list: insert + repaint     %8.1f ms\n", bareFill);
    std::printf("bare list: LVM_SORTITEMS        %8.1f ms\n", bareSort);
    std::printf("FillList unsorted, empty list   %8.1f ms  ratio %.2f (target 2)\n", fillUnsorted,
                fillUnsorted / bareFill);
    std::printf("FillList sorted, empty list     %8.1f ms  ratio %.2f (target 2, bare insert)\n",
                fillSortedEmpty, fillSortedEmpty / bareFill);
    std::printf("bare list: LVM_DELETEALLITEMS   %8.1f ms\n", bareDelete);
    std::printf("FillList over a full list       %8.1f ms  ratio %.2f (bare delete + insert)\n",
                refillUnsorted, refillUnsorted / (bareDelete + bareFill));
    std::printf(
        "FillList sorted, full list      %8.1f ms  ratio %.2f (bare delete + insert + sort)\n",
        fillSorted, fillSorted / (bareDelete + bareFill + bareSort));
    std::printf("column click re-sort            %8.1f ms  ratio %.2f (target 3)\n", clickSort,
                clickSort / bareSort);
    std::printf("search without match            %8.1f ms  %.3f us per entry, %lld allocations, "
                "found %d\n",
                search, search * 1000.0 / EntryCount, searchAllocations, found);
    boundView = nullptr;
    ::DestroyWindow(parent);
    return 0;
}
