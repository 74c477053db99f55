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

// Says nothing: for a look at a file whose outcome alone counts.
class SilentReporter : public MessageReporter {
public:
    void ReportError(int) override {}
    void ReportWarning(int) override {}
};

} // namespace zul
