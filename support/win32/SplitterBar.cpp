#include "support/win32/SplitterBar.h"

#include <algorithm>

namespace zul::Windows {

namespace {

const char ClassName[] = "ZulSplitterBar";

// System cursors are shared objects; one pair serves every bar.
struct SizingCursors {
    HCURSOR westEast;
    HCURSOR northSouth;
};

const SizingCursors& Cursors() {
    static const SizingCursors cursors{::LoadCursorA(nullptr, IDC_SIZEWE),
                                       ::LoadCursorA(nullptr, IDC_SIZENS)};
    return cursors;
}

// The usual checkered brush of drag outlines: inverting with it keeps what
// lies below recognisable and a second inversion restores it exactly.
HBRUSH CreateHalftoneBrush() {
    const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    if (bitmap == nullptr) {
        return nullptr;
    }
    HBRUSH brush = ::CreatePatternBrush(bitmap);
    ::DeleteObject(bitmap);
    return brush;
}

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

} // namespace

SplitterBar::~SplitterBar() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

bool SplitterBar::Create(HWND parent, int id, Orientation orientation, int position,
                         int halfThickness, const RECT* range) {
    if (orientation != Vertical && orientation != Horizontal) {
        return false;
    }
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
    Cursors();

    parent_ = parent;
    orientation_ = orientation;
    halfThickness_ = halfThickness;
    position_ = position;
    if (range != nullptr) {
        range_ = *range;
    } else {
        ::GetClientRect(parent, &range_);
    }
    Clamp();
    return CreateOwnWindow(ClassName, ::LoadCursorA(nullptr, IDC_ARROW),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), 0, WS_CHILD | WS_VISIBLE,
                           BarRect(), parent, id) != nullptr;
}

int SplitterBar::SetPosition(int position) {
    const int previous = position_;
    position_ = position;
    Clamp();
    MoveToBar();
    return previous;
}

RECT SplitterBar::SetRange(const RECT* range) {
    const RECT previous = range_;
    if (range != nullptr) {
        range_ = *range;
    } else {
        ::GetClientRect(parent_, &range_);
    }
    Clamp();
    MoveToBar();
    return previous;
}

void SplitterBar::Place(const RECT& range, int position, WindowBatch* batch) {
    range_ = range;
    position_ = position;
    Clamp();
    MoveToBar(batch);
}

int SplitterBar::SetOutline(int outline) {
    const int previous = outline_;
    outline_ = outline;
    return previous;
}

void SplitterBar::SetBackground(COLORREF colour) {
    background_ = colour;
    if (window_ != nullptr) {
        ::InvalidateRect(window_, nullptr, TRUE);
    }
}

RECT SplitterBar::BarRect() const {
    if (orientation_ == Vertical) {
        return {position_ - halfThickness_, range_.top, position_ + halfThickness_, range_.bottom};
    }
    return {range_.left, position_ - halfThickness_, range_.right, position_ + halfThickness_};
}

void SplitterBar::Clamp() {
    if (orientation_ == Vertical) {
        position_ = std::min(std::max(position_, static_cast<int>(range_.left)),
                             static_cast<int>(range_.right));
    } else {
        position_ = std::min(std::max(position_, static_cast<int>(range_.top)),
                             static_cast<int>(range_.bottom));
    }
}

void SplitterBar::MoveToBar(WindowBatch* batch) {
    if (window_ == nullptr) {
        return;
    }
    const RECT bar = BarRect();
    if (batch != nullptr) {
        batch->Move(window_, bar);
    } else {
        ::MoveWindow(window_, bar.left, bar.top, Width(bar), Height(bar), TRUE);
    }
}

