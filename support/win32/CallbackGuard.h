#pragma once

#include <utility>

namespace zul::Windows {

// Shows the application's message for an unexpected error (FEHLER 000) for an
// exception that reached a window procedure or another callback of the system.
// Never throws; without an application object or its message, or when even
// the message cannot be shown, it beeps.
void ReportUnexpectedError() noexcept;

// Runs body and returns its result; an exception becomes FEHLER 000 and the
// result `failed`. Every procedure the system calls goes through this, so that
// no exception crosses into the system's code.
template <class Result, class Body> Result CallGuarded(Result failed, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportUnexpectedError();
        return failed;
    }
}

} // namespace zul::Windows
