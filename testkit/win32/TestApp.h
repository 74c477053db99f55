#pragma once

#include "support/win32/WinApp.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kvtest {

// Where the tests keep their settings: every test program has a registry key
// of its own, HKEY_CURRENT_USER\Software\KvTests\<program>-<process id>, which
// goes with everything beneath it when the program ends. Nothing a test does
// touches the settings of a real installation or of another test program.
// This is a base key for a registry settings store, below "Software": the
// program's test key, or a sub-key of it when a name is given.
std::string TestRegistryBase(const std::string& name = std::string());

// The program's help pages in the source tree, as a Windows path ending in
// a backslash, for SetHelpFolder.
std::string SourceHelpFolder();

// An application object of the program's kind (WinApp or one derived from it)
// started up as the program would, but with a registry base key of its own
// below the test program's key (TestRegistryBase), deleted when the object goes,
// and help pages recorded instead of opened in a browser. Nothing it does
// touches the settings of a real installation.
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

    // The page each help call asked for, from the help folder on: an address
    // ".../help/ref_dlg_main.html" in quotes reads "help/ref_dlg_main.html";
    // any other address as it is.
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

// The ids the framework's windows take their texts from in this test program.
// Each test program links one definition: the support tests their own
// resources', the program's tests the program's (ProgramTestResources.cpp).
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
