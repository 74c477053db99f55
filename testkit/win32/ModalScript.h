#pragma once

#include "support/win32/Dialog.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WinApp.h"
#include "testkit/win32/Input.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kvtest {

// What a file dialog offers; it starts without a file name.
struct FileDialogOffer {
    zul::Windows::FileDialog::Kind kind;
    std::string filter;
    std::string extension; // the default extension
    DWORD flags;
    std::string folder; // where it starts
};
// The flags of the program's dialogs that open a file for reading.
inline constexpr DWORD OpenForReading =
    OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_READONLY;

// Answers a test's modal runs in order. An answer for one of our dialogs runs
// once its window exists and must end it; a dialog still open at the time
// limit, or a modal run with no answer left, is cancelled and fails the test.
// System dialogs are shown only when asked. No test can hang on a dialog.
class ModalScript {
public:
    using DialogAction = std::function<void(zul::Windows::Dialog&)>;
    using SystemAction = std::function<void(zul::Windows::SystemDialog&)>;

    explicit ModalScript(zul::Windows::WinApp& app = *zul::Windows::WinApp::Current(),
                         UINT timeoutMs = 10000);
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;
    ~ModalScript(); // answers left over fail the test

    ModalScript& Then(DialogAction action);
    ModalScript& ThenSystem(SystemAction action);
    ModalScript& Press(int buttonId);
    // A message box with exactly this text (or string-table entry): pressed with buttonId.
    ModalScript& ExpectMessage(const std::string& text, int buttonId = IDOK);
    ModalScript& ExpectMessage(UINT stringId, int buttonId = IDOK);
    ModalScript& ChooseFile(const std::string& path);
    // A file dialog that must offer exactly this: answered with the path, or
    // cancelled when the path is empty.
    ModalScript& ExpectFileDialog(const FileDialogOffer& offer, const std::string& path);
    ModalScript& CancelSystemDialog();
    // Shown for real: the test drives and ends it itself.
    ModalScript& ShowSystemDialog();

    bool Finished() const { return answers_.empty(); }
    // One line per modal run seen, in order ("dialog 101", "message FEHLER: ...").
    const std::vector<std::string>& Seen() const { return seen_; }

private:
    struct Answer {
        DialogAction dialog;
        SystemAction system;
        bool shown = false; // a system dialog left unanswered on purpose
    };
    void Handle(zul::Windows::Modal& modal);

    zul::Windows::WinApp& app_;
    UINT timeoutMs_;
    std::deque<Answer> answers_;
    std::vector<std::string> seen_;
};

// A real click (BM_CLICK) on a button that must exist, be visible and enabled.
void Press(zul::Windows::Dialog& dialog, int buttonId);
// In Z order.
std::vector<HWND> ChildWindows(HWND parent);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);

} // namespace kvtest
