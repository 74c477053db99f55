#pragma once

// Message pumps for tests that always end.
#include <windows.h>

#include <functional>

namespace zul::Windows {
class Dialog;
}

namespace kvtest {

using PreTranslate = std::function<bool(MSG&)>;

// Dispatches the thread's messages until done() holds or the time is up;
// reports whether done() held. preTranslate may consume a message first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000,
               const PreTranslate& preTranslate = {});
// Dispatches what is queued now (input already sent included) and returns.
void Drain(const PreTranslate& preTranslate = {});
// What the program's loop does with what is queued now: the dialog's own
// pre-translation (claimed keys, accelerators, dialog keys), then dispatch.
void Drain(zul::Windows::Dialog& dialog);

} // namespace kvtest
