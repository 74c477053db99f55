// kv-status-probe, for the soak: prints the main window's status line (code
// page 1252); exit code 2 no main window, 3 no answer within five seconds.
#include "resources/resource.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

// A top-level window with the status line and the program's name last.
BOOL CALLBACK FindMain(HWND window, LPARAM result) {
    const char name[] = "Kolvane-Verwaltung";
    char title[512] = {};
    const int length = ::GetWindowTextA(window, title, sizeof(title));
    if (length < static_cast<int>(sizeof(name)) - 1 ||
        std::strcmp(title + length - (sizeof(name) - 1), name) != 0 ||
        ::GetDlgItem(window, IDC_STATUS_LINE) == nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

bool Answers(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &ignored);
}

} // namespace

int main() {
    HWND main = nullptr;
    ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&main));
    if (main == nullptr) {
        std::fprintf(stderr, "no main window\n");
        return 2;
    }
    char status[512] = {};
    if (!Answers(main, WM_NULL, 0, 0) ||
        !Answers(::GetDlgItem(main, IDC_STATUS_LINE), WM_GETTEXT, sizeof(status),
                 reinterpret_cast<LPARAM>(status))) {
        std::fprintf(stderr, "the main window does not answer\n");
        return 3;
    }
    std::printf("%s\n", status);
    return 0;
}
