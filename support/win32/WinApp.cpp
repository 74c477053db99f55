#include "support/win32/WinApp.h"

#include "support/PathName.h"
#include "support/win32/DebugTrace.h"
#include "support/win32/Dialog.h"
#include "support/win32/ProgramPath.h"
#include "support/win32/RegistrySettingsStore.h"
#include "support/win32/SystemErrorText.h"
#include "support/win32/SystemDialogs.h"

#include <shellapi.h>

#include <vector>

namespace zul::Windows {

namespace {

// Starts the program associated with HTML files with the address.
bool LaunchProgram(HWND owner, const std::string& program, const std::string& address) {
    const HINSTANCE started =
        ::ShellExecuteA(owner, nullptr, program.c_str(), address.c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(started) > 32;
}

// HtmlHelpA lives in hhctrl.ocx; loading it on first use keeps the program
// free of an import library that not every tool chain ships.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT HhDisplayTopic = 0; // HH_DISPLAY_TOPIC

HWND CallHtmlHelp(HWND caller, const std::string& address) {
    HMODULE library = ::LoadLibraryA("hhctrl.ocx");
    if (library == nullptr) {
        return nullptr;
    }
    // Through void (*)(): the generic function type, so no signature is assumed
    // for the address before it gets its real one.
    auto function = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "HtmlHelpA")));
    return function != nullptr ? function(caller, address.c_str(), HhDisplayTopic, 0) : nullptr;
}

} // namespace

WinApp::WinApp() {
    helpHandler_ = &WinApp::HandleHelpRequest;
    helpContext_ = this;
}

WinApp::~WinApp() {
    settings_.reset();
}

WinApp* WinApp::Current() {
    return dynamic_cast<WinApp*>(ApplicationHost::Current());
}

int WinApp::Run() {
    if (InitInstance()) {
        MSG message{};
        while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
            Dialog* target = Dialog::FromHandle(::GetAncestor(message.hwnd, GA_ROOT));
            if (target == nullptr || !target->PreTranslateMessage(message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageA(&message);
            }
        }
    }
    return ExitInstance();
}

bool WinApp::InitInstance() {
    ParseCommandLine(::GetCommandLineA());
    const bool pathsSet = SetUpPaths();
    // A second start-up replaces the store. Without paths there is no base
    // key either, and no store: nothing is to land directly under Software.
    settings_.reset();
    if (pathsSet) {
        settings_ = std::make_unique<RegistrySettingsStore>(registryBaseKey_);
    }
    return pathsSet;
}

void WinApp::ParseCommandLine(const char* commandLine) {
    std::vector<std::string> arguments =
        SplitCommandLine(commandLine != nullptr ? commandLine : "");
    if (!arguments.empty()) {
        arguments.erase(arguments.begin()); // the program name
    }
    commandLine_ = ParseCommandLineArguments(arguments);
}

bool WinApp::SetUpPaths() {
    appName_ = LoadResourceText(Resources().applicationTitle);
    const std::string path = zul::Windows::ProgramPath();
    if (path.empty()) {
        return false;
    }
    programPath_ = path;
    programFolder_ = PathName(programPath_).FolderOf();
    registryBaseKey_ = "ZulApps\\" + appName_;
    PathName helpFile(programPath_);
    helpFile.SetExtension(".chm");
    compiledHelpFile_ = helpFile.FullPath();
    helpFolder_ = programFolder_ + "help\\";
    return true;
}

// A window that reads its file before it shows itself (the import windows)
// cannot hold a message: the box would appear in the middle of the screen,
// away from the program. The nearest shown window that owns it takes the box.
HWND WinApp::MessageOwner() const {
    const HWND parent = CurrentParentWindow();
    for (HWND owner = parent; owner != nullptr; owner = ::GetWindow(owner, GW_OWNER)) {
        if (::IsWindowVisible(owner)) {
            return owner;
        }
    }
    return parent;
}

int WinApp::ShowMessage(const std::string& text, MessageKind kind) {
    const UINT captionId =
        kind == MessageKind::Error ? Resources().errorCaption : Resources().warningCaption;
    MessageDialog box(MessageOwner(), text, LoadResourceText(captionId), kind);
    if (helpHandler_ != nullptr) {
        box.SetHelpHandler(helpHandler_, lastMessageId_, helpContext_);
    }
    return static_cast<int>(RunModal(box));
}

