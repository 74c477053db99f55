#pragma once

// Mouse and keyboard input for tests: real input through the system's input
// queue (SendInput, SetCursorPos), or key messages posted to the window with
// the focus while the modifiers are held in the thread's key state.
#include <windows.h>

#include <string>

namespace zul::Windows {
class Dialog;
}

namespace kvtest {

void MoveCursor(POINT screen);
void MouseButton(bool down);
// A click at the point; waits out the double-click time after a previous
// click, so that two clicks are two single clicks.
void Click(POINT screen);
void KeyState(WORD key, bool down);
void Key(WORD key, bool withControl = false);
void Type(const std::string& text);

enum Modifiers { NoModifier = 0, Ctrl = 1, Alt = 2, Shift = 4 };

// Posts the key down and up to the window with the focus in the dialog (or the
// dialog), as a keyboard would; handled once the modal loop runs again.
void PostKey(zul::Windows::Dialog& dialog, UINT virtualKey);
// A key pressed as on the keyboard: the modifiers held down in the thread's
// key state while the key's messages go through the dialog's own
// pre-translation to the window with the focus.
void PressKey(zul::Windows::Dialog& dialog, UINT key, int modifiers = NoModifier);
// Tab pressed until the control with that id has the focus (at most once
// round the dialog); reports whether it got there.
bool TabTo(zul::Windows::Dialog& dialog, int id);

} // namespace kvtest
