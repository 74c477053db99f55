#pragma once

#include <windows.h>

namespace zul::Windows {

// A thin child window that the user drags to move a dividing line of its
// parent. The parent hears of every movement through its own scroll message
// (WM_HSCROLL for a vertical bar, WM_VSCROLL for a horizontal one), posted with
// SB_THUMBTRACK while dragging and SB_THUMBPOSITION at the end, the position in
// the high word and the bar's window as lParam, and lays out its panes from it.
class SplitterBar {
public:
    static constexpr int Vertical = 1;   // moves along x
    static constexpr int Horizontal = 2; // moves along y
    static constexpr COLORREF DefaultBackground = 0xFF000000;

    SplitterBar() = default;
    SplitterBar(const SplitterBar&) = delete;
    SplitterBar& operator=(const SplitterBar&) = delete;
    ~SplitterBar();

    // range: the area the bar lives in, parent client coordinates; none means
    // the parent's client rectangle.
    bool Create(HWND parent, int id, int orientation, int position, int halfThickness,
                const RECT* range = nullptr);

    int SetPosition(int position);       // returns the previous position
    RECT SetRange(const RECT* range);    // returns the previous range
    int SetOutline(int outline);         // returns the previous flag
    void SetBackground(COLORREF colour); // above 0xFFFFFF: the default background

    HWND Handle() const { return window_; }
    int Orientation() const { return orientation_; }
    int Position() const { return position_; }
    int HalfThickness() const { return halfThickness_; }
    RECT Range() const { return range_; }
    int Outline() const { return outline_; }
    COLORREF Background() const { return background_; }
    // The rectangle the bar covers, parent client coordinates.
    RECT BarRect() const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Clamp();
    void MoveToBar();
    POINT ToParent(HWND from, LPARAM point) const;
    void Track(POINT point);
    void Drag();
    void PostNotification(int code) const;
    void DrawOutline(const RECT& rect, HBRUSH brush) const;
    bool OnSetCursor() const;
    bool OnEraseBackground(HDC dc) const;

    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    int orientation_ = Vertical;
    int halfThickness_ = 0;
    int position_ = 0;
    RECT range_{};
    POINT lastPoint_{};
    int outline_ = 1;
    COLORREF background_ = DefaultBackground;
};

} // namespace zul::Windows
