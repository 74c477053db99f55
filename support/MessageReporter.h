#pragma once

namespace zul {

// How code without user interface raises a numbered message: the Win32 program
// shows it (WinApp::ShowError / ShowWarning), tests record the ids.
class MessageReporter {
public:
    virtual ~MessageReporter() = default;
    virtual void ReportError(int messageId) = 0;
    virtual void ReportWarning(int messageId) = 0;
};

} // namespace zul
