#include "support/win32/CallbackGuard.h"

#include "support/win32/ApplicationHost.h"

#include <windows.h>

namespace zul::Windows {

namespace {

// Set while FEHLER 000 is on screen: a second failure meanwhile (say, in a
// window that paints behind the box) only beeps instead of piling up boxes.
bool reporting = false;

} // namespace

void ReportUnexpectedError() noexcept {
    if (reporting) {
        ::MessageBeep(MB_ICONHAND);
        return;
    }
    reporting = true;
    try {
        // A message id comes only with an application object to show it.
        const UINT message = ApplicationHost::CurrentResources().unexpectedError;
        if (message != 0) {
            ApplicationHost::Current()->ShowNumberedError(message);
        } else {
            ::MessageBeep(MB_ICONHAND);
        }
    } catch (...) {
        ::MessageBeep(MB_ICONHAND); // not even the message could be shown
    }
    reporting = false;
}

} // namespace zul::Windows
