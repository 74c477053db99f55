#pragma once

#include <windows.h>

namespace zul::Windows {

// Notifications and commands a dialog hands back to the control window that
// sent them, so that a control object handles its own notifications (the
// editable list its label editing, the splitter its drags). The numbering is
// the conventional OCM base, so no control answers it by accident.
constexpr UINT ReflectBase = WM_USER + 0x1C00;
constexpr UINT ReflectedNotify = ReflectBase + WM_NOTIFY;   // lParam: ReflectedMessage*
constexpr UINT ReflectedCommand = ReflectBase + WM_COMMAND; // lParam: ReflectedMessage*

// What the dialog passes with a reflected message. The control sets handled
// and result when it acted; the dialog's own handler for the notification
// still runs, and the control's result is used when the dialog has none.
struct ReflectedMessage {
    UINT message;  // WM_NOTIFY or WM_COMMAND
    WPARAM wParam; // as the parent received them
    LPARAM lParam;
    LRESULT result;
    bool handled;
};

} // namespace zul::Windows
