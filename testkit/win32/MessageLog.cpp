#include "testkit/win32/MessageLog.h"

#include <utility>

namespace kvtest {

namespace {

MessageLog* current = nullptr;

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

LRESULT CALLBACK MessageLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && current != nullptr &&
        current->filter_(call->hwnd, call->message, call->wParam, call->lParam)) {
        current->lines_.push_back(std::to_string(::GetDlgCtrlID(call->hwnd)) + " " +
                                  std::to_string(call->message));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace kvtest
