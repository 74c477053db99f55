#pragma once

#include <windows.h>

namespace zul::Windows {

// Some controls need keys that a dialog would otherwise take for itself: the
// cell editor of a list wants Enter, Escape, Delete and every Ctrl key, which
// the dialog would turn into accelerator commands or default-button presses.
// A dialog's message pre-translation therefore asks the window a key message
// is for before anything else; when it claims the message, the message is
// translated and dispatched to it directly, past accelerators and dialog keys.

// The registered message a control answers with nonzero to claim a key
// message; wParam 0, lParam the const MSG* in question.
UINT KeyClaimMessage();

// True when the window the key message is addressed to claims it.
bool ControlClaimsKey(const MSG& message);

} // namespace zul::Windows
