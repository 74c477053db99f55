#include "support/win32/tests/TestResources.h"
#include "support/win32/ResizableDialog.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace zul::Windows;

namespace {

// The test window's template (resizable frame) with its layout calls recorded.
class TrackedDialog : public ResizableDialog {
public:
    TrackedDialog() : ResizableDialog(IDD_TEST_WINDOW) {}
    std::vector<std::pair<int, int>> layouts;

    std::vector<UINT> sizingEdges; // one per WM_SIZING
    bool OnSizing(UINT edge, RECT& rect) override {
        sizingEdges.push_back(edge);
        return ResizableDialog::OnSizing(edge, rect);
    }
    void Layout(int width, int height) override {
        layouts.emplace_back(width, height);
        ResizableDialog::Layout(width, height);
    }
};

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// Drags a border with the system's own sizing loop, which sends the
// WM_SIZING messages of a mouse drag: the mouse is moved in steps from the
// border point `from` to `to` (the moves queued with their cursor positions),
// the button released, and the loop started for that edge.
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

TEST(ResizableDialog, MetricsComeFromTheDialogsOwnFont) {
    TrackedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(dialog.Handle(), &units);
    const LayoutMetrics& m = dialog.Metrics();
    EXPECT_EQ(m.baseUnitX, units.right);
    EXPECT_EQ(m.baseUnitY, units.bottom);
    EXPECT_EQ(m.marginX, units.right * 7 / 4);
    EXPECT_EQ(m.marginY, units.bottom * 7 / 8);
    EXPECT_EQ(m.buttonWidth, units.right * 50 / 4);
    const RECT outer = dialog.WindowRect();
    const RECT client = dialog.ClientRect();
    EXPECT_EQ(m.minimumWidth, Width(outer));
    EXPECT_EQ(m.minimumHeight, Height(outer));
    EXPECT_EQ(m.initialClientWidth, Width(client));
    EXPECT_EQ(m.initialClientHeight, Height(client));
    // The template is 386 x 220 units.
    RECT size{0, 0, 386, 220};
    ::MapDialogRect(dialog.Handle(), &size);
    EXPECT_EQ(m.initialClientWidth, size.right);
    EXPECT_EQ(m.initialClientHeight, size.bottom);
}

TEST(ResizableDialog, TheCommonDialogFontGivesTheKnownPixelMetrics) {
    LayoutMetrics m;
    m.DeriveFromBaseUnits(6, 13); // 8 points at 96 dots per inch
    EXPECT_EQ(std::make_pair(m.marginX, m.marginY), std::make_pair(10, 11));
    EXPECT_EQ(std::make_pair(m.gapX, m.gapY), std::make_pair(7, 8));
    EXPECT_EQ(std::make_pair(m.buttonWidth, m.buttonHeight), std::make_pair(75, 22));
}

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
    // Large enough: nothing changes.
    const RECT largeBefore{0, 0, 400, 300};
    RECT large = largeBefore;
    ResizableDialog::KeepMinimumSize(WMSZ_TOPLEFT, large, minW, minH);
    EXPECT_TRUE(::EqualRect(&large, &largeBefore));
}

TEST(ResizableDialog, EachSizeChangeLaysOutAndTheLayoutSizeNeverFallsBelowTheInitialClient) {
    TrackedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const LayoutMetrics& m = dialog.Metrics();
    dialog.layouts.clear();
    const RECT outer = dialog.WindowRect();
    ::SetWindowPos(dialog.Handle(), nullptr, 0, 0, Width(outer) + 120, Height(outer) + 60,
                   SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(dialog.layouts.size(), 1u);
    EXPECT_EQ(dialog.layouts[0],
              std::make_pair(m.initialClientWidth + 120, m.initialClientHeight + 60));
    EXPECT_EQ(m.layoutWidth, m.initialClientWidth + 120);
    EXPECT_EQ(m.layoutHeight, m.initialClientHeight + 60);

    // Made smaller by the program (no size tracking): the layout still takes
    // the initial client size.
    ::SetWindowPos(dialog.Handle(), nullptr, 0, 0, Width(outer) - 100, Height(outer) - 50,
                   SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(dialog.layouts.back(),
              std::make_pair(m.initialClientWidth - 100, m.initialClientHeight - 50));
    EXPECT_EQ(m.layoutWidth, m.initialClientWidth);
    EXPECT_EQ(m.layoutHeight, m.initialClientHeight);

    dialog.Relayout();
    EXPECT_EQ(dialog.layouts.back(),
              std::make_pair(m.initialClientWidth - 100, m.initialClientHeight - 50));
}

TEST(ResizableDialog, DraggingABorderPastTheMinimumStopsThereWithTheOtherSideInPlace) {
    kvtest::TestApp app;
    TrackedDialog dialog;
    kvtest::ModalScript script(app);
    script.Then([](Dialog& shown) {
        auto& resizable = dynamic_cast<TrackedDialog&>(shown);
        const RECT start = shown.WindowRect();
        const int minW = resizable.Metrics().minimumWidth;
        const int minH = resizable.Metrics().minimumHeight;

        const int middleY = (start.top + start.bottom) / 2;

        // Left border dragged far to the right: the right border stays.
        DragBorder(shown, WMSZ_LEFT, {start.left + 2, middleY}, {start.left + 400, middleY});
        const RECT now = shown.WindowRect();
        ASSERT_FALSE(resizable.sizingEdges.empty());
        EXPECT_EQ(resizable.sizingEdges.back(), static_cast<UINT>(WMSZ_LEFT));
        EXPECT_EQ(Width(now), minW);
        EXPECT_EQ(now.right, start.right);

        // The bottom-left corner dragged up and right past both minimums.
        DragBorder(shown, WMSZ_BOTTOMLEFT, {now.left + 2, now.bottom - 2},
                   {now.left + 600, now.bottom - 400});
        const RECT corner = shown.WindowRect();
        EXPECT_EQ(resizable.sizingEdges.back(), static_cast<UINT>(WMSZ_BOTTOMLEFT));
        EXPECT_EQ(Width(corner), minW);
        EXPECT_EQ(Height(corner), minH);
        EXPECT_EQ(corner.right, now.right);
        EXPECT_EQ(corner.top, now.top);
        kvtest::Press(shown, IDOK);
    });
    app.RunModal(dialog);
    EXPECT_TRUE(script.Finished());
}

TEST(ResizableDialog, AWindowCreatedAgainIsMeasuredAgain) {
    TrackedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const int first = dialog.Metrics().minimumWidth;
    dialog.EndModal(IDOK);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Metrics().minimumWidth, first);
    EXPECT_EQ(dialog.Metrics().layoutWidth, 0); // no layout yet in the new window
}
