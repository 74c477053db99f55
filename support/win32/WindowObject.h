#pragma once

#include "support/win32/Window.h"

#include <windows.h>

namespace zul::Windows {

// A window whose messages an object of ours handles: a window of a class of
// our own (CreateOwnWindow), or an existing control subclassed the classic way
// (Subclass: the window procedure replaced with SetWindowLongPtrA, the object
// in GWLP_USERDATA). Both reach the object through one guarded procedure, so
// an exception in a handler becomes FEHLER 000 as everywhere else.
//
// Classic subclassing rather than SetWindowSubclass: under Wine every message
// through a comctl32 subclass costs two window-property lookups, each a round
// trip to the wineserver, which made a list of 100,000 entries fill in seconds
// instead of a fraction of one.
//
// A parent reflects the notifications and commands of its children to their
// objects with a direct call (ReflectNotify, ReflectCommand), not a message.
class WindowObject : public Window {
public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;
    // Gives a subclassed control its own procedure back.
    virtual ~WindowObject();

    // The object of a window handled by this procedure, or null.
    static WindowObject* FromHandle(HWND window);

    // A notification or command of this window, handed back by its parent.
    // true: handled, with result as the answer when the parent has none.
    virtual bool OnReflectedNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnReflectedCommand(int /*code*/, LRESULT& /*result*/) { return false; }
    // Keys the control wants for itself before the dialog's accelerators and
    // dialog keys see them (an editor's Enter, Escape, Delete, Ctrl keys).
    virtual bool ClaimsKey(const MSG& /*message*/) const { return false; }

protected:
    // Takes over an existing window; false when it has an object already.
    bool Subclass(HWND window);
    // Gives the window its own procedure back and lets go of it.
    void Unsubclass();
    // A window of a class registered with this procedure (registered on first
    // use; cursor and background as given).
    HWND CreateOwnWindow(const char* className, HCURSOR cursor, HBRUSH background, DWORD exStyle,
                         DWORD style, const RECT& rect, HWND parent, int id);

    // Every message; the default hands it on to the window's own procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const;
    // After the window's last message (WM_NCDESTROY), when the object has let
    // go of it: an object that belongs to its window deletes itself here.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC previous_ = nullptr;
};

// What a parent does with the WM_NOTIFY and WM_COMMAND of a child: hand them
// to the child's object when it has one. true when the object handled them.
bool ReflectNotify(NMHDR& header, LRESULT& result);
bool ReflectCommand(HWND control, int code, LRESULT& result);

// True when the window a key message is for claims it (ClaimsKey).
bool ControlClaimsKey(const MSG& message);

} // namespace zul::Windows
