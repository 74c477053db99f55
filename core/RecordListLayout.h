#pragma once

namespace kolvane {

// Dialog units to pixels and back, with the dialog's base units (pixels per
// 4 horizontal and per 8 vertical dialog units). Units to pixels round toward
// zero; pixels to units round up, so that a stored size read and written back
// unchanged stays the same (60 units at 13 pixels are 97 pixels, and 97 pixels
// are 60 units again, not 59: rounding down would shrink the side pane by a
// unit at every start).
// The sizes come from stored settings and may be anything: the pixels are
// held to a million either way, wider than any screen, so that they and the
// layout's sums over them stay within int.
constexpr int MaxLayoutPixels = 1 << 20;
int UnitsToPixels(int units, int unitsPerBase, int baseUnit);
inline int HorizontalUnitsToPixels(int units, int baseUnitX) {
    return UnitsToPixels(units, 4, baseUnitX);
}
inline int VerticalUnitsToPixels(int units, int baseUnitY) {
    return UnitsToPixels(units, 8, baseUnitY);
}
int PixelsToUnits(int pixels, int unitsPerBase, int baseUnit);
inline int PixelsToHorizontalUnits(int pixels, int baseUnitX) {
    return PixelsToUnits(pixels, 4, baseUnitX);
}
inline int PixelsToVerticalUnits(int pixels, int baseUnitY) {
    return PixelsToUnits(pixels, 8, baseUnitY);
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// What the record list window's layout is computed from, all in pixels.
struct RecordListMetrics {
    int marginX = 0;
    int marginY = 0;
    int gapX = 0;
    int gapY = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int statusHeight = 0;
    int minEditHeight = 0;
    int buttonRows = 0;
    int splitterVHalf = 0; // half thickness of the bar between list and side pane
    int splitterHHalf = 0; // half thickness of the bar between tracks and notes
};

// Where everything goes for a client area of width x height. paneWidth and
// notesHeight come back corrected: the pane never makes the list narrower
// than one button, and the notes height follows the clamped bar.
struct RecordListPlacement {
    PixelRect list;
    PixelRect status;
    bool paneShown = false;
    PixelRect splitterVRange;
    int splitterVPosition = 0;
    PixelRect splitterHRange;
    int splitterHPosition = 0;
    PixelRect tracks;
    PixelRect notes;
    int paneWidth = 0;
    int notesHeight = 0;
};

RecordListPlacement PlaceRecordList(const RecordListMetrics& metrics, int width, int height,
                                    bool paneShown, int paneWidth, int notesHeight);

// A button of the grid below the list: column 0 at the left margin, -1 flush
// with the right margin; row buttonRows - 1 one gap above the status line.
PixelRect PlaceGridButton(const RecordListMetrics& metrics, int width, int height, int column,
                          int row);

} // namespace kolvane
