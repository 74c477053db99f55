#pragma once

#include "support/CommandLine.h"
#include "support/FormatText.h"
#include "support/SettingsStore.h"
#include "support/win32/ApplicationHost.h"
#include "support/win32/MessageDialog.h"
#include "support/win32/Modal.h"
#include "support/win32/ResourceText.h"
#include "support/win32/Window.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zul::Windows {

// The application object: program and help folders, the per-user settings
// store, numbered messages, help and every modal run. There is one per
// process (Current); a later one stands in for the earlier one until it is
// destroyed, which tests use. The application hands over the ids of its texts
// (SetResources) before start-up.
class WinApp : public ApplicationHost {
public:
    enum HelpMode { CompiledHelp = 0, HelpPages = 1 };

    WinApp();
    ~WinApp() override;

    static WinApp* Current();

    // The process: InitInstance and, when it asks to go on, a message loop
    // until WM_QUIT; then ExitInstance, whose result is the exit code.
    int Run();
    // Base start-up: command line, paths, settings store. Derived
    // applications call it first and end at once when it fails.
    virtual bool InitInstance();
    virtual int ExitInstance() { return 0; }
    // Program path and the folders derived from it; fails without a path.
    virtual bool SetUpPaths();

    void ParseCommandLine(const char* commandLine);
    const CommandLineInfo& CommandLine() const { return commandLine_; }
    const std::string& ProgramPath() const { return programPath_; }
    const std::string& ProgramFolder() const { return programFolder_; }
    const std::string& HelpFolder() const { return helpFolder_; }
    const std::string& CompiledHelpFile() const { return compiledHelpFile_; }
    const std::string& RegistryBaseKey() const { return registryBaseKey_; }
    const std::string& AppName() const { return appName_; }
    SettingsStore* Settings() const { return settings_.get(); }

    // Numbered messages (string-table ids) and free-text errors; each returns
    // the box's result. Arguments are printf arguments for the text.
    template <class... Args> int ShowError(UINT messageId, Args... args) {
        lastMessageId_ = static_cast<int>(messageId);
        return ShowMessage(FormatText(LoadResourceText(messageId), args...), MessageKind::Error);
    }
    template <class... Args> int ShowWarning(UINT messageId, Args... args) {
        lastMessageId_ = static_cast<int>(messageId);
        return ShowMessage(FormatText(LoadResourceText(messageId), args...), MessageKind::Warning);
    }
    template <class... Args> int ShowErrorText(const std::string& format, Args... args) {
        return ShowTextWithoutHelp(FormatText(format, args...));
    }
    // The system's text for the calling thread's last error.
    int ShowSystemError();
    void ShowNumberedError(UINT messageId) override { ShowError(messageId); }
    int LastMessageId() const { return lastMessageId_; }

    // Every modal run: the dialog owns the messages raised while it runs.
    INT_PTR RunModal(Modal& dialog);
    void SetMainWindow(Window* window);
    Window* MainWindow() const { return mainWindow_; }
    // The owner of message boxes and dialogs now: the running modal dialog,
    // else the main window; null when neither has a window.
    HWND CurrentParentWindow() const;
    void ForgetWindow(const Window* window) override;

    // False when the id had a topic already (the first one stays).
    bool RegisterHelpTopic(int messageId, const std::string& topic);
    // Empty when the id has none.
    std::string HelpTopicOf(int messageId) const;

    void SetHelpMode(HelpMode mode) { helpMode_ = mode; }
    HelpMode GetHelpMode() const { return helpMode_; }
    void ShowHelp(const std::string& topic) override;
    void ShowHelpPage(const std::string& topic);
    void DisplayHHelp(const std::string& topic);

    // Test seams. The modal hook receives every modal run (Modal.h). The help
    // launcher replaces the start of the associated program (program found
    // by the system, address as its parameter) and reports success.
    void SetModalHook(ModalHook hook) { modalHook_ = std::move(hook); }
    using HelpLauncher =
        std::function<bool(const std::string& program, const std::string& address)>;
    void SetHelpLauncher(HelpLauncher launcher) { helpLauncher_ = std::move(launcher); }

protected:
    void SetRegistryBaseKey(const std::string& key) { registryBaseKey_ = key; }
    void SetHelpFolder(const std::string& folder) { helpFolder_ = folder; }

private:
    static void HandleHelpRequest(HelpRequest request, int userValue, void* context,
                                  MessageDialog* box);
    HWND MessageOwner() const;
    int ShowMessage(const std::string& text, MessageKind kind);
    int ShowTextWithoutHelp(const std::string& text);
    void ShowSystemMessageBox(const std::string& text);

    CommandLineInfo commandLine_;
    std::string programPath_;
    std::string programFolder_;
    std::string helpFolder_;
    std::string compiledHelpFile_;
    std::string registryBaseKey_;
    std::string appName_;
    std::unique_ptr<SettingsStore> settings_;

    HelpMode helpMode_ = CompiledHelp;
    Window* mainWindow_ = nullptr;
    Window* currentParent_ = nullptr;
    int lastMessageId_ = 0;
    HelpRequestHandler helpHandler_ = nullptr;
    void* helpContext_ = nullptr;
    std::vector<std::pair<int, std::string>> helpTopics_;

    ModalHook modalHook_;
    HelpLauncher helpLauncher_;
};

} // namespace zul::Windows
