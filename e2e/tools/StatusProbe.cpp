// kv-status-probe: asks the running program's main window from outside, as a
// test of the end-to-end scripts: it must answer a message within five
// seconds, and its status line is printed (code page 1252 bytes).
// Exit codes: 0 answered, 2 no main window, 3 no answer in time.
#include "resources/resource.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr char AppName[] = "Kolvane-Verwaltung";
constexpr UINT AnswerTimeoutMs = 5000;

// The top-level window whose title ends in the program's name and that has
// the status line.
BOOL CALLBACK FindMain(HWND window, LPARAM result) {
    char title[512] = {};
    const int length = ::GetWindowTextA(window, title, sizeof(title));
    const int nameLength = static_cast<int>(std::strlen(AppName));
    if (length < nameLength || std::strcmp(title + length - nameLength, AppName) != 0 ||
        ::GetDlgItem(window, IDC_STATUS_LINE) == nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

} // namespace

int main() {
    HWND main = nullptr;
    ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&main));
    if (main == nullptr) {
        std::fprintf(stderr, "no main window\n");
        return 2;
    }
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &ignored)) {
        std::fprintf(stderr, "the main window does not answer\n");
        return 3;
    }
    char status[512] = {};
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(::GetDlgItem(main, IDC_STATUS_LINE), WM_GETTEXT, sizeof(status),
                               reinterpret_cast<LPARAM>(status), SMTO_ABORTIFHUNG, AnswerTimeoutMs,
                               &copied)) {
        std::fprintf(stderr, "the status line does not answer\n");
        return 3;
    }
    std::printf("%s\n", status);
    return 0;
}
