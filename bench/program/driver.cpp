// Starts the real Kolvane.exe under Wine and times what its user does, from
// outside the program: the start up to the painted window with the status
// line of the loaded file, a click on a column heading, a search without a
// match, Select all, Delete of 1,000 rows and the close. Prints one line
// "name value" per figure (milliseconds, megabytes) for program.sh.
//
//   driver <Kolvane.exe>                 the floors: an empty program's start
//                                        and close, an idle window's answer
//   driver <Kolvane.exe> <file> <count>  the whole run on a collection file
//
// Every step ends when the program has done it and painted the result: a
// message sent to a window is answered only once its thread is idle again,
// and RDW_UPDATENOW waits for the painting. The program starts with its
// default settings and the artist as default sort.
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char SettingsKey[] = "Software\\ZulApps\\Kolvane-Verwaltung";
const char NoMatch[] = "xyzzy nirgends";
constexpr int DeletedRows = 1000;
constexpr UINT AnswerTimeout = 60000; // ms: a step that takes longer has failed

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "driver: %s\n", what);
    std::fflush(stderr);
    std::exit(1);
}

void Report(const char* name, double value) {
    std::printf("%s %.1f\n", name, value);
    std::fflush(stdout);
}

bool Answer(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
            DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, AnswerTimeout,
                                 result != nullptr ? result : &ignored) != 0;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    DWORD_PTR length = 0;
    if (!Answer(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), &length))
        return {};
    return std::string(text, std::min<size_t>(length, sizeof(text) - 1));
}

// Paints everything of the window that waits to be painted, in its thread.
void PaintNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ResetSettings(bool sortByArtist) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
    if (!sortByArtist)
        return;
    HKEY key = nullptr;
    const std::string main = std::string(SettingsKey) + "\\MainDlg";
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, main.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        Fail("cannot write the settings");
    const BYTE artist[4] = {0, 0, 0, 0}; // DefSortBy 0, as the program stores ints
    ::RegSetValueExA(key, "DefSortBy", 0, REG_BINARY, artist, sizeof(artist));
    ::RegCloseKey(key);
}

