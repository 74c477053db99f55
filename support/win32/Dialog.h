#pragma once

#include "support/win32/CommandState.h"
#include "support/win32/Modal.h"
#include "support/win32/Window.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zul::Windows {

// A dialog window built from a dialog resource (or a template in memory).
//
// One static procedure keeps `this` in DWLP_USER from WM_INITDIALOG on and
// decodes each message into the typed handler below; a handler returns true
// when it dealt with the message, false leaves it to the system's default.
// Notifications and commands of controls are first reflected to the control's
// object (WindowObject.h). No exception leaves a handler: it becomes FEHLER 000
// and the dialog goes on.
//
// Each dialog has one table of its commands (AddCommands): a row's handler
// runs for its id from a menu, an accelerator or a button, and its state
// answers StateOf, which switches menus and buttons and refuses a disabled
// command from a menu or an accelerator.
//
// Modal runs go through WinApp::RunModal, which calls ExecuteModal: our own
// message loop, so that PreTranslateMessage (accelerators, dialog keys) sees
// every message of the dialog.
class Dialog : public Window, public Modal {
public:
    explicit Dialog(UINT templateId, HWND parent = nullptr);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    ~Dialog() override;

    UINT TemplateId() const { return templateId_; }

    INT_PTR ExecuteModal(HWND owner, const ModalHook& started) override;
    Window* ParentWhileRunning() override { return this; }
    bool IsRunningModal() const { return modal_; }

    // Modeless: creates the window, owned by parent (or the one given at construction).
    bool Create(HWND parent = nullptr);
    // Ends the modal run with the result; a modeless dialog is destroyed.
    void EndModal(INT_PTR result);
    INT_PTR Result() const { return result_; }

    // Translates a message for this dialog's windows before it is dispatched;
    // true = consumed. A key the focused control claims for itself (an
    // editor's Enter, Escape, Delete, Ctrl keys) goes to it at once; any other
    // message to TranslateKeys.
    bool PreTranslateMessage(MSG& message);

    // One row of the command table. Without a state function the command is
    // always enabled and never checked.
    struct CommandRow {
        int id;
        std::function<void()> handler;
        std::function<CommandState()> state = {};
    };

    // The state of a command now, from its row; enabled without one. Menu
    // items and accelerators of a disabled command do nothing.
    CommandState StateOf(int command) const;

    // Data exchange with the controls of the dialog.
    void BindItem(Window& control, int id) const { control.Attach(::GetDlgItem(window_, id)); }
    std::string ItemText(int id) const { return Item(id).GetText(); }
    bool SetItemText(int id, std::string_view text) const { return Item(id).SetText(text); }
    bool IsItemChecked(int id) const;
    void SetItemChecked(int id, bool on) const;

    // The dialog object of a window created by this framework, or null.
    static Dialog* FromHandle(HWND window);

protected:
    // A template in memory instead of the resource; it must outlive the window.
    void SetTemplate(const DLGTEMPLATE* memoryTemplate) { memoryTemplate_ = memoryTemplate; }

    // Accelerators and dialog keys; the base does the dialog keys (Tab, Enter,
    // Escape, mnemonics).
    virtual bool TranslateKeys(MSG& message);
    CommandStateOf StateFunction() const {
        return [this](int command) { return StateOf(command); };
    }

    // Adds rows to the command table. A row replaces an earlier one with its
    // id: a derived window adds its rows after its base, in its constructor.
    // The base has IDOK and IDCANCEL, which end the dialog through OnOK and
    // OnCancel.
    void AddCommands(std::initializer_list<CommandRow> rows);
    void AddCommand(const CommandRow& row);
    // Called before the handler of a row runs.
    virtual void OnCommandStarting(int /*id*/) {}

    // true: the system puts the focus on the first control.
    virtual bool OnInitDialog() { return true; }
    // Control notifications that are not commands of the table (a changed
    // selection, a changed text).
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual void OnOK() { EndModal(IDOK); }
    virtual void OnCancel() { EndModal(IDCANCEL); }
    // result: what the notification returns to the control.
    virtual bool OnNotify(int /*id*/, NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // Whether a notification goes to its control's object before OnNotify.
    // A dialog whose control sends a notification for each of many items
    // answers false for those its object does not handle: finding the object
    // costs a few calls into the window system for each notification.
    virtual bool ReflectsNotification(const NMHDR& /*header*/) const { return true; }
    virtual void OnSize(UINT /*kind*/, int /*width*/, int /*height*/) {}
    // edge: WMSZ_*; rect: the proposed window rectangle, corrected in place.
    virtual bool OnSizing(UINT /*edge*/, RECT& /*rect*/) { return false; }
    virtual bool OnGetMinMaxInfo(MINMAXINFO& /*info*/) { return false; }
    // false: the system turns the close box into IDCANCEL.
    virtual bool OnClose() { return false; }
    virtual void OnDestroy() {}
    virtual bool OnContextMenu(HWND /*window*/, POINT /*screen*/) { return false; }
    virtual bool OnHelp(HELPINFO& /*info*/) { return false; }
    // Every other message.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool CreateWindowFor(HWND parent);
    const CommandRow* FindCommand(int id) const;
    // Runs the row of the id for a menu, an accelerator or a button; false
    // when there is none or the code is another notification.
    bool RunCommand(int id, int code);
    void RunLoop(const ModalHook& started);

    UINT templateId_;
    HWND parent_;
    const DLGTEMPLATE* memoryTemplate_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = IDCANCEL;
    std::vector<CommandRow> commands_;
};

} // namespace zul::Windows
