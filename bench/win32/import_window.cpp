// Opening the import window on a cdplayer.ini of 20,000 sections, from the
// command until its list is shown (file dialog answered at once, file read,
// list filled, window shown and painted), against its two unavoidable parts
// measured alone in the same run: reading the file with the importer, and
// inserting as many callback items into a bare list view. The record list's
// own fill of the entries read is measured alone too, so that what the window
// adds beyond reader and list shows. The window opened on a file of 200
// sections shows its fixed cost, the part that does not grow with the file.
// Prints the times and the ratios; not a test.
#include "bench/win32/BareList.h"
#include "core/win32/CollectionView.h"
#include "exchange/CdPlayerIniImporter.h"
#include "exchange/win32/ImportWindow.h"
#include "resources/ProgramResources.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WinApp.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr int SectionCount = 20000;
constexpr int SmallSectionCount = 200;
constexpr int TracksPerSection = 10;
constexpr int Runs = 5;

class SilentReporter : public zul::MessageReporter {
public:
    void ReportError(int id) override { std::printf("unexpected error %d\n", id); }
    void ReportWarning(int id) override { std::printf("unexpected warning %d\n", id); }
};

// A file as the CD player writes it: every key of a disc, ten tracks.
std::string WriteIni(const char* name, int sections) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    std::string text;
    text.reserve(static_cast<std::size_t>(sections) * 400);
    unsigned seed = 4711;
    char id[16];
    for (int i = 0; i < sections; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::snprintf(id, sizeof(id), "%08X", seed);
        text += std::string("[") + id + "]\r\nEntryType=1\r\nTitle=Album " +
                std::to_string(seed % 9973) + "\r\nArtist=Interpret " +
                std::to_string((seed >> 8) % 4001) + "\r\nNumTracks=10\r\n";
        for (int t = 0; t < TracksPerSection; ++t)
            text += std::to_string(t) + "=Titel Nummer " + std::to_string(t + 1) + "\r\n";
        text += "Order=0 1 2 3 4 5 6 7 8 9\r\nNumPlay=10\r\n";
    }
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

kolvane::CollectionView* boundView = nullptr;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY &&
        reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
        auto& info = *reinterpret_cast<NMLVDISPINFOA*>(lParam);
        if (boundView != nullptr)
            boundView->SupplyCellText(info);
        else if ((info.item.mask & LVIF_TEXT) != 0)
            info.item.pszText = kvbench::bareText;
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// A report list of four columns in a window of the import window's default
// size; n callback items inserted with redrawing off, then painted.
double BareListInsert(HWND parent) {
    HWND list = kvbench::CreateBareList(parent, {10, 10, 410, 360}, 100);
    const auto start = Clock::now();
    kvbench::InsertBareItems(list, SectionCount);
    ::InvalidateRect(list, nullptr, TRUE);
    ::UpdateWindow(list);
    const double elapsed = MillisecondsSince(start);
    ::DestroyWindow(list);
    return elapsed;
}

// The record list's own share: the entries read appended to a view whose
// list sits in a plain window (no dialog around it), then painted.
double ViewAppend(HWND parent, const kolvane::DiscCollection& entries) {
    HWND list = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 10, 10,
                                  400, 350, parent, nullptr, nullptr, nullptr);
    double elapsed = 0;
    {
        kolvane::CollectionView view;
        view.Attach(list);
        boundView = &view;
        const auto start = Clock::now();
        view.AppendAll(entries, false);
        ::UpdateWindow(list);
        elapsed = MillisecondsSince(start);
        boundView = nullptr;
    }
    ::DestroyWindow(list);
    return elapsed;
}

// The import window with its file reading timed: what it does before and
// after (creation, layout, title, showing, painting) is the rest.
class TimedImportWindow : public kolvane::ImportWindow {
public:
    using ImportWindow::ImportWindow;
    int LoadFile(const std::string& path) override {
        const auto start = Clock::now();
        const int result = ImportWindow::LoadFile(path);
        loading = MillisecondsSince(start);
        return result;
    }
    double loading = 0;
};

} // namespace

