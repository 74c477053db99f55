#include "support/win32/SplitterBar.h"

#include "testkit/win32/Input.h"
#include "testkit/win32/TestParent.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>
#include <vector>

using namespace kvtest;
using zul::Windows::SplitterBar;

namespace {

constexpr int ParentWidth = 600;
constexpr int ParentHeight = 400;

// A notification as {code, position}.
using Report = std::pair<int, int>;

// The scroll messages the parent received, checked to be the bar's own.
std::vector<Report> Reports(const TestParent& parent, UINT message, const SplitterBar& bar) {
    std::vector<Report> reports;
    for (const kvtest::Scroll& scroll : parent.scrolls) {
        EXPECT_EQ(scroll.message, message);
        EXPECT_EQ(reinterpret_cast<HWND>(scroll.lParam), bar.Handle());
        reports.emplace_back(LOWORD(scroll.wParam), static_cast<short>(HIWORD(scroll.wParam)));
    }
    return reports;
}

// A rectangle as its four edges, which a failure prints.
using Edges = std::array<LONG, 4>;
Edges EdgesOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int NonWhitePixels(HWND window, const RECT& rect) {
    HDC dc = ::GetDC(window);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            count += ::GetPixel(dc, x, y) != RGB(255, 255, 255) ? 1 : 0;
    }
    ::ReleaseDC(window, dc);
    return count;
}

// Drags with the real mouse from `press` through `moves` (parent client coordinates), one
// move per timer tick: a timer message comes only once the queue holds no input, so
// observe() runs after each move's notification.
void RealDrag(TestParent& parent, POINT press, const std::vector<POINT>& moves,
              const std::function<void()>& observe = {}) {
    HWND window = parent.Handle();
    MoveCursor(parent.ToScreen(window, press));
    Drain();
    size_t tick = 0;
    bool released = false;
    parent.onTimer = [&] {
        if (tick > 0 && tick <= moves.size() && observe)
            observe();
        if (tick < moves.size()) {
            MoveCursor(parent.ToScreen(window, moves[tick]));
        } else if (tick == moves.size()) {
            MouseButton(false);
            released = true;
        } else if (tick > moves.size() + 100) {
            ::ReleaseCapture(); // a lost release must not keep the drag going
        }
        ++tick;
    };
    ::SetTimer(window, 1, 20, nullptr);
    MouseButton(true);
    const bool ended = PumpUntil([&] { return released && ::GetCapture() == nullptr; }, 10000);
    ::KillTimer(window, 1);
    parent.onTimer = nullptr;
    Drain();
    EXPECT_TRUE(ended) << "the drag did not end";
}

// A point in the parent's client coordinates as the bar's.
LPARAM AtBar(const SplitterBar& bar, int x, int y) {
    POINT point{x, y};
    ::MapWindowPoints(::GetParent(bar.Handle()), bar.Handle(), &point, 1);
    return MAKELPARAM(point.x, point.y);
}

} // namespace

