// The main window's first start at 120 and 144 dots per inch (a picture in
// dpi/<resolution>.bmp). Wine reads the resolution when a process starts, so
// the test runs itself again under each.
#include "app/MainDialog.h"
#include "core/RecordListSettings.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/WindowImage.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

using kolvane::MainDialog;

namespace {

constexpr char ChildVariable[] = "KV_DPI_CHILD";
const char* const ResolutionKeys[] = {
    "Control Panel\\Desktop",                                          // HKEY_CURRENT_USER
    "System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts", // HKEY_LOCAL_MACHINE
};

void SetResolution(DWORD dpi) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, ResolutionKeys[0], "LogPixels", REG_DWORD, &dpi,
                      sizeof(dpi));
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, ResolutionKeys[1], "LogPixels", REG_DWORD, &dpi,
                      sizeof(dpi));
}

// This test program again, with only this test, at the resolution given.
DWORD RunAt(int dpi) {
    SetResolution(static_cast<DWORD>(dpi));
    ::SetEnvironmentVariableA(ChildVariable, std::to_string(dpi).c_str());
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string commandLine = std::string("\"") + path + "\" --gtest_filter=HighDpi.*";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    DWORD code = 1;
    if (::CreateProcessA(path, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                         &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, 120000);
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::SetEnvironmentVariableA(ChildVariable, nullptr);
    SetResolution(96);
    return code;
}

void CheckTheFirstStartAt(int dpi) {
    HDC screen = ::GetDC(nullptr);
    ASSERT_EQ(::GetDeviceCaps(screen, LOGPIXELSX), dpi) << "the resolution did not take";
    ::ReleaseDC(nullptr, screen);

    MainDialog main; // the test application's settings: none stored yet
    ASSERT_TRUE(main.Create(nullptr));
    ::ShowWindow(main.Handle(), SW_SHOWNORMAL);
    kvtest::Drain(main);

    ::CreateDirectoryA("dpi", nullptr);
    kvtest::SaveWindowImage(main.Handle(), "dpi/" + std::to_string(dpi) + ".bmp");
    const RECT outer = main.WindowRect();
    EXPECT_GE(outer.right - outer.left, main.Metrics().minimumWidth);
    EXPECT_GE(outer.bottom - outer.top, main.Metrics().minimumHeight);
    EXPECT_LE(outer.right, ::GetSystemMetrics(SM_CXSCREEN)) << "wider than the screen";
    EXPECT_LE(outer.bottom, ::GetSystemMetrics(SM_CYSCREEN)) << "higher than the screen";
    const RECT client = main.ClientRect();
    for (const int id : {MainDialog::ListId, MainDialog::TracksId, MainDialog::NotesId,
                         MainDialog::StatusId}) {
        const RECT r = main.Item(id).RectInParent();
        EXPECT_LT(r.left, r.right) << id;
        EXPECT_LT(r.top, r.bottom) << id;
        EXPECT_LE(r.right, client.right) << id << " reaches past the window";
        EXPECT_LE(r.bottom, client.bottom) << id << " reaches past the window";
    }
    HWND list = main.ListControl().Handle();
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(ListView_GetColumnWidth(list, column),
                  ::MulDiv(kolvane::DefaultColumnWidths[column], dpi, 96))
            << "column " << column;
    EXPECT_EQ(::GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL, 0)
        << "the list scrolls sideways: the columns do not fit (see dpi/" << dpi << ".bmp)";
    ::DestroyWindow(main.Handle());
}

} // namespace

TEST(HighDpi, TheFirstStartShowsTheWholeLayoutWithScaledColumns) {
    if (const char* child = std::getenv(ChildVariable)) {
        CheckTheFirstStartAt(std::atoi(child));
        return;
    }
    for (const int dpi : {120, 144})
        EXPECT_EQ(RunAt(dpi), 0u) << "at " << dpi << " dpi (see the run's output above)";
}
