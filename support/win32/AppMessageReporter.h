#pragma once

#include "support/MessageReporter.h"
#include "support/win32/WinApp.h"

namespace zul::Windows {

// Numbered messages of code without user interface, shown by the application.
class AppMessageReporter : public MessageReporter {
public:
    explicit AppMessageReporter(WinApp& app) : app_(app) {}
    void ReportError(int messageId) override { app_.ShowError(static_cast<UINT>(messageId)); }
    void ReportWarning(int messageId) override { app_.ShowWarning(static_cast<UINT>(messageId)); }

private:
    WinApp& app_;
};

} // namespace zul::Windows