TEST(SplitterBar, CreateSetPositionAndSetRangeClampAndMoveTheWindow) {
    TestParent parent(ParentWidth, ParentHeight);
    SplitterBar vertical;
    ASSERT_TRUE(vertical.Create(parent.Handle(), 1049, SplitterBar::Vertical, 700, 3));
    EXPECT_EQ(vertical.Position(), ParentWidth);
    EXPECT_EQ(EdgesOf(vertical.Range()), (Edges{0, 0, ParentWidth, ParentHeight}));
    EXPECT_EQ(EdgesOf(vertical.RectInParent()), (Edges{597, 0, 603, ParentHeight}));
    EXPECT_EQ(::GetDlgCtrlID(vertical.Handle()), 1049);
    EXPECT_TRUE(::IsWindowVisible(vertical.Handle()));
    SplitterBar horizontal;
    const RECT low{10, 50, 300, 350};
    ASSERT_TRUE(horizontal.Create(parent.Handle(), 1050, SplitterBar::Horizontal, -5, 2, &low));
    EXPECT_EQ(horizontal.Position(), 50);
    EXPECT_EQ(EdgesOf(horizontal.RectInParent()), (Edges{10, 48, 300, 52}));
    EXPECT_EQ(horizontal.Outline(), 1);

    SplitterBar bar;
    const RECT range{50, 0, 500, ParentHeight};
    ASSERT_TRUE(bar.Create(parent.Handle(), 1051, SplitterBar::Vertical, 100, 3, &range));
    EXPECT_EQ(bar.SetPosition(250), 100);
    EXPECT_EQ(EdgesOf(bar.RectInParent()), (Edges{247, 0, 253, ParentHeight}));
    EXPECT_EQ(bar.SetPosition(10), 250);
    EXPECT_EQ(bar.Position(), 50);
    // A range that no longer holds the position moves the bar to its nearest edge.
    bar.SetPosition(250);
    const RECT right{300, 20, 450, 380};
    EXPECT_EQ(EdgesOf(bar.SetRange(&right)), EdgesOf(range));
    EXPECT_EQ(bar.Position(), 300);
    EXPECT_EQ(EdgesOf(bar.RectInParent()), (Edges{297, 20, 303, 380}));
    // No range: the parent's client rectangle as it is now.
    bar.SetPosition(440);
    ::SetWindowPos(parent.Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(EdgesOf(bar.SetRange(nullptr)), EdgesOf(right));
    EXPECT_EQ(EdgesOf(bar.Range()), (Edges{0, 0, 400, 300}));
    EXPECT_EQ(bar.Position(), 400);
    EXPECT_EQ(EdgesOf(bar.RectInParent()), (Edges{397, 0, 403, 300}));
    EXPECT_EQ(bar.SetOutline(0), 1);
}

TEST(SplitterBar, RealDragReportsEveryMoveClampedAndKeepsTheCursorInTheRange) {
    ASSERT_TRUE(CursorClippingWorks()) << NoCursorClipping;
    TestParent parent(ParentWidth, ParentHeight);
    SplitterBar bar;
    const RECT range{50, 0, 400, ParentHeight};
    ASSERT_TRUE(bar.Create(parent.Handle(), 1049, SplitterBar::Vertical, 200, 3, &range));
    RECT clipBefore{};
    ::GetClipCursor(&clipBefore);
    RECT rangeOnScreen = range;
    ::MapWindowPoints(parent.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&rangeOnScreen), 2);

    // Pressed 2 pixels left of the dividing line, so the cursor runs 2 behind the position.
    std::vector<LONG> cursorSeen;
    RealDrag(parent, {198, 100}, {{258, 100}, {700, 120}, {100, 100}, {-100, 100}}, [&] {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        cursorSeen.push_back(cursor.x - parent.ToScreen(parent.Handle(), {0, 0}).x);
        RECT clip{};
        ::GetClipCursor(&clip);
        EXPECT_EQ(EdgesOf(clip), EdgesOf(rangeOnScreen));
    });
    // The cursor stops at the range (its right edge is exclusive), the bar at the range's edge.
    EXPECT_EQ(cursorSeen, (std::vector<LONG>{258, 399, 100, 50}));
    const std::vector<Report> expected{{SB_THUMBTRACK, 260},
                                       {SB_THUMBTRACK, 400},
                                       {SB_THUMBTRACK, 101},
                                       {SB_THUMBTRACK, 51},
                                       {SB_THUMBPOSITION, 51}};
    EXPECT_EQ(Reports(parent, WM_HSCROLL, bar), expected);
    EXPECT_EQ(bar.Position(), 51);
    EXPECT_EQ(EdgesOf(bar.RectInParent()), (Edges{48, 0, 54, ParentHeight}));
    RECT clipAfter{};
    ::GetClipCursor(&clipAfter);
    EXPECT_EQ(EdgesOf(clipAfter), EdgesOf(clipBefore));
    EXPECT_EQ(::GetCapture(), nullptr);

    // A horizontal bar reports through the vertical scroll message. Pressed 1
    // pixel below the line: the cursor stops at 399, the bar at 398.
    parent.scrolls.clear();
    SplitterBar horizontal;
    ASSERT_TRUE(horizontal.Create(parent.Handle(), 1050, SplitterBar::Horizontal, 200, 2));
    RealDrag(parent, {300, 201}, {{300, 150}, {320, 1000}});
    const std::vector<Report> vertical{
        {SB_THUMBTRACK, 149}, {SB_THUMBTRACK, 398}, {SB_THUMBPOSITION, 398}};
    EXPECT_EQ(Reports(parent, WM_VSCROLL, horizontal), vertical);
    EXPECT_EQ(EdgesOf(horizontal.RectInParent()), (Edges{0, 396, ParentWidth, 400}));
}

