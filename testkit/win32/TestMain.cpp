// main() of every test program that runs under Wine: the common controls are
// registered once, as the program does at start, and one test application
// object stands for the program's for the whole run.
#include "testkit/win32/TestApp.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Without a window manager on the virtual display, Wine waits two seconds for
// one to withdraw each managed window that is hidden. Test programs (and only
// they, by their file name) get unmanaged windows. Wine reads the setting when
// the process starts: the first run in a new prefix writes it and runs the
// program again. Returns true when this process is to run the tests itself.
bool UseUnmanagedWindowsUnderWine(int& exitCode) {
    if (::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr)
        return true; // Windows itself
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    const std::string key = "Software\\Wine\\AppDefaults\\" + name + "\\X11 Driver";
    HKEY handle = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, &disposition) != ERROR_SUCCESS) {
        return true;
    }
    ::RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    ::RegCloseKey(handle);
    if (disposition != REG_CREATED_NEW_KEY)
        return true;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string commandLine = ::GetCommandLineA();
    if (!::CreateProcessA(path, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return true;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    exitCode = static_cast<int>(code);
    return false;
}

// A Wine prefix made without its HTML engine lacks the ".html" file type that
// every Windows has; the help tests need the system to find the associated
// program (winebrowser) for a page. Wine's HKEY_CLASSES_ROOT does not take in
// the user's classes, so it goes there. It stays in the prefix: test programs
// running at the same time must not take it from each other.
void EnsureHtmlFileType() {
    HKEY existing = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, ".html", 0, KEY_READ, &existing) == ERROR_SUCCESS) {
        ::RegCloseKey(existing);
        return;
    }
    ::RegSetKeyValueA(HKEY_CLASSES_ROOT, ".html", nullptr, REG_SZ, "htmlfile", 9);
}

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    if (!UseUnmanagedWindowsUnderWine(exitCode))
        return exitCode;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    EnsureHtmlFileType();
    kvtest::TestApp app;
    return RUN_ALL_TESTS();
}
