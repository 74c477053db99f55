// The program's manifest, in the test programs as in Kolvane.exe.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

TEST(Manifest, ButtonsComeFromCommonControlsSixAndTheProgramIsDpiAware) {
    HMODULE self = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(self, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(self, found)));
    const std::string manifest(data, ::SizeofResource(self, found));
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);

    HWND button = ::CreateWindowExA(0, "BUTTON", "Schlie\xDF" "en", WS_POPUP | BS_PUSHBUTTON, 0, 0,
                                    80, 24, nullptr, nullptr, self, nullptr);
    ASSERT_NE(button, nullptr);
    // Only the buttons of version 6 answer the question for their ideal size.
    SIZE ideal{};
    const LRESULT answered =
        ::SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    ::DestroyWindow(button);
    EXPECT_TRUE(answered);
    EXPECT_GT(ideal.cx, 0);
}
