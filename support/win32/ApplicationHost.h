#pragma once

#include <windows.h>

#include <string>

namespace zul::Windows {

class Window;

// The ids of the application's resources that the framework's own windows
// use. The framework has no resources of its own: the application hands these
// over when it starts. 0 stands for none (an empty text, no help command).
struct FrameworkResources {
    UINT applicationTitle = 0; // the program's name: registry key, caption of system boxes
    UINT errorCaption = 0;     // the message box's captions and buttons
    UINT warningCaption = 0;
    UINT closeButton = 0;
    UINT helpButton = 0;
    UINT helpPageFailed = 0; // a help page or help file that cannot be shown (%s: its name)
    UINT helpFileFailed = 0;
    UINT unexpectedError = 0; // numbered error for an exception stopped in a callback
    UINT openPathTooLong = 0; // numbered errors for a name too long in the file dialogs
    UINT savePathTooLong = 0;
    int helpCommand = 0; // the dialogs' help command: their help button and F1
    int statusLine = 0;  // the control id of a window's status line (progress of long operations)
};

// The application object as the framework's windows see it (WinApp is the one
// kind): they show errors and help through it and tell it when they go,
// without knowing the application. The newest one is current until it is
// destroyed; tests nest them.
class ApplicationHost {
public:
    ApplicationHost(const ApplicationHost&) = delete;
    ApplicationHost& operator=(const ApplicationHost&) = delete;

    // Null without one.
    static ApplicationHost* Current();
    // The current one's resources; all 0 without one.
    static const FrameworkResources& CurrentResources();

    const FrameworkResources& Resources() const { return resources_; }
    void SetResources(const FrameworkResources& resources) { resources_ = resources; }

    // A numbered message (string id) as an error.
    virtual void ShowNumberedError(UINT messageId) = 0;
    // A page name, optionally with "#anchor"; empty = the start page.
    virtual void ShowHelp(const std::string& topic) = 0;
    // Called when a window object goes away, so that no pointer to it stays.
    virtual void ForgetWindow(const Window* window) = 0;

protected:
    ApplicationHost();
    virtual ~ApplicationHost();

private:
    ApplicationHost* previous_;
    FrameworkResources resources_;
};

} // namespace zul::Windows