class Program {
public:
    Program(const std::string& exe, const std::string& file) {
        std::string command = "\"" + exe + "\"";
        if (!file.empty())
            command += " \"" + file + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        started_ = Clock::now();
        if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_))
            Fail("cannot start the program");
    }
    ~Program() {
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }

    Clock::time_point Started() const { return started_; }
    HANDLE Handle() const { return process_.hProcess; }

    // A visible dialog of the program with that title; an empty title finds
    // the main window, the one with the status line.
    HWND FindDialog(const char* title) const {
        struct Search {
            DWORD id;
            const char* title;
            HWND found;
        } search{process_.dwProcessId, title, nullptr};
        ::EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                char className[16] = {}, text[128] = {};
                ::GetClassNameA(window, className, sizeof(className));
                ::GetWindowTextA(window, text, sizeof(text));
                const bool main = ::GetDlgItem(window, IDC_STATUS_LINE) != nullptr;
                if (owner == s.id && ::IsWindowVisible(window) &&
                    std::strcmp(className, "#32770") == 0 &&
                    (s.title[0] == '\0' ? main : std::strcmp(text, s.title) == 0)) {
                    s.found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND WaitForDialog(const char* title) const {
        const auto start = Clock::now();
        while (MillisecondsSince(start) < AnswerTimeout) {
            if (HWND window = FindDialog(title))
                return window;
            if (::WaitForSingleObject(process_.hProcess, 1) == WAIT_OBJECT_0)
                Fail("the program ended early");
        }
        Fail("a window did not come");
    }

    // Waits until the window's text is the expected one; each question waits
    // until the program's thread answers, that is until it is idle.
    static void WaitForText(HWND window, const std::string& expected) {
        const auto start = Clock::now();
        while (TextOf(window) != expected) {
            if (MillisecondsSince(start) > AnswerTimeout)
                Fail(("the status line never showed: " + expected).c_str());
            ::Sleep(1);
        }
    }

    static void WaitUntilGone(HWND window) {
        const auto start = Clock::now();
        while (::IsWindow(window)) {
            if (MillisecondsSince(start) > AnswerTimeout)
                Fail("a window did not close");
            ::Sleep(1);
        }
    }

    double PeakMegabytes() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof(counters);
        if (!::GetProcessMemoryInfo(process_.hProcess, &counters, sizeof(counters)))
            return -1;
        return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }

    // Memory in the program's address space, for messages that take pointers.
    class Remote {
    public:
        Remote(HANDLE process, size_t size) : process_(process) {
            at_ = static_cast<char*>(
                ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
            if (at_ == nullptr)
                Fail("no memory in the program");
        }
        ~Remote() { ::VirtualFreeEx(process_, at_, 0, MEM_RELEASE); }
        char* At(size_t offset = 0) const { return at_ + offset; }
        void Write(size_t offset, const void* data, size_t size) const {
            ::WriteProcessMemory(process_, at_ + offset, data, size, nullptr);
        }
        void Read(size_t offset, void* data, size_t size) const {
            ::ReadProcessMemory(process_, at_ + offset, data, size, nullptr);
        }

    private:
        HANDLE process_;
        char* at_;
    };

private:
    PROCESS_INFORMATION process_{};
    Clock::time_point started_;
};

std::string StatusText(int items, int selected) {
    char text[64];
    std::snprintf(text, sizeof(text), "%d Eintr\xE4ge, %d ausgew\xE4hlt", items, selected);
    return text;
}

// The open window, painted, with its status line: the time from the start.
HWND WaitForMainWindow(const Program& program, int entries) {
    const auto start = Clock::now();
    for (;;) {
        if (HWND main = program.FindDialog("")) {
            Program::WaitForText(::GetDlgItem(main, IDC_STATUS_LINE), StatusText(entries, 0));
            PaintNow(main);
            return main;
        }
        if (::WaitForSingleObject(program.Handle(), 1) == WAIT_OBJECT_0)
            Fail("the program ended early");
        if (MillisecondsSince(start) > AnswerTimeout)
            Fail("no main window");
    }
}

// The idle window's answer to a message: the floor of every step below.
void MeasureIdleAnswer(HWND main) {
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        const auto start = Clock::now();
        Answer(main, WM_NULL);
        times.push_back(MillisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    Report("idle_answer_ms", times[times.size() / 2]);
}

double CloseAndWait(const Program& program, HWND main, Clock::time_point start) {
    Program::WaitUntilGone(main);
    Report("close_window_ms", MillisecondsSince(start));
    if (::WaitForSingleObject(program.Handle(), AnswerTimeout) != WAIT_OBJECT_0)
        Fail("the program did not end");
    return MillisecondsSince(start);
}

void RunEmpty(const std::string& exe) {
    ResetSettings(false);
    Program program(exe, "");
    HWND main = WaitForMainWindow(program, 0);
    Report("open_ms", MillisecondsSince(program.Started()));
    MeasureIdleAnswer(main);
    Report("peak_mb", program.PeakMegabytes());
    const auto start = Clock::now();
    ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    Report("close_ms", CloseAndWait(program, main, start));
}

// Text of a cell, read through the program's own memory.
std::string CellText(const Program::Remote& remote, HWND list, int row, int column) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote.At(sizeof(LVITEMA));
    item.cchTextMax = 256;
    remote.Write(0, &item, sizeof(item));
    DWORD_PTR length = 0;
    Answer(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.At()),
           &length);
    char text[256] = {};
    remote.Read(sizeof(LVITEMA), text, std::min<size_t>(length, sizeof(text) - 1));
    return text;
}

