#include "support/win32/tests/TestResources.h"
#include "support/win32/ResizableDialog.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

using namespace zul::Windows;

namespace {

// Drags a border in the system's own sizing loop: the moves from `from` to `to`
// and the release are queued with their cursor positions, then the loop starts.
void DragBorder(Dialog& dialog, UINT edge, POINT from, POINT to, int steps = 8) {
    ::SetCursorPos(from.x, from.y);
    // The loop measures the moves from the position of the last message taken.
    dialog.Post(WM_NULL);
    MSG taken{};
    ::PeekMessageA(&taken, dialog.Handle(), WM_NULL, WM_NULL, PM_REMOVE);
    for (int i = 1; i <= steps; ++i) {
        ::SetCursorPos(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        dialog.Post(WM_MOUSEMOVE, MK_LBUTTON, 0);
    }
    dialog.Post(WM_LBUTTONUP, 0, 0);
    dialog.Send(WM_SYSCOMMAND, SC_SIZE | edge, 0);
}

} // namespace

TEST(ResizableDialog, SizeTrackingKeepsTheMinimumWithTheOppositeSideFixedForEachEdge) {
    const int minW = 300;
    const int minH = 200;
    const RECT small{100, 100, 150, 130}; // proposed: 50 x 30
    struct Case {
        UINT edge;
        RECT expected;
    };
    const Case cases[] = {
        {WMSZ_LEFT, {150 - minW, 100, 150, 130}},
        {WMSZ_RIGHT, {100, 100, 100 + minW, 130}},
        {WMSZ_TOP, {100, 130 - minH, 150, 130}},
        {WMSZ_TOPLEFT, {150 - minW, 130 - minH, 150, 130}},
        {WMSZ_TOPRIGHT, {100, 130 - minH, 100 + minW, 130}},
        {WMSZ_BOTTOM, {100, 100, 150, 100 + minH}},
        {WMSZ_BOTTOMLEFT, {150 - minW, 100, 150, 100 + minH}},
        {WMSZ_BOTTOMRIGHT, {100, 100, 100 + minW, 100 + minH}},
    };
    for (const Case& c : cases) {
        RECT rect = small;
        ResizableDialog::KeepMinimumSize(c.edge, rect, minW, minH);
        EXPECT_TRUE(::EqualRect(&rect, &c.expected)) << "edge " << c.edge;
    }
    RECT large{0, 0, 400, 300}; // large enough: nothing changes
    ResizableDialog::KeepMinimumSize(WMSZ_TOPLEFT, large, minW, minH);
    const RECT same{0, 0, 400, 300};
    EXPECT_TRUE(::EqualRect(&large, &same));
}

TEST(ResizableDialog, DraggingABorderPastTheMinimumStopsThereWithTheOtherSideInPlace) {
    kvtest::TestApp app;
    ResizableDialog dialog(IDD_TEST_WINDOW);
    kvtest::ModalScript script(app);
    script.Then([](Dialog& shown) {
        auto& resizable = dynamic_cast<ResizableDialog&>(shown);
        const RECT start = shown.WindowRect();
        const int minW = resizable.Metrics().minimumWidth;
        const int minH = resizable.Metrics().minimumHeight;
        // The bottom-left corner dragged up and right past both minimums.
        DragBorder(shown, WMSZ_BOTTOMLEFT, {start.left + 2, start.bottom - 2},
                   {start.left + 600, start.bottom - 400});
        const RECT corner = shown.WindowRect();
        const RECT expected{start.right - minW, start.top, start.right, start.top + minH};
        EXPECT_TRUE(::EqualRect(&corner, &expected));
        kvtest::Press(shown, IDOK);
    });
    app.RunModal(dialog);
}
