#include "app/ListPrinter.h"

#include "core/win32/CollectionView.h"
#include "resources/resource.h"
#include "support/TextHelpers.h"
#include "support/win32/ResourceText.h"
#include "support/win32/WinApp.h"

#include <string_view>

namespace kolvane {

using zul::Windows::WinApp;

PrintLayout PrintLayout::For(int pageWidth, int pageHeight, int lineHeight) {
    PrintLayout layout;
    layout.pageWidth = pageWidth;
    layout.pageHeight = pageHeight;
    layout.margin = pageWidth * 5 / 100;
    layout.lineHeight = lineHeight;
    layout.gap = pageWidth / 100;
    const int widths[ColumnCount] = {pageWidth * 41 / 100, pageWidth * 41 / 100,
                                     pageWidth * 6 / 100};
    int x = layout.margin;
    for (int i = 0; i < ColumnCount; ++i) {
        layout.columns[i] = {x, widths[i]};
        x += widths[i] + layout.gap;
    }
    return layout;
}

int PrintLayout::LinesPerPage() const {
    const int top = margin + 2 * lineHeight;
    const int bottom = pageHeight - margin;
    if (lineHeight <= 0 || top >= bottom)
        return 1;
    return (bottom - top + lineHeight - 1) / lineHeight;
}

void ListPrinter::Prepare(PrintDevice& device, const DiscCollection& entries,
                          const std::string& fileName) {
    if (placeholder_.empty())
        placeholder_ = zul::Windows::LoadResourceText(IDS_PLACEHOLDER);
    device_ = &device;
    entries_ = entries;
    device.SelectFont(FontFace, FontPoints);
    layout_ = PrintLayout::For(device.PageWidth(), device.PageHeight(),
                               static_cast<int>(device.TextExtent("Hg").cy));
    heading_ = "- " + fileName + " -";
}

void ListPrinter::PrepareAll(PrintDevice& device, const CollectionView& view,
                             const std::string& fileName) {
    DiscCollection entries;
    view.CollectAll(entries);
    Prepare(device, entries, fileName);
}

void ListPrinter::PrepareSelected(PrintDevice& device, const CollectionView& view,
                                  const std::string& fileName) {
    DiscCollection entries;
    view.CollectSelected(entries);
    Prepare(device, entries, fileName);
}

void ListPrinter::KeepFailure() {
    failure_ = ::GetLastError();
}

int ListPrinter::Print(int copies) {
    if (device_ == nullptr)
        return 0;
    WinApp* app = WinApp::Current();
    auto report = [&] {
        if (app != nullptr) {
            ::SetLastError(failure_);
            app->ShowSystemError();
        }
    };
    if (!device_->StartDocument(heading_)) {
        KeepFailure();
        report();
        return 0;
    }
    for (int copy = 0; copy < copies; ++copy) {
        if (PrintAllPages() == 0) {
            report();
            device_->AbortDocument();
            return 0;
        }
    }
    if (!device_->EndDocument()) {
        KeepFailure();
        report();
        device_->AbortDocument();
        return 0;
    }
    return 1;
}

int ListPrinter::PrintAllPages() {
    for (std::size_t next = 0; next < entries_.size();) {
        const int count = PrintPage(next);
        if (count < 0)
            return 0;
        next += static_cast<std::size_t>(count);
    }
    return 1;
}

int ListPrinter::PrintPage(std::size_t first) {
    if (!device_->StartPage()) {
        KeepFailure();
        return -1;
    }
    const UINT previousAlign = device_->SetTextAlign(TA_CENTER | TA_TOP);
    // Any text that does not print fails the page, the heading as well.
    bool printed = device_->PrintText(layout_.pageWidth / 2, layout_.margin, heading_);
    if (!printed)
        KeepFailure();
    device_->SetTextAlign(TA_LEFT | TA_TOP);

    const int lines = layout_.LinesPerPage();
    int count = 0;
    int y = layout_.margin + 2 * layout_.lineHeight;
    while (printed && count < lines && first + count < entries_.size()) {
        printed = PrintLine(entries_[first + count], y);
        ++count;
        y += layout_.lineHeight;
    }
    if (!device_->EndPage() && printed) {
        KeepFailure();
        printed = false;
    }
    device_->SetTextAlign(previousAlign);
    return printed ? count : -1;
}

bool ListPrinter::PrintLine(const DiscEntry& entry, int y) {
    const std::string* fields[PrintLayout::ColumnCount] = {&entry.Artist, &entry.Title,
                                                           &entry.Year};
    auto width = [this](std::string_view text) {
        return static_cast<int>(device_->TextExtent(text).cx);
    };
    for (int i = 0; i < PrintLayout::ColumnCount; ++i) {
        const std::string& text = fields[i]->empty() ? placeholder_ : *fields[i];
        const PrintLayout::Column& column = layout_.columns[i];
        if (!device_->PrintText(column.x, y, zul::FitText(text, column.width, width))) {
            KeepFailure();
            return false;
        }
    }
    return true;
}

} // namespace kolvane