int main() {
    HWND parent = kvbench::CreateParentWindow(ParentProc);

    const std::string path = WriteIni("kv_bench_cdplayer.ini", SectionCount);
    const std::string smallPath = WriteIni("kv_bench_small.ini", SmallSectionCount);
    const std::string* answer = &path;
    // The program's application object without a settings store: the window
    // keeps its defaults and writes nothing.
    zul::Windows::WinApp app;
    app.SetResources(kolvane::ProgramResources);
    Clock::time_point shownAt;
    int rowsShown = 0;
    app.SetModalHook([&](zul::Windows::Modal& modal) {
        if (auto* file = dynamic_cast<zul::Windows::FileDialog*>(&modal)) {
            file->AnswerPath(*answer);
        } else if (auto* window = dynamic_cast<kolvane::ImportWindow*>(&modal)) {
            // Called once the window's queue is idle: shown and painted.
            shownAt = Clock::now();
            rowsShown = window->View().RowCount();
            window->EndModal(IDCANCEL);
        } else if (auto* dialog = dynamic_cast<zul::Windows::Dialog*>(&modal)) {
            std::printf("unexpected dialog \"%s\"\n", dialog->GetText().c_str());
            dialog->EndModal(IDCANCEL);
        } else if (auto* system = dynamic_cast<zul::Windows::SystemDialog*>(&modal)) {
            system->Answer(IDCANCEL);
        }
    });

    // Best of five each, interleaved, so that the other work on the machine
    // weighs less.
    double importer = 1e300, bare = 1e300, view = 1e300, window = 1e300, loading = 0;
    double smallWindow = 1e300;
    // The time until the list is shown, and the file reading within it.
    struct Opening {
        double shown, loading;
    };
    auto openWindow = [&](const std::string& file) {
        answer = &file;
        TimedImportWindow importWindow(kolvane::ImportKind::CdPlayerIni, parent);
        const auto start = Clock::now();
        app.RunModal(importWindow);
        return Opening{std::chrono::duration<double, std::milli>(shownAt - start).count(),
                       importWindow.loading};
    };
    std::size_t entriesRead = 0;
    for (int run = 0; run < Runs; ++run) {
        {
            SilentReporter reporter;
            kolvane::CdPlayerIniImporter reader(reporter);
            const auto start = Clock::now();
            reader.Import(path);
            importer = std::min(importer, MillisecondsSince(start));
            entriesRead = reader.Entries().size();
            view = std::min(view, ViewAppend(parent, reader.Entries()));
        }
        bare = std::min(bare, BareListInsert(parent));
        smallWindow = std::min(smallWindow, openWindow(smallPath).shown);
        const Opening opening = openWindow(path);
        if (opening.shown < window) {
            window = opening.shown;
            loading = opening.loading;
        }
    }
    ::DeleteFileA(path.c_str());
    ::DeleteFileA(smallPath.c_str());

    std::printf("sections                          %d (%zu read, %d rows shown)\n", SectionCount,
                entriesRead, rowsShown);
    std::printf("importer alone                    %8.1f ms\n", importer);
    std::printf("bare list: insert + repaint       %8.1f ms\n", bare);
    std::printf("record list: AppendAll + repaint  %8.1f ms  ratio %.2f (bare insert)\n", view,
                view / bare);
    std::printf("import window until list shown    %8.1f ms  ratio %.2f (target 1.5, importer + "
                "bare insert)\n",
                window, window / (importer + bare));
    std::printf("  of which reading the file in the window     %8.1f ms (importer + record "
                "list alone: %.1f ms)\n",
                loading, importer + view);
    std::printf("  and the window itself (create, lay out, show, paint) %8.1f ms\n",
                window - loading);
    std::printf("import window on %d sections        %8.1f ms  (the part that does not grow with "
                "the file)\n",
                SmallSectionCount, smallWindow);
    ::DestroyWindow(parent);
    return rowsShown == SectionCount ? 0 : 1;
}
