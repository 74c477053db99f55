#include "support/win32/MenuRef.h"

#include "support/win32/tests/TestResources.h"
#include "testkit/win32/TestParent.h"

#include <gtest/gtest.h>

#include <vector>

using zul::Windows::MenuRef;

// The test resources' menu as the menu bar of the test program's top-level window.
TEST(MenuRef, ReachesTheBarAndItsDropDownsSwitchesTheirItemsAndLeavesThemWhenDeleted) {
    HWND window = kvtest::HostWindow();
    ASSERT_EQ(MenuRef::MenuOfWindow(window), nullptr) << "no menu bar yet";
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU));
    ASSERT_TRUE(::SetMenu(window, menu));
    auto bar = MenuRef::MenuOfWindow(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Handle(), menu);
    auto extras = bar->SubMenu(3);
    ASSERT_NE(extras, nullptr);
    EXPECT_EQ(extras->Handle(), ::GetSubMenu(menu, 3));
    EXPECT_EQ(extras->SubMenu(3), nullptr) << "a plain command has no drop-down";
    EXPECT_EQ(MenuRef::FromHandle(reinterpret_cast<HMENU>(0x4711)), nullptr);

    // The Save item, Extras' second item (a drop-down) and the toggle.
    auto flags = [&] {
        const UINT mask = MF_DISABLED | MF_GRAYED | MF_CHECKED;
        return std::vector<UINT>{::GetMenuState(menu, IDM_TEST_SAVE, MF_BYCOMMAND) & mask,
                                 ::GetMenuState(extras->Handle(), 1, MF_BYPOSITION) & mask,
                                 ::GetMenuState(menu, IDM_TEST_TOGGLE, MF_BYCOMMAND) & mask};
    };
    EXPECT_TRUE(bar->EnableByCommand(IDM_TEST_SAVE, false));
    EXPECT_TRUE(extras->EnableByPosition(1, false));
    EXPECT_TRUE(extras->CheckByCommand(IDM_TEST_TOGGLE, true));
    const UINT greyed = MF_DISABLED | MF_GRAYED;
    EXPECT_EQ(flags(), (std::vector<UINT>{greyed, greyed, MF_CHECKED}));
    EXPECT_TRUE(bar->EnableByCommand(IDM_TEST_SAVE, true));
    EXPECT_TRUE(extras->EnableByPosition(1, true));
    EXPECT_TRUE(extras->CheckByCommand(IDM_TEST_TOGGLE, false));
    EXPECT_EQ(flags(), (std::vector<UINT>{0, 0, 0}));
    EXPECT_FALSE(extras->EnableByCommand(4711, false));
    EXPECT_FALSE(extras->CheckByCommand(4711, true));
    EXPECT_FALSE(extras->EnableByPosition(40, false));

    bar.reset();
    extras.reset();
    EXPECT_TRUE(::IsMenu(menu));
    EXPECT_TRUE(::IsMenu(::GetSubMenu(menu, 3)));
    ::SetMenu(window, nullptr);
    ::DestroyMenu(menu);
}
