// kv-status-probe: asks the running program's main window from outside, as a
// test of the end-to-end scripts: it must answer a message within five
// seconds, and its status line is printed (code page 1252 bytes).
// Exit codes: 0 answered, 2 no main window, 3 no answer in time.
// With --state it prints instead what a script needs when the program no
// longer takes its keys: whether the main window is enabled, which modifier
// keys the program's thread and the desktop hold down, and the program's
// top-level windows (also hidden and nameless ones).
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

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    char title[256] = {};
    char className[128] = {};
    ::GetWindowTextA(window, title, sizeof(title));
    ::GetClassNameA(window, className, sizeof(className));
    std::printf("window %p class '%s' title '%s'%s%s\n", static_cast<void*>(window), className,
                title, ::IsWindowVisible(window) ? " visible" : " hidden",
                ::IsWindowEnabled(window) ? "" : " disabled");
    return TRUE;
}

void PrintState(HWND main) {
    std::printf("main window %s\n", ::IsWindowEnabled(main) ? "enabled" : "disabled");
    const DWORD thread = ::GetWindowThreadProcessId(main, nullptr);
    // Attached to the program's input, GetKeyState answers for its thread.
    const bool attached = ::AttachThreadInput(::GetCurrentThreadId(), thread, TRUE) != FALSE;
    const struct { int key; const char* name; } keys[] = {
        {VK_SHIFT, "Shift"}, {VK_CONTROL, "Ctrl"}, {VK_MENU, "Alt"}, {VK_LWIN, "Win"}};
    for (const auto& key : keys)
        std::printf("%s: program %s, desktop %s\n", key.name,
                    !attached ? "?" : (::GetKeyState(key.key) & 0x8000) ? "down" : "up",
                    (::GetAsyncKeyState(key.key) & 0x8000) ? "down" : "up");
    HWND focus = attached ? ::GetFocus() : nullptr;
    HWND active = attached ? ::GetActiveWindow() : nullptr;
    HWND capture = attached ? ::GetCapture() : nullptr;
    std::printf("focus %p, active %p, capture %p, foreground %p\n", static_cast<void*>(focus),
                static_cast<void*>(active), static_cast<void*>(capture),
                static_cast<void*>(::GetForegroundWindow()));
    if (attached)
        ::AttachThreadInput(::GetCurrentThreadId(), thread, FALSE);
    ::EnumThreadWindows(thread, &PrintWindow, 0);
}

} // namespace

int main(int argc, char** argv) {
    HWND main = nullptr;
    ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&main));
    if (main == nullptr) {
        std::fprintf(stderr, "no main window\n");
        return 2;
    }
    if (argc > 1 && std::strcmp(argv[1], "--state") == 0) {
        PrintState(main);
        return 0;
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
