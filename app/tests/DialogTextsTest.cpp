// Measured in the real dialog; each is also saved as a picture to look at
// (dialogs/<id>.bmp beside the test program).
#include "resources/resource.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/WindowImage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

BOOL CALLBACK AddDialog(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<UINT>*>(ids)->push_back(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

// What a text needs to show whole in its control, or nothing to check.
struct Need {
    bool check = false;
    bool wraps = false; // word-wrapped over several lines
    int extra = 0;      // besides the text: a check box, a button's frame
};

Need NeedOf(HWND control) {
    const std::string type = ClassName(control);
    const LONG_PTR style = ::GetWindowLongPtrA(control, GWL_STYLE);
    Need need;
    if (lstrcmpiA(type.c_str(), "Static") == 0) {
        const LONG_PTR kind = style & SS_TYPEMASK;
        need.check = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT ||
                     kind == SS_LEFTNOWORDWRAP || kind == SS_SIMPLE;
        need.wraps = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
    } else if (lstrcmpiA(type.c_str(), "Button") == 0) {
        const LONG_PTR kind = style & BS_TYPEMASK;
        const bool box = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX ||
                         kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON ||
                         kind == BS_3STATE || kind == BS_AUTO3STATE;
        need.check = box || kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
        // The box and the gap before its text; a push button's frame.
        need.extra = box ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4 : 4;
    }
    return need;
}

} // namespace

TEST(DialogTexts, EveryTextOfEveryDialogFitsItsBox) {
    std::vector<UINT> dialogs;
    ::EnumResourceNamesA(nullptr, RT_DIALOG, &AddDialog, reinterpret_cast<LONG_PTR>(&dialogs));
    ASSERT_GE(dialogs.size(), 5u);
    std::filesystem::create_directories("dialogs");
    for (const UINT id : dialogs) {
        HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                           nullptr, &PlainDialog, 0);
        ASSERT_NE(dialog, nullptr) << "dialog " << id;
        RECT units{0, 0, 4, 8};
        ::MapDialogRect(dialog, &units);
        // The dialog font has Windows' metrics: base units of 6 x 13 pixels.
        EXPECT_EQ(units.right, 6) << "dialog " << id;
        EXPECT_EQ(units.bottom, 13) << "dialog " << id;
        HDC dc = ::GetDC(dialog);
        for (HWND control = ::GetWindow(dialog, GW_CHILD); control != nullptr;
             control = ::GetWindow(control, GW_HWNDNEXT)) {
            const Need need = NeedOf(control);
            char text[512] = {};
            ::GetWindowTextA(control, text, sizeof(text));
            if (!need.check || text[0] == '\0')
                continue;
            HGDIOBJ old = ::SelectObject(
                dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
            RECT box{};
            ::GetClientRect(control, &box);
            const int width = box.right - need.extra;
            RECT needed{0, 0, width, 0};
            ::DrawTextA(dc, text, -1, &needed,
                        DT_CALCRECT | DT_EXPANDTABS | (need.wraps ? DT_WORDBREAK : DT_SINGLELINE));
            ::SelectObject(dc, old);
            EXPECT_LE(needed.right, width) << "dialog " << id << ": \"" << text << "\" too wide";
            EXPECT_LE(needed.bottom, box.bottom) << "dialog " << id << ": \"" << text
                                                 << "\" too high";
        }
        ::ReleaseDC(dialog, dc);
        ::ShowWindow(dialog, SW_SHOWNORMAL);
        kvtest::Drain();
        kvtest::SaveWindowImage(dialog, "dialogs/" + std::to_string(id) + ".bmp");
        ::DestroyWindow(dialog);
    }
}