POINT SplitterBar::ToParent(HWND from, LPARAM point) const {
    POINT converted{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    ::MapWindowPoints(from, parent_, &converted, 1);
    return converted;
}

void SplitterBar::Track(POINT point) {
    position_ += orientation_ == Vertical ? point.x - lastPoint_.x : point.y - lastPoint_.y;
    lastPoint_ = point;
    Clamp();
}

void SplitterBar::PostNotification(int code) const {
    const UINT message = orientation_ == Vertical ? WM_HSCROLL : WM_VSCROLL;
    ::PostMessageA(parent_, message, MAKEWPARAM(code, static_cast<WORD>(position_)),
                   reinterpret_cast<LPARAM>(window_));
}

// Inverts the frame of rect on the parent, over its child windows as well, so
// that drawing it a second time removes it again.
void SplitterBar::DrawOutline(const RECT& rect, HBRUSH brush) const {
    HDC dc = ::GetDCEx(parent_, nullptr, DCX_CACHE);
    if (dc == nullptr) {
        return;
    }
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    const int width = Width(rect);
    const int height = Height(rect);
    // The four strips must not overlap, or their corners would be inverted twice.
    const int top = std::min(halfThickness_, height);
    const int bottom = std::min(halfThickness_, height - top);
    const int left = std::min(halfThickness_, width);
    const int right = std::min(halfThickness_, width - left);
    const int sideHeight = height - top - bottom;
    ::PatBlt(dc, rect.left, rect.top, width, top, PATINVERT);
    ::PatBlt(dc, rect.left, rect.bottom - bottom, width, bottom, PATINVERT);
    ::PatBlt(dc, rect.left, rect.top + top, left, sideHeight, PATINVERT);
    ::PatBlt(dc, rect.right - right, rect.top + top, right, sideHeight, PATINVERT);
    ::SelectObject(dc, oldBrush);
    ::ReleaseDC(parent_, dc);
}

void SplitterBar::Drag() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(parent_, &cursor);
    RECT bar = BarRect();
    if (::GetCapture() != nullptr || !::PtInRect(&bar, cursor)) {
        return;
    }
    lastPoint_ = cursor;
    ::SetCapture(window_);
    RECT savedClip{};
    ::GetClipCursor(&savedClip);
    RECT clip = range_;
    ::MapWindowPoints(parent_, HWND_DESKTOP, reinterpret_cast<POINT*>(&clip), 2);
    ::ClipCursor(&clip);

    // The flag is read once: an outline drawn must also be the one erased.
    const bool outline = outline_ != 0;
    HBRUSH brush = outline ? CreateHalftoneBrush() : nullptr;
    if (outline) {
        DrawOutline(bar, brush);
    }
    MSG message{};
    while (::GetCapture() == window_) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            // Leave the quit for the loop that owns the program.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.hwnd == window_ && message.message == WM_MOUSEMOVE) {
            Track(ToParent(message.hwnd, message.lParam));
            PostNotification(SB_THUMBTRACK);
            if (outline) {
                DrawOutline(bar, brush);
                bar = BarRect();
                DrawOutline(bar, brush);
            }
        } else if (message.hwnd == window_ && message.message == WM_LBUTTONUP) {
            Track(ToParent(message.hwnd, message.lParam));
            break;
        } else {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    if (outline) {
        DrawOutline(bar, brush);
        ::DeleteObject(brush);
    }

    ::ClipCursor(&savedClip);
    if (::GetCapture() == window_) {
        ::ReleaseCapture();
    }
    ::InvalidateRect(parent_, nullptr, TRUE);
    if (window_ != nullptr) {
        MoveToBar();
        PostNotification(SB_THUMBPOSITION);
    }
}

bool SplitterBar::OnSetCursor() const {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(parent_, &cursor);
    const RECT bar = BarRect();
    if (!::PtInRect(&bar, cursor)) {
        return false;
    }
    ::SetCursor(orientation_ == Vertical ? Cursors().westEast : Cursors().northSouth);
    return true;
}

bool SplitterBar::OnEraseBackground(HDC dc) const {
    if (background_ > 0xFFFFFF) {
        return false;
    }
    RECT client{};
    ::GetClientRect(window_, &client);
    HBRUSH brush = ::CreateSolidBrush(background_);
    ::FillRect(dc, &client, brush);
    ::DeleteObject(brush);
    return true;
}

LRESULT SplitterBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) {
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN: {
        const POINT point = ToParent(window_, lParam);
        const RECT bar = BarRect();
        if (::PtInRect(&bar, point)) {
            Drag();
            return 0;
        }
        break;
    }
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) {
            return TRUE;
        }
        break;
    }
    return CallDefault(message, wParam, lParam);
}

} // namespace zul::Windows
