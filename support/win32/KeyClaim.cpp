#include "support/win32/KeyClaim.h"

namespace zul::Windows {

UINT KeyClaimMessage() {
    static const UINT message = ::RegisterWindowMessageA("ZulControlClaimsKey");
    return message;
}

bool ControlClaimsKey(const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        break;
    default:
        return false;
    }
    return message.hwnd != nullptr && ::SendMessageA(message.hwnd, KeyClaimMessage(), 0,
                                                     reinterpret_cast<LPARAM>(&message)) != 0;
}

} // namespace zul::Windows
