#include "support/win32/WindowObject.h"

#include "support/win32/CallbackGuard.h"

namespace zul::Windows {

WindowObject::~WindowObject() {
    Unsubclass();
}

WindowObject* WindowObject::FromHandle(HWND window) {
    if (window == nullptr ||
        ::GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure)) {
        return nullptr;
    }
    return reinterpret_cast<WindowObject*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool WindowObject::Subclass(HWND window) {
    if (window == nullptr || window_ != nullptr || FromHandle(window) != nullptr) {
        return false;
    }
    window_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    return true;
}

void WindowObject::Unsubclass() {
    HWND window = window_;
    window_ = nullptr;
    if (window == nullptr || !::IsWindow(window) || FromHandle(window) != this) {
        return;
    }
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

HWND WindowObject::CreateOwnWindow(const char* className, HCURSOR cursor, HBRUSH background,
                                   DWORD exStyle, DWORD style, const RECT& rect, HWND parent,
                                   int id) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExA(instance, className, &windowClass)) {
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        if (::RegisterClassExA(&windowClass) == 0) {
            return nullptr;
        }
    }
    previous_ = &::DefWindowProcA;
    // WM_NCCREATE attaches the window to this object (Procedure).
    ::CreateWindowExA(exStyle, className, "", style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return window_;
}

LRESULT WindowObject::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallDefault(message, wParam, lParam);
}

LRESULT WindowObject::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::CallWindowProcA(previous_, window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowObject::Procedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* self = static_cast<WindowObject*>(created->lpCreateParams);
        if (self != nullptr && self->window_ == nullptr) {
            self->window_ = window;
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    auto* self = reinterpret_cast<WindowObject*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    const LRESULT result =
        CallGuarded<LRESULT>(0, [&] { return self->HandleMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        // The window is gone: the object lets go of it (and may go itself).
        if (self->previous_ != &::DefWindowProcA) {
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->previous_));
        }
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->OnFinalMessage();
    }
    return result;
}

bool ReflectNotify(NMHDR& header, LRESULT& result) {
    WindowObject* control = WindowObject::FromHandle(header.hwndFrom);
    return control != nullptr && control->OnReflectedNotify(header, result);
}

bool ReflectCommand(HWND control, int code, LRESULT& result) {
    WindowObject* object = WindowObject::FromHandle(control);
    return object != nullptr && object->OnReflectedCommand(code, result);
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
    const WindowObject* control = WindowObject::FromHandle(message.hwnd);
    return control != nullptr && control->ClaimsKey(message);
}

} // namespace zul::Windows
