// The side pane of the record list window under Wine with 112,000 characters
// of tracks or of notes, in four shapes: the time from focusing the entry's
// row to the window painted with the text shown, and back to an entry with
// four tracks. Prints the times and the goal; not a test (it fails only when
// the pane does not show the whole text).
//
// Wine's edit control wraps a paragraph in time that grows with its square:
// before the notes pane stopped wrapping, one line of 112,000 characters in
// it took 20 to 45 s here.
#include "bench/win32/BenchWindow.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

using kvbench::Clock;
using kvbench::MillisecondsSince;
using kvbench::Pump;

constexpr size_t TextLength = 112000;
constexpr double GoalMilliseconds = 1000;

// Lines of the given length (CR LF included) up to the total, 0 for one line;
// every seventh character is the blank.
std::string Text(size_t lineLength, char blank) {
    std::string text;
    text.reserve(TextLength);
    size_t column = 0;
    while (text.size() < TextLength) {
        if (lineLength != 0 && column + 2 == lineLength) {
            text += "\r\n";
            column = 0;
            continue;
        }
        text += column % 7 == 6 ? blank : static_cast<char>('a' + text.size() % 26);
        ++column;
    }
    return text;
}

// Focuses the row of the entry with that index and waits until the window
// has refreshed and painted.
double Show(kvbench::ListWindow& window, int entry) {
    HWND list = window.View().List().Handle();
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = entry;
    const int row = ListView_FindItem(list, -1, &find);
    const auto start = Clock::now();
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
    ::RedrawWindow(window.Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return MillisecondsSince(start);
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    kvbench::ListWindow window("BenchPane");
    if (!window.Create(nullptr))
        return 1;
    ::ShowWindow(window.Handle(), SW_SHOWNORMAL);

    const struct {
        const char* shape;
        size_t lineLength;
        char blank;
    } shapes[] = {{"4,000 lines of 28", 28, 'x'},
                  {"28,000 lines of 4", 4, 'x'},
                  {"one line", 0, 'x'},
                  {"one line of words", 0, ' '}};
    kolvane::DiscCollection entries;
    for (const auto& s : shapes) {
        kolvane::DiscEntry entry;
        entry.Tracks = Text(s.lineLength, s.blank);
        entries.push_back(entry);
        entry.Notes = entry.Tracks;
        entry.Tracks.clear();
        entries.push_back(entry);
    }
    kolvane::DiscEntry small;
    small.Tracks = "1. Allegro\r\n2. Adagio\r\n3. Scherzo\r\n4. Finale";
    entries.push_back(small);
    window.View().AppendAll(entries, false);
    Pump();

    const int smallIndex = static_cast<int>(entries.size()) - 1;
    Show(window, smallIndex);
    std::printf("%zu characters; goal: shown within %.0f ms\n", TextLength, GoalMilliseconds);
    int failed = 0;
    for (int i = 0; i < smallIndex; ++i) {
        const kolvane::DiscEntry& entry = entries[static_cast<size_t>(i)];
        const double shown = Show(window, i);
        const bool whole = window.TracksEdit().GetText() == entry.Tracks &&
                           window.NotesEdit().GetText() == entry.Notes;
        const double back = Show(window, smallIndex);
        std::printf("%-18s in %-6s shown %9.1f ms%s%s   back to 4 tracks %7.1f ms\n",
                    shapes[i / 2].shape, i % 2 == 0 ? "tracks" : "notes", shown,
                    shown > GoalMilliseconds ? " (over the goal)" : "",
                    whole ? "" : " (NOT WHOLE)", back);
        failed += whole ? 0 : 1;
    }
    ::DestroyWindow(window.Handle());
    return failed == 0 ? 0 : 1;
}
