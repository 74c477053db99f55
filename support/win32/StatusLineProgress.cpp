#include "support/win32/StatusLineProgress.h"

#include "support/FormatText.h"
#include "support/win32/ApplicationHost.h"
#include "support/win32/ResourceText.h"

namespace zul::Windows {

DWORD StatusLineProgress::delayMs = 500;

namespace {

HWND VisibleStatusLine(HWND window) {
    const int statusId = ApplicationHost::CurrentResources().statusLine;
    if (statusId == 0)
        return nullptr;
    for (HWND w = window ? ::GetAncestor(window, GA_ROOT) : nullptr; w != nullptr;
         w = ::GetWindow(w, GW_OWNER)) {
        HWND status = ::GetDlgItem(w, statusId);
        if (status != nullptr && ::IsWindowVisible(w))
            return status;
    }
    return nullptr;
}

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Paints what waits for it. Only paint messages are taken from the queue; a
// window that never stops asking cannot hold the operation up.
void PaintWaitingWindows() {
    MSG message;
    for (int i = 0; i < 100 && ::PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
         ++i)
        ::DispatchMessageA(&message);
}

} // namespace

StatusLineProgress::StatusLineProgress(HWND window, int formatId)
    : status_(VisibleStatusLine(window)), formatId_(formatId), start_(::GetTickCount()) {}

StatusLineProgress::~StatusLineProgress() {
    if (shown_ >= 0 && ::IsWindow(status_)) {
        ::SetWindowTextA(status_, previous_.c_str());
        ::UpdateWindow(status_);
    }
}

void StatusLineProgress::Advance(std::uint64_t done, std::uint64_t total) {
    if (status_ == nullptr || total == 0 || ::GetTickCount() - start_ < delayMs)
        return;
    const int percent = static_cast<int>((done < total ? done : total) * 100 / total);
    if (percent == shown_)
        return;
    if (shown_ < 0)
        previous_ = TextOf(status_);
    shown_ = percent;
    ::SetWindowTextA(status_, FormatText(LoadResourceText(formatId_), percent).c_str());
    ::UpdateWindow(status_);
    PaintWaitingWindows();
}

} // namespace zul::Windows
