#include "support/win32/CommandState.h"

#include "support/win32/tests/TestResources.h"

#include <gtest/gtest.h>

#include <set>

using zul::Windows::ApplyCommandStatesToMenuBar;

namespace {

bool Greyed(HMENU menu, UINT item, UINT by) {
    return (::GetMenuState(menu, item, by) & MF_GRAYED) != 0;
}

// The states are applied after every command; the bar is drawn again (a new
// window frame, a repaint) only when one of its own items changed.
TEST(CommandStates, TheMenuBarTellsOnlyChangesOfItsOwnItems) {
    HMENU bar = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU));
    ASSERT_NE(bar, nullptr);
    std::set<int> disabled;
    bool toggled = false;
    const zul::Windows::CommandStateOf stateOf = [&](int id) {
        return zul::Windows::CommandState{disabled.count(id) == 0,
                                          id == IDM_TEST_TOGGLE && toggled};
    };
    EXPECT_FALSE(ApplyCommandStatesToMenuBar(bar, stateOf)) << "all enabled, as loaded";

    disabled = {IDM_TEST_CHANGE}; // the only item of "Bearbeiten"
    EXPECT_TRUE(ApplyCommandStatesToMenuBar(bar, stateOf));
    EXPECT_TRUE(Greyed(bar, 1, MF_BYPOSITION));
    EXPECT_FALSE(ApplyCommandStatesToMenuBar(bar, stateOf)) << "nothing new";

    disabled.insert(IDM_TEST_SAVE); // inside drop-downs only
    toggled = true;
    EXPECT_FALSE(ApplyCommandStatesToMenuBar(bar, stateOf));
    EXPECT_TRUE(Greyed(bar, IDM_TEST_SAVE, MF_BYCOMMAND));
    EXPECT_FALSE(Greyed(bar, 0, MF_BYPOSITION)) << "\"Beenden\" keeps \"Datei\" enabled";
    EXPECT_NE(::GetMenuState(bar, IDM_TEST_TOGGLE, MF_BYCOMMAND) & MF_CHECKED, 0u);

    disabled.clear();
    EXPECT_TRUE(ApplyCommandStatesToMenuBar(bar, stateOf)) << "\"Bearbeiten\" enabled again";
    ::DestroyMenu(bar);
}

} // namespace
