#pragma once

#include <windows.h>

#include <functional>

namespace zul::Windows {

// Whether a command can be given now and whether it carries a check mark.
// Each window answers this for its command ids in one function (its table),
// and the same answer switches its menu bar, its context menus, its buttons
// and lets the accelerator path refuse a disabled command.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

using CommandStateOf = std::function<CommandState(int command)>;

// Every command item of the menu and its drop-downs enabled (or greyed) and
// checked as its state says; a drop-down is enabled while one of its items is.
// Returns whether any item of the menu is enabled.
bool ApplyCommandStates(HMENU menu, const CommandStateOf& stateOf);

// The same for a window's menu bar; returns whether an item of the bar itself
// changed, so that the bar has to be drawn again.
bool ApplyCommandStatesToMenuBar(HMENU menu, const CommandStateOf& stateOf);

// The push buttons among the window's children enabled as the states of their
// ids say; a focused button that is disabled hands the focus to the next
// control of the window's tab order.
void ApplyCommandStatesToButtons(HWND window, const CommandStateOf& stateOf);

} // namespace zul::Windows
