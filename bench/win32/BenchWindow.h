// What the record list benchmarks share: their clock, a message pump and the
// program's record list window, with the main window's dialog resource and
// no settings.
#pragma once

#include "core/win32/RecordListDialog.h"

#include <windows.h>

#include <chrono>

namespace kvbench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Handles every message waiting.
inline void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

class ListWindow : public kolvane::RecordListDialog {
public:
    explicit ListWindow(const char* section) : RecordListDialog(section, IDD_MAIN, 0) {}

protected:
    zul::SettingsStore* Settings() const override { return nullptr; }
};

} // namespace kvbench
