#pragma once

#include <windows.h>

namespace zul::Windows {

// The hourglass while a file is read or written; the previous cursor comes
// back when the object goes out of scope, also on an exception.
class WaitCursor {
public:
    WaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { ::SetCursor(previous_); }

    // Shows it again, for instance after a dialog took the cursor.
    void Restore() const { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }

private:
    HCURSOR previous_;
};

} // namespace zul::Windows
