#include "support/win32/ResizableDialog.h"

#include <algorithm>
#include <cstring>

namespace zul::Windows {

bool ResizableDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    MeasureLayout();
    return true;
}

void ResizableDialog::MeasureLayout() {
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(window_, &units);
    LayoutMetrics& m = metrics_;
    m.DeriveFromBaseUnits(units.right, units.bottom);
    const RECT outer = WindowRect();
    m.minimumWidth = outer.right - outer.left;
    m.minimumHeight = outer.bottom - outer.top;
    const RECT client = ClientRect();
    m.initialClientWidth = client.right - client.left;
    m.initialClientHeight = client.bottom - client.top;
}

void LayoutMetrics::DeriveFromBaseUnits(int x, int y) {
    baseUnitX = x;
    baseUnitY = y;
    marginX = x * 7 / 4;
    marginY = y * 7 / 8;
    gapX = x * 5 / 4;
    gapY = y * 5 / 8;
    buttonWidth = x * 50 / 4;
    buttonHeight = y * 14 / 8;
}

void ResizableDialog::Relayout() {
    const RECT client = ClientRect();
    LayoutAndRepaint(client.right - client.left, client.bottom - client.top);
}

void ResizableDialog::Layout(int width, int height) {
    metrics_.layoutWidth = std::max(metrics_.initialClientWidth, width);
    metrics_.layoutHeight = std::max(metrics_.initialClientHeight, height);
}

// The window and its controls are repainted once everything has moved, not
// before: under Wine the controls moved together with a list view in one
// DeferWindowPos batch, and buttons moved after it, stay unpainted until
// something else changes them.
void ResizableDialog::LayoutAndRepaint(int width, int height) {
    Layout(width, height);
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ResizableDialog::OnSize(UINT kind, int width, int height) {
    Dialog::OnSize(kind, width, height);
    if (resizable_ && !layoutHeld_ && kind != SIZE_MINIMIZED) {
        LayoutAndRepaint(width, height);
    }
}

bool ResizableDialog::OnSizing(UINT edge, RECT& rect) {
    if (!resizable_) {
        return false;
    }
    KeepMinimumSize(edge, rect, metrics_.minimumWidth, metrics_.minimumHeight);
    return true;
}

void ResizableDialog::KeepMinimumSize(UINT edge, RECT& rect, int minimumWidth, int minimumHeight) {
    if (rect.right - rect.left < minimumWidth) {
        switch (edge) {
        case WMSZ_LEFT:
        case WMSZ_TOPLEFT:
        case WMSZ_BOTTOMLEFT:
            rect.left = rect.right - minimumWidth;
            break;
        case WMSZ_RIGHT:
        case WMSZ_TOPRIGHT:
        case WMSZ_BOTTOMRIGHT:
            rect.right = rect.left + minimumWidth;
            break;
        default: // top and bottom leave the width alone
            break;
        }
    }
    if (rect.bottom - rect.top < minimumHeight) {
        switch (edge) {
        case WMSZ_TOP:
        case WMSZ_TOPLEFT:
        case WMSZ_TOPRIGHT:
            rect.top = rect.bottom - minimumHeight;
            break;
        case WMSZ_BOTTOM:
        case WMSZ_BOTTOMLEFT:
        case WMSZ_BOTTOMRIGHT:
            rect.bottom = rect.top + minimumHeight;
            break;
        default: // left and right leave the height alone
            break;
        }
    }
}

void ResizableDialog::SavePlacement(StoredPlacement& placement) const {
    WINDOWPLACEMENT place{};
    place.length = sizeof(place);
    ::GetWindowPlacement(Handle(), &place);
    place.length = sizeof(place);
    std::memcpy(placement, &place, sizeof(place));
}

int ResizableDialog::RestorePlacement(const StoredPlacement& placement, bool keepHidden) {
    WINDOWPLACEMENT place{};
    std::memcpy(&place, placement, sizeof(place));
    RECT& normal = place.rcNormalPosition;
    normal.right = std::max<LONG>(normal.right, normal.left + metrics_.minimumWidth);
    normal.bottom = std::max<LONG>(normal.bottom, normal.top + metrics_.minimumHeight);
    const int showCommand = static_cast<int>(place.showCmd);
    if (keepHidden)
        place.showCmd = SW_HIDE;
    ::SetWindowPlacement(Handle(), &place);
    return showCommand;
}

} // namespace zul::Windows
