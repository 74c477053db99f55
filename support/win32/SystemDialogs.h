#pragma once

#include "support/win32/Modal.h"
#include "support/win32/Window.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <utility>

namespace zul::Windows {

// A dialog of the system (file, print, system message box) run through
// WinApp::RunModal. A test answers it before it is shown (Answer); the
// program itself never does.
class SystemDialog : public Modal {
public:
    INT_PTR ExecuteModal(HWND owner, const ModalHook& started) final;

    // The run ends with result without showing anything.
    void Answer(INT_PTR result) {
        answered_ = true;
        answer_ = result;
    }
    bool IsAnswered() const { return answered_; }

protected:
    virtual INT_PTR Show(HWND owner) = 0;
    // Whether the dialog would have closed with this answer; when not, the
    // test is asked for another one, as the person at a shown dialog would be.
    virtual bool TakesAnswer(INT_PTR) { return true; }

private:
    bool answered_ = false;
    INT_PTR answer_ = IDCANCEL;
};

// The common open or save dialog. Result IDOK with Path() set, or IDCANCEL.
//
// A name that would make a path longer than the program can use is refused in
// the dialog itself, with FEHLER 008 (open) or FEHLER 012 (save): the dialog
// stays open for another name. The system's dialog builds the path in a buffer
// of MAX_PATH characters and under Wine overruns it (the program crashed on a
// typed name of 240 characters). So is a path the caller's check refuses.
class FileDialog : public SystemDialog {
public:
    enum class Kind { Open, Save };

    // filter: pairs separated by "|" and ending with "||", as in the string table.
    FileDialog(Kind kind, const std::string& filter, const std::string& defaultExtension,
               const std::string& fileName, DWORD flags);

    Kind GetKind() const { return kind_; }
    DWORD Flags() const { return flags_; }
    const std::string& Filter() const { return filter_; }
    const std::string& DefaultExtension() const { return defaultExtension_; }
    const std::string& InitialFolder() const { return initialFolder_; }
    void SetInitialFolder(const std::string& folder) { initialFolder_ = folder; }
    void SetTitle(const std::string& title) { title_ = title; }
    // Looks at the chosen full path before the dialog closes; false (after a
    // message of its own) keeps the dialog open for another name.
    using PathCheck = std::function<bool(const std::string& path)>;
    void SetPathCheck(PathCheck check) { pathCheck_ = std::move(check); }

    // The chosen full path after IDOK; the initial file name before.
    const std::string& Path() const { return path_; }
    // For tests: the run ends with IDOK and this path.
    void AnswerPath(const std::string& path) {
        path_ = path;
        Answer(IDOK);
    }

    // The dialog's window while it is shown: messages raised then belong to it.
    Window* ParentWhileRunning() override { return &window_; }

protected:
    INT_PTR Show(HWND owner) override;
    bool TakesAnswer(INT_PTR result) override;

private:
    static UINT_PTR CALLBACK HookProcedure(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GuardProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam);
    void Guard(HWND window);
    // False (after the message) when OK would hand the dialog a path too long.
    bool AcceptsName();

    Window window_;
    WNDPROC dialogProcedure_ = nullptr;
    Kind kind_;
    std::string filter_;
    std::string defaultExtension_;
    std::string initialFolder_;
    std::string title_;
    std::string path_;
    std::string initialName_;
    DWORD flags_;
    PathCheck pathCheck_;
};

// The system's print dialog. The caller fills Data() before the run and owns
// the device context and the handles it returns.
class PrintDialog : public SystemDialog {
public:
    PrintDialog();
    PRINTDLGA& Data() { return data_; }

protected:
    INT_PTR Show(HWND owner) override;

private:
    PRINTDLGA data_;
};

// The system's message box (MessageBoxA); result IDOK and so on.
class SystemMessageBox : public SystemDialog {
public:
    SystemMessageBox(std::string text, std::string caption, UINT type)
        : text_(std::move(text)), caption_(std::move(caption)), type_(type) {}
    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return caption_; }
    UINT Type() const { return type_; }

protected:
    INT_PTR Show(HWND owner) override;

private:
    std::string text_;
    std::string caption_;
    UINT type_;
};

} // namespace zul::Windows
