#include "testkit/win32/MessageLog.h"

#include <cstdio>
#include <utility>

namespace kvtest {

namespace {

MessageLog* current = nullptr;

std::string MessageName(UINT message) {
    switch (message) {
    case WM_WINDOWPOSCHANGED:
        return "WM_WINDOWPOSCHANGED";
    case WM_WINDOWPOSCHANGING:
        return "WM_WINDOWPOSCHANGING";
    case WM_SIZE:
        return "WM_SIZE";
    case WM_MOVE:
        return "WM_MOVE";
    case WM_SHOWWINDOW:
        return "WM_SHOWWINDOW";
    case WM_ERASEBKGND:
        return "WM_ERASEBKGND";
    case WM_PAINT:
        return "WM_PAINT";
    default: {
        char hex[16];
        std::snprintf(hex, sizeof(hex), "0x%04X", message);
        return hex;
    }
    }
}

} // namespace

MessageLog::MessageLog(Filter filter) : filter_(std::move(filter)) {
    current = this;
    hook_ = ::SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
}

MessageLog::~MessageLog() {
    if (hook_ != nullptr)
        ::UnhookWindowsHookEx(hook_);
    current = nullptr;
}

MessageLog::Filter MessageLog::ChildMoves(HWND parent) {
    return [parent](HWND window, UINT message, WPARAM, LPARAM lParam) {
        if (message != WM_WINDOWPOSCHANGED || ::GetParent(window) != parent)
            return false;
        const auto* place = reinterpret_cast<const WINDOWPOS*>(lParam);
        return (place->flags & SWP_NOMOVE) == 0 || (place->flags & SWP_NOSIZE) == 0;
    };
}

LRESULT CALLBACK MessageLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && current != nullptr) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (current->filter_(call->hwnd, call->message, call->wParam, call->lParam))
            current->lines_.push_back(std::to_string(::GetDlgCtrlID(call->hwnd)) + " " +
                                      MessageName(call->message));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace kvtest