int WinApp::ShowTextWithoutHelp(const std::string& text) {
    // Free texts have no help page: the handler is away while the box is open.
    struct Away {
        HelpRequestHandler& handler;
        HelpRequestHandler saved;
        ~Away() { handler = saved; }
    } away{helpHandler_, helpHandler_};
    helpHandler_ = nullptr;
    return ShowMessage(text, MessageKind::Error);
}

int WinApp::ShowSystemError() {
    const DWORD code = ::GetLastError();
    return ShowTextWithoutHelp(SystemErrorText(code)); // literally: no format
}

INT_PTR WinApp::RunModal(Modal& dialog) {
    HWND owner = CurrentParentWindow();
    struct Restore {
        Window*& parent;
        Window* previous;
        ~Restore() { parent = previous; }
    } restore{currentParent_, currentParent_};
    if (Window* window = dialog.ParentWhileRunning()) {
        currentParent_ = window;
    }
    return dialog.ExecuteModal(owner, modalHook_);
}

void WinApp::SetMainWindow(Window* window) {
    mainWindow_ = window;
    currentParent_ = window;
}

HWND WinApp::CurrentParentWindow() const {
    return currentParent_ != nullptr ? currentParent_->Handle() : nullptr;
}

void WinApp::ForgetWindow(const Window* window) {
    if (currentParent_ == window) {
        currentParent_ = nullptr;
    }
    if (mainWindow_ == window) {
        mainWindow_ = nullptr;
    }
}

bool WinApp::RegisterHelpTopic(int messageId, const std::string& topic) {
    for (const auto& entry : helpTopics_) {
        if (entry.first == messageId) {
            return false;
        }
    }
    helpTopics_.emplace_back(messageId, topic);
    return true;
}

std::string WinApp::HelpTopicOf(int messageId) const {
    for (const auto& entry : helpTopics_) {
        if (entry.first == messageId) {
            return entry.second;
        }
    }
    return {};
}

void WinApp::HandleHelpRequest(HelpRequest request, int userValue, void* context,
                               MessageDialog*) {
    if (request == HelpRequest::Help && context != nullptr) {
        WinApp* app = static_cast<WinApp*>(context);
        app->ShowHelp(app->HelpTopicOf(userValue));
    }
}

void WinApp::ShowHelp(const std::string& topic) {
    if (helpMode_ == HelpPages) {
        ShowHelpPage(topic);
    } else {
        DisplayHHelp(topic);
    }
}

void WinApp::ShowHelpPage(const std::string& topic) {
    const std::string full = topic.empty() ? std::string("index.html") : topic;
    const size_t hash = full.rfind('#');
    const std::string page = hash == std::string::npos ? full : full.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? std::string() : full.substr(hash);
    const std::string pageFile = helpFolder_ + page;

    std::string address = "\"file:///";
    for (char c : pageFile) {
        address.push_back(c == '\\' ? '/' : c);
    }
    address += anchor;
    address += '"';

    // The system is asked about the page file itself; a missing file fails here.
    char program[MAX_PATH + 1] = {};
    bool shown =
        reinterpret_cast<INT_PTR>(::FindExecutableA(pageFile.c_str(), nullptr, program)) > 32;
    if (shown) {
        shown = helpLauncher_ ? helpLauncher_(program, address)
                              : LaunchProgram(CurrentParentWindow(), program, address);
    }
    if (!shown) {
        ShowSystemMessageBox(FormatText(LoadResourceText(Resources().helpPageFailed), pageFile.c_str()));
    }
}

void WinApp::DisplayHHelp(const std::string& topic) {
    const std::string address = compiledHelpFile_ + topic;
    DebugTrace("[zul::Windows::WinApp::DisplayHHelp] helpFile=\"%s\"\n", address.c_str());
    HWND caller = CurrentParentWindow();
    if (caller == nullptr) {
        caller = ::GetDesktopWindow();
    }
    if (CallHtmlHelp(caller, address) == nullptr) {
        ShowSystemMessageBox(FormatText(LoadResourceText(Resources().helpFileFailed), address.c_str()));
    }
}

void WinApp::ShowSystemMessageBox(const std::string& text) {
    SystemMessageBox box(text, appName_, MB_OK | MB_ICONSTOP);
    RunModal(box);
}

} // namespace zul::Windows
