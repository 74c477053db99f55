// main() of every test program that runs under Wine.
#include "testkit/win32/TestApp.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Without a window manager Wine waits two seconds at each managed window that
// is hidden: test programs (by their file name) get unmanaged windows. Wine
// reads that when a process starts, so the first run in a prefix writes it and
// runs the program again; false when that run's exit code is to be returned.
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

// A prefix made without Wine's HTML engine lacks the ".html" file type the
// help tests need. Wine's HKEY_CLASSES_ROOT does not take in the user's
// classes, so it goes there, and stays: test programs run at the same time.
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