TEST(SplitterBar, NotificationsArePostedAndTheReleasePointCountsWithoutATrack) {
    TestParent parent(ParentWidth, ParentHeight);
    SplitterBar bar;
    ASSERT_TRUE(bar.Create(parent.Handle(), 1049, SplitterBar::Vertical, 200, 3));
    MoveCursor(parent.ToScreen(parent.Handle(), {200, 50}));
    Drain();

    // Messages queued for the drag's own loop; past the range's edge the bar stops at the edge.
    ::PostMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, AtBar(bar, 230, 50));
    ::PostMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, AtBar(bar, 900, 50));
    ::PostMessageA(bar.Handle(), WM_LBUTTONUP, 0, AtBar(bar, 915, 50));
    ::SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, AtBar(bar, 200, 50));
    EXPECT_TRUE(parent.scrolls.empty()) << "notifications must be posted, not sent";
    Drain();
    const std::vector<Report> expected{
        {SB_THUMBTRACK, 230}, {SB_THUMBTRACK, 600}, {SB_THUMBPOSITION, 600}};
    EXPECT_EQ(Reports(parent, WM_HSCROLL, bar), expected);

    // A press while another window holds the capture starts no drag.
    parent.scrolls.clear();
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50,
                                   parent.Handle(), nullptr, nullptr, nullptr);
    bar.SetPosition(200);
    ::SetCapture(other);
    ::SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, AtBar(bar, 200, 50));
    EXPECT_EQ(::GetCapture(), other);
    ::ReleaseCapture();
    Drain();
    EXPECT_TRUE(parent.scrolls.empty());
    EXPECT_EQ(bar.Position(), 200);
}

TEST(SplitterBar, OutlineIsDrawnWhileDraggingOnlyWithTheFlag) {
    for (const int outline : {1, 0}) {
        SCOPED_TRACE(outline);
        TestParent parent(ParentWidth, ParentHeight);
        SplitterBar bar;
        ASSERT_TRUE(bar.Create(parent.Handle(), 1049, SplitterBar::Vertical, 200, 3));
        bar.SetOutline(outline);
        const RECT at300{297, 20, 303, 60};
        const RECT at400{397, 20, 403, 60};
        std::vector<bool> seen; // an outline at 300 and at 400, after each move
        RealDrag(parent, {200, 100}, {{300, 100}, {400, 100}}, [&] {
            seen.push_back(NonWhitePixels(parent.Handle(), at300) > 0);
            seen.push_back(NonWhitePixels(parent.Handle(), at400) > 0);
        });
        // The old outline is taken away when the bar moves on.
        const bool on = outline != 0;
        EXPECT_EQ(seen, (std::vector<bool>{on, false, false, on}));
        ::UpdateWindow(parent.Handle());
        EXPECT_EQ(NonWhitePixels(parent.Handle(), at300), 0) << "nothing left after the drag";
        EXPECT_EQ(bar.Position(), 400);
    }
}

TEST(SplitterBar, SizingCursorOverTheBarAndTheBackgroundColourFillsIt) {
    TestParent parent(ParentWidth, ParentHeight);
    SplitterBar vertical;
    SplitterBar horizontal;
    ASSERT_TRUE(vertical.Create(parent.Handle(), 1049, SplitterBar::Vertical, 200, 4));
    ASSERT_TRUE(horizontal.Create(parent.Handle(), 1050, SplitterBar::Horizontal, 300, 3));
    const std::pair<POINT, const char*> cases[] = {
        {{201, 100}, IDC_SIZEWE}, {{450, 299}, IDC_SIZENS}, {{450, 100}, IDC_ARROW}};
    for (const auto& [point, cursor] : cases) {
        MoveCursor(parent.ToScreen(parent.Handle(), point));
        Drain();
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, cursor)) << point.x << ", " << point.y;
    }

    auto pixel = [&] {
        ::UpdateWindow(vertical.Handle());
        HDC dc = ::GetDC(vertical.Handle());
        const COLORREF colour = ::GetPixel(dc, 3, 50);
        ::ReleaseDC(vertical.Handle(), dc);
        return colour;
    };
    EXPECT_EQ(pixel(), ::GetSysColor(COLOR_BTNFACE));
    vertical.SetBackground(RGB(200, 0, 0));
    EXPECT_EQ(pixel(), RGB(200, 0, 0));
}
