#pragma once

// Windows driven as a person would: message pumps that always end, real input
// (SendInput) or keys posted to the focus, list rows, menus, a message log.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace zul::Windows {
class Dialog;
}

namespace kvtest {

using PreTranslate = std::function<bool(MSG&)>;

// Dispatches messages until done() holds (true) or the time is up (false).
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000,
               const PreTranslate& preTranslate = {});
// Dispatches what is queued now, input already sent included.
void Drain(const PreTranslate& preTranslate = {});
// As the program's loop: the dialog's own pre-translation, then dispatch.
void Drain(zul::Windows::Dialog& dialog);

void MoveCursor(POINT screen);
void MouseButton(bool down);
// Waits out the double-click time after a click nearby: two single clicks.
void Click(POINT screen);
void KeyState(WORD key, bool down);
void Key(WORD key, bool withControl = false);
void Type(const std::string& text);

enum Modifiers { NoModifier = 0, Ctrl = 1, Alt = 2, Shift = 4 };
// Key down and up posted to the focus in the dialog (or to the dialog).
void PostKey(zul::Windows::Dialog& dialog, UINT virtualKey);
// PostKey with the modifiers held in the thread's key state, handled at once
// through the dialog's own pre-translation.
void PressKey(zul::Windows::Dialog& dialog, UINT key, int modifiers = NoModifier);
// Tab until the control has the focus, at most once round the dialog.
bool TabTo(zul::Windows::Dialog& dialog, int id);

std::string CellText(HWND list, int row, int column);
// Column 0 of every row, top to bottom, joined by ",".
std::string ArtistColumn(HWND list);
std::vector<int> SelectedRows(HWND list);
int FocusedRow(HWND list);
// Exactly these rows selected and focused; the selection mark on the first.
void SelectRows(HWND list, std::initializer_list<int> rows);
// A point in a row's label, as a mouse message's lParam.
LPARAM RowPoint(HWND list, int row);
// Where a context menu opened by key begins: the label's lower left corner.
POINT RowMenuOrigin(HWND list, int row);
void ClickHeader(HWND list, int column);

bool MenuEnabled(HWND window, UINT command);
bool MenuChecked(HWND window, UINT command);
bool MenuPositionEnabled(HMENU menu, int position);
// "id text" per item, "-" per separator, a drop-down's items indented.
std::string MenuResource(UINT id);
void Command(HWND window, int id);
// A right click on a row; the context menu it opened as "1007+ 1005- "
// (id, enabled or not), closed without a choice.
std::string RowContextMenu(zul::Windows::Dialog& dialog, HWND list, int row);
struct OpenedMenu {
    std::string seen; // as RowContextMenu gives it
    POINT origin;     // its top left corner on the screen
};
// A key through the input queue, handled by the dialog's own loop.
OpenedMenu ContextMenuByKey(zul::Windows::Dialog& dialog, WORD key, bool withShift);

// "<control id> <message number>" per message the filter takes, in order.
class MessageLog {
public:
    using Filter = std::function<bool(HWND window, UINT message, WPARAM, LPARAM)>;
    explicit MessageLog(Filter filter);
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    ~MessageLog();
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    Filter filter_;
    HHOOK hook_ = nullptr;
    std::vector<std::string> lines_;
};

} // namespace kvtest
