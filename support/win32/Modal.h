#pragma once

#include <windows.h>

#include <functional>

namespace zul::Windows {

class Window;
class Modal;

// Called by WinApp::RunModal once a modal run has begun (see Modal::ExecuteModal).
// The program installs none; tests install one to answer the dialogs.
using ModalHook = std::function<void(Modal& dialog)>;

// Anything WinApp::RunModal runs: our dialogs, the message box and the system's
// common dialogs. Callers create the object, hand it to RunModal and read its
// out values afterwards; they never touch its window.
class Modal {
public:
    virtual ~Modal() = default;

    // Runs modally, owned by owner (may be null), and returns the result. When
    // `started` is set it is called once: for a dialog window of ours as soon
    // as the window exists and its message queue is idle, from within the
    // modal loop; for a system dialog before it is shown (SystemDialog).
    virtual INT_PTR ExecuteModal(HWND owner, const ModalHook& started) = 0;

    // The window that owns messages raised while this runs; none for the
    // system's dialogs, whose window belongs to the system.
    virtual Window* ParentWhileRunning() { return nullptr; }
};

} // namespace zul::Windows
