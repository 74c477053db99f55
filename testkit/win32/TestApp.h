#pragma once

#include "support/win32/WinApp.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kvtest {

// Every test program keeps its settings under a registry key of its own,
// HKEY_CURRENT_USER\Software\KvTests\<program>-<process id>, removed when the
// program ends, so that no test touches a real installation's settings. This
// is that key below "Software", or a sub-key of it when a name is given.
std::string TestRegistryBase(const std::string& name = std::string());

// The program's help pages in the source tree, as a Windows path ending in
// a backslash, for SetHelpFolder.
std::string SourceHelpFolder();

// An application object of the program's kind started up as the program
// would, but with a registry base key of its own below TestRegistryBase(),
// deleted when the object goes, and help pages recorded instead of opened.
template <class App> class IsolatedApp : public App {
public:
    IsolatedApp() {
        this->SetHelpLauncher([this](const std::string& program, const std::string& address) {
            helpCalls.push_back({program, address});
            return true;
        });
    }
    ~IsolatedApp() override {
        const std::string key = "Software\\" + this->RegistryBaseKey();
        if (key.rfind("Software\\" + TestRegistryBase(), 0) == 0) {
            ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
            ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
        }
    }

    bool SetUpPaths() override {
        const bool result = App::SetUpPaths();
        this->SetRegistryBaseKey(TestRegistryBase("App" + std::to_string(++instances)));
        return result;
    }
    using App::SetHelpFolder;

    struct HelpCall {
        std::string program; // the associated program the system found
        std::string address; // its parameter
    };
    std::vector<HelpCall> helpCalls;

    // The page each help call asked for: a quoted address ".../help/x.html"
    // reads "help/x.html", any other address as it is.
    std::vector<std::string> PagesAsked() const {
        std::vector<std::string> pages;
        for (const HelpCall& call : helpCalls) {
            const std::string& address = call.address;
            const std::size_t folder = address.rfind("/help/");
            const bool quoted =
                address.size() > 2 && address.front() == '"' && address.back() == '"';
            pages.push_back(quoted && folder != std::string::npos
                                ? address.substr(folder + 1, address.size() - folder - 2)
                                : address);
        }
        return pages;
    }

private:
    static inline unsigned instances = 0;
};

// The ids the framework's windows take their texts from: each test program
// links one definition (the program's tests ProgramTestResources.cpp).
zul::Windows::FrameworkResources TestFrameworkResources();

// The application object of the support tests: WinApp started up, help in
// page mode. TestMain creates one for the whole run; a test may create its
// own, which stands in for that one while it lives.
class TestApp : public IsolatedApp<zul::Windows::WinApp> {
public:
    TestApp() {
        SetResources(TestFrameworkResources());
        InitInstance();
        SetHelpMode(HelpPages);
    }
};

} // namespace kvtest
