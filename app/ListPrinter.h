#pragma once

#include "app/PrintDevice.h"
#include "core/DiscEntry.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace kolvane {

class CollectionView;

// Where the list goes on a page, in device units. The margin (top, bottom
// and left) and the gaps follow the page width; the three columns hold
// artist, title and year.
struct PrintLayout {
    static constexpr int ColumnCount = 3;
    struct Column {
        int x = 0;
        int width = 0;
    };

    static PrintLayout For(int pageWidth, int pageHeight, int lineHeight);
    // Entry lines below the heading on one page; at least 1, so that a page
    // too small for a line still prints one entry and the job goes on.
    int LinesPerPage() const;

    int pageWidth = 0;
    int pageHeight = 0;
    int margin = 0;
    int lineHeight = 0;
    int gap = 0;
    Column columns[ColumnCount];
};

// Prints a plain list of entries (artist, title, year) under the heading
// "- file name -" on every page, as many copies as asked within one print
// job, each copy starting on a new page.
class ListPrinter {
public:
    static constexpr int FontPoints = 8;
    static constexpr const char* FontFace = "Arial";

    // The entries (copies, in list order) and the device to print them on,
    // which must outlive the printer; selects the font and measures the page.
    void Prepare(PrintDevice& device, const DiscCollection& entries, const std::string& fileName);
    void PrepareAll(PrintDevice& device, const CollectionView& view, const std::string& fileName);
    void PrepareSelected(PrintDevice& device, const CollectionView& view,
                         const std::string& fileName);

    // 1 when the job went through; 0 after a failed job call, whose system
    // error text has been shown and whose document has been aborted.
    int Print(int copies);

    const PrintLayout& Layout() const { return layout_; }
    const std::string& Heading() const { return heading_; }
    const DiscCollection& Entries() const { return entries_; }

private:
    int PrintAllPages();
    // The number of entries printed, or -1 when a call failed.
    int PrintPage(std::size_t first);
    bool PrintLine(const DiscEntry& entry, int y);
    void KeepFailure();

    PrintDevice* device_ = nullptr;
    PrintLayout layout_;
    std::string heading_;
    std::string placeholder_;
    DiscCollection entries_;
    // The system error of the call that failed, kept until it is shown:
    // the calls that tidy up after it may change the thread's last error.
    DWORD failure_ = 0;
};

} // namespace kolvane
