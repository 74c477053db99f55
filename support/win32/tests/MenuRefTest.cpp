#include "support/win32/MenuRef.h"

#include "support/win32/tests/TestResources.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/TestParent.h"

#include <gtest/gtest.h>

#include <vector>

using kvtest::HostWindow;
using zul::Windows::MenuRef;

namespace {

// The test resources' menu as the menu bar of the test program's top-level
// window.
class MainMenu : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(MenuRef::MenuOfWindow(window), nullptr) << "no menu bar yet";
        menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU));
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(::SetMenu(window, menu));
    }

    void TearDown() override {
        ::SetMenu(window, nullptr);
        ::DestroyMenu(menu);
    }

    UINT State(UINT command) const { return ::GetMenuState(menu, command, MF_BYCOMMAND); }

    HWND window = HostWindow();
    HMENU menu = nullptr;
};

} // namespace

TEST_F(MainMenu, MenuBarAndDropDownsAreReachedByPositionAndDeletingAReferenceLeavesThem) {
    const int items = ::GetMenuItemCount(menu);
    auto bar = MenuRef::MenuOfWindow(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Handle(), menu);
    auto extras = bar->SubMenu(3);
    ASSERT_NE(extras, nullptr);
    EXPECT_EQ(extras->Handle(), ::GetSubMenu(menu, 3));
    auto import = extras->SubMenu(0);
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(::GetMenuItemID(import->Handle(), 0), static_cast<UINT>(IDM_TEST_IMPORT_FIRST));
    EXPECT_EQ(extras->SubMenu(3), nullptr) << "a plain command has no drop-down";
    EXPECT_EQ(extras->SubMenu(40), nullptr);
    EXPECT_EQ(MenuRef::FromHandle(nullptr), nullptr);
    EXPECT_EQ(MenuRef::FromHandle(reinterpret_cast<HMENU>(0x4711)), nullptr);

    bar.reset();
    extras.reset();
    import.reset();
    EXPECT_TRUE(::IsMenu(menu));
    EXPECT_TRUE(::IsMenu(::GetSubMenu(menu, 3)));
    EXPECT_EQ(::GetMenu(window), menu);
    EXPECT_EQ(::GetMenuItemCount(menu), items);
    // A menu built at run time, as for a context menu.
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, 1006, "&L\xF6schen");
    EXPECT_TRUE(MenuRef::FromHandle(popup)->EnableByCommand(1006, false));
    EXPECT_TRUE(::IsMenu(popup));
    EXPECT_NE(::GetMenuState(popup, 1006, MF_BYCOMMAND) & MF_GRAYED, 0u);
    ::DestroyMenu(popup);
}

TEST_F(MainMenu, ItemsAreEnabledGreyedAndCheckedByCommandAndPositionUnknownOnesFail) {
    auto bar = MenuRef::MenuOfWindow(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->EnableByCommand(IDM_TEST_SAVE, false));
    EXPECT_EQ(State(IDM_TEST_SAVE) & (MF_DISABLED | MF_GRAYED),
              static_cast<UINT>(MF_DISABLED | MF_GRAYED));
    EXPECT_TRUE(bar->EnableByCommand(IDM_TEST_SAVE, true));
    EXPECT_EQ(State(IDM_TEST_SAVE) & (MF_DISABLED | MF_GRAYED), 0u);

    auto extras = bar->SubMenu(3);
    ASSERT_NE(extras, nullptr);
    EXPECT_TRUE(extras->EnableByPosition(1, false));
    EXPECT_NE(::GetMenuState(extras->Handle(), 1, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_TRUE(extras->EnableByPosition(1, true));
    EXPECT_EQ(::GetMenuState(extras->Handle(), 1, MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED), 0u);
    EXPECT_TRUE(extras->CheckByCommand(IDM_TEST_TOGGLE, true));
    EXPECT_NE(State(IDM_TEST_TOGGLE) & MF_CHECKED, 0u);
    EXPECT_TRUE(extras->CheckByCommand(IDM_TEST_TOGGLE, false));
    EXPECT_EQ(State(IDM_TEST_TOGGLE) & MF_CHECKED, 0u);

    std::vector<UINT> before;
    for (int i = 0; i < ::GetMenuItemCount(extras->Handle()); ++i)
        before.push_back(::GetMenuState(extras->Handle(), i, MF_BYPOSITION));
    EXPECT_FALSE(extras->EnableByCommand(4711, false));
    EXPECT_FALSE(extras->CheckByCommand(4711, true));
    EXPECT_FALSE(extras->EnableByPosition(40, false));
    for (int i = 0; i < ::GetMenuItemCount(extras->Handle()); ++i)
        EXPECT_EQ(::GetMenuState(extras->Handle(), i, MF_BYPOSITION), before[i]) << i;
}