// The order of the sort: A-Z folded, bytes unsigned.
int CompareFolded(const std::string& a, const std::string& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        x = (x >= 'A' && x <= 'Z') ? static_cast<unsigned char>(x + 32) : x;
        y = (y >= 'A' && y <= 'Z') ? static_cast<unsigned char>(y + 32) : y;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void ClickColumnHeading(const Program::Remote& remote, HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    int left = 0;
    for (int c = 0; c < column; ++c)
        left += static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0));
    RECT client{};
    ::GetClientRect(header, &client);
    const LPARAM point = MAKELPARAM(left + 10, client.bottom / 2);
    const std::string before = CellText(remote, list, 0, column);

    const auto start = Clock::now();
    Answer(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    Answer(header, WM_LBUTTONUP, 0, point);
    PaintNow(::GetParent(list));
    Report("resort_ms", MillisecondsSince(start));

    std::string previous = CellText(remote, list, 0, column);
    for (int row = 1; row < 20; ++row) {
        const std::string text = CellText(remote, list, row, column);
        if (CompareFolded(previous, text) > 0)
            Fail("the list is not sorted by the clicked column");
        previous = text;
    }
    if (CellText(remote, list, 0, column) == before)
        Fail("the click on the heading did not sort");
}

void SearchWithoutMatch(const Program& program, HWND main, HWND list) {
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_SEARCH, 0), 0);
    HWND dialog = program.WaitForDialog("Suchen");
    Answer(::GetDlgItem(dialog, IDC_SEARCH_TEXT), WM_SETTEXT, 0,
           reinterpret_cast<LPARAM>(NoMatch));
    const auto start = Clock::now();
    Answer(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    // Once the dialog is gone the search runs; the window answers after it.
    Program::WaitUntilGone(dialog);
    Answer(main, WM_NULL);
    PaintNow(main);
    Report("search_ms", MillisecondsSince(start));
    if (::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) != -1)
        Fail("the search found something");
}

void SelectAll(HWND main, HWND status, int entries) {
    const auto start = Clock::now();
    Answer(main, WM_COMMAND, MAKEWPARAM(IDM_SELECT_ALL, 0));
    Program::WaitForText(status, StatusText(entries, entries));
    PaintNow(main);
    Report("select_all_ms", MillisecondsSince(start));
    Answer(main, WM_COMMAND, MAKEWPARAM(IDM_SELECT_NONE, 0));
    Program::WaitForText(status, StatusText(entries, 0));
}

void DeleteRows(const Program& program, const Program::Remote& remote, HWND main, HWND list,
                HWND status, int entries) {
    const int rows = std::min(DeletedRows, entries);
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    remote.Write(0, &item, sizeof(item));
    for (int row = 0; row < rows; ++row)
        Answer(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(remote.At()));
    Program::WaitForText(status, StatusText(entries, rows));

    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_DELETE, 0), 0);
    HWND confirm = program.WaitForDialog("L\xF6schen?");
    const auto start = Clock::now();
    Answer(confirm, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
           reinterpret_cast<LPARAM>(::GetDlgItem(confirm, IDOK)));
    Program::WaitUntilGone(confirm);
    Program::WaitForText(status, StatusText(entries - rows, 0));
    PaintNow(main);
    Report("delete_ms", MillisecondsSince(start));
}

void RunWithFile(const std::string& exe, const std::string& file, int entries) {
    ResetSettings(true);
    Program program(exe, file);
    HWND main = WaitForMainWindow(program, entries);
    Report("open_ms", MillisecondsSince(program.Started()));
    Report("peak_open_mb", program.PeakMegabytes());
    HWND list = ::GetDlgItem(main, IDC_RECORD_LIST);
    HWND status = ::GetDlgItem(main, IDC_STATUS_LINE);
    const Program::Remote remote(program.Handle(), 4096);

    MeasureIdleAnswer(main);
    ClickColumnHeading(remote, list, 1);
    SearchWithoutMatch(program, main, list);
    SelectAll(main, status, entries);
    DeleteRows(program, remote, main, list, status, entries);
    Report("peak_mb", program.PeakMegabytes());

    // Closing asks to save the changed collection; the time runs from "Nein".
    ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND prompt = program.WaitForDialog("Speichern?");
    const auto start = Clock::now();
    ::PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(prompt, IDNO)));
    Report("close_ms", CloseAndWait(program, main, start));
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2)
        RunEmpty(argv[1]);
    else if (argc == 4)
        RunWithFile(argv[1], argv[2], std::atoi(argv[3]));
    else
        Fail("usage: driver <Kolvane.exe> [<file> <count>]");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
    return 0;
}
