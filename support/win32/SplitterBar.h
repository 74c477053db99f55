#pragma once

#include "support/win32/WindowBatch.h"
#include "support/win32/WindowObject.h"

#include <windows.h>

namespace zul::Windows {

// A thin child window that the user drags to move a dividing line of its
// parent. The parent hears of every movement through its own scroll message
// (WM_HSCROLL for a vertical bar, WM_VSCROLL for a horizontal one), posted with
// SB_THUMBTRACK while dragging and SB_THUMBPOSITION at the end, the position in
// the high word and the bar's window as lParam, and lays out its panes from it.
class SplitterBar : public WindowObject {
public:
    enum Orientation {
        Vertical = 1,  // moves along x
        Horizontal = 2 // moves along y
    };
    static constexpr COLORREF DefaultBackground = 0xFF000000;

    SplitterBar() = default;
    ~SplitterBar() override;

    // range: the area the bar lives in, parent client coordinates; none means
    // the parent's client rectangle.
    bool Create(HWND parent, int id, Orientation orientation, int position, int halfThickness,
                const RECT* range = nullptr);

    int SetPosition(int position);       // returns the previous position
    RECT SetRange(const RECT* range);    // returns the previous range
    // Range and position at once, the window moved once (in the batch, when given).
    void Place(const RECT& range, int position, WindowBatch* batch = nullptr);
    int SetOutline(int outline);         // returns the previous flag
    void SetBackground(COLORREF colour); // above 0xFFFFFF: the default background

    Orientation GetOrientation() const { return orientation_; }
    int Position() const { return position_; }
    int HalfThickness() const { return halfThickness_; }
    RECT Range() const { return range_; }
    int Outline() const { return outline_; }
    COLORREF Background() const { return background_; }
    // The rectangle the bar covers, parent client coordinates.
    RECT BarRect() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Clamp();
    void MoveToBar(WindowBatch* batch = nullptr);
    POINT ToParent(HWND from, LPARAM point) const;
    void Track(POINT point);
    void Drag();
    void PostNotification(int code) const;
    void DrawOutline(const RECT& rect, HBRUSH brush) const;
    bool OnSetCursor() const;
    bool OnEraseBackground(HDC dc) const;

    HWND parent_ = nullptr;
    Orientation orientation_ = Vertical;
    int halfThickness_ = 0;
    int position_ = 0;
    RECT range_{};
    POINT lastPoint_{};
    int outline_ = 1;
    COLORREF background_ = DefaultBackground;
};

} // namespace zul::Windows
