#include "testkit/win32/Pump.h"

#include "support/win32/Dialog.h"

namespace kvtest {

namespace {

bool DispatchOne(MSG& message, const PreTranslate& preTranslate) {
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (!preTranslate || !preTranslate(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

} // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs,
               const PreTranslate& preTranslate) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    MSG message{};
    while (!done()) {
        if (::GetTickCount64() >= end)
            return false;
        if (!DispatchOne(message, preTranslate))
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void Drain(const PreTranslate& preTranslate) {
    MSG message{};
    for (int i = 0; i < 10000 && DispatchOne(message, preTranslate); ++i) {
    }
}

void Drain(zul::Windows::Dialog& dialog) {
    Drain([&dialog](MSG& message) { return dialog.PreTranslateMessage(message); });
}

} // namespace kvtest
