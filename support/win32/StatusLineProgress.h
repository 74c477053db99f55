#pragma once

#include "support/Progress.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace zul::Windows {

// Shows how far a long file operation has come in the status line of the
// window that waits for it, as a text of the string table such as
// "Lade ... 42 %". A quick operation shows nothing: the first text comes once
// half a second has passed. The program has one thread, so the operation
// paints meanwhile: the status line at each new percentage, and whatever else
// needs it (a file dialog that just closed leaves its place behind). Input
// stays in the queue until the operation is done, so no key or click acts on
// a half-read collection. The status line gets its text back at the end.
class StatusLineProgress : public Progress {
public:
    // window: any window of the one the operation is for. When that has no
    // visible status line (an import window before it is shown, a dialog),
    // its owners are asked in turn.
    StatusLineProgress(HWND window, int formatId);
    ~StatusLineProgress();
    StatusLineProgress(const StatusLineProgress&) = delete;
    StatusLineProgress& operator=(const StatusLineProgress&) = delete;

    void Advance(std::uint64_t done, std::uint64_t total) override;

    // Milliseconds before the first text; tests make it 0.
    static DWORD delayMs;

private:
    HWND status_;
    int formatId_;
    DWORD start_;
    int shown_ = -1; // the percentage shown; -1 before the first text
    std::string previous_;
};

} // namespace zul::Windows
