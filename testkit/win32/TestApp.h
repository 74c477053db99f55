#pragma once

#include "support/win32/WinApp.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kvtest {

// The test program's own settings key below "Software" (removed at its end,
// so that no test touches a real installation's), or a sub-key of it.
std::string TestRegistryBase(const std::string& name = std::string());

// The help pages in the source tree, for SetHelpFolder.
std::string SourceHelpFolder();

// An application object with a registry base key of its own below
// TestRegistryBase(), deleted with it, and help pages recorded, not opened.
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
        std::string address;
    };
    std::vector<HelpCall> helpCalls;

    // A quoted address ".../help/x.html" as "help/x.html", any other as it is.
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

// Each test program links one (the program's: ProgramTestResources.cpp).
zul::Windows::FrameworkResources TestFrameworkResources();

// TestMain's application object for the whole run; one a test creates stands
// in for it while it lives.
class TestApp : public IsolatedApp<zul::Windows::WinApp> {
public:
    TestApp() {
        SetResources(TestFrameworkResources());
        InitInstance();
        SetHelpMode(HelpPages);
    }
};

} // namespace kvtest
