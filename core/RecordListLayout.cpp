#include "core/RecordListLayout.h"

#include <algorithm>

namespace kolvane {

namespace {

// As the splitter bar clamps: the right (bottom) edge wins over the left (top)
// one when the range is too small to hold the bar.
int Clamp(int value, int low, int high) {
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

} // namespace

int UnitsToPixels(int units, int unitsPerBase, int baseUnit) {
    const long long pixels = static_cast<long long>(units) * baseUnit / unitsPerBase;
    return static_cast<int>(std::clamp<long long>(pixels, -MaxLayoutPixels, MaxLayoutPixels));
}

int PixelsToUnits(int pixels, int unitsPerBase, int baseUnit) {
    if (baseUnit <= 0)
        return 0;
    const long long scaled = static_cast<long long>(pixels) * unitsPerBase;
    // Rounded up for positive sizes, toward zero otherwise.
    return static_cast<int>(scaled > 0 ? (scaled + baseUnit - 1) / baseUnit : scaled / baseUnit);
}

RecordListPlacement PlaceRecordList(const RecordListMetrics& m, int width, int height,
                                    bool paneShown, int paneWidth, int notesHeight) {
    RecordListPlacement p;
    p.paneShown = paneShown;
    const int buttonBand = m.buttonRows * (m.gapY + m.buttonHeight);

    int listWidth = width - 2 * m.marginX;
    if (paneShown) {
        // A stored pane width narrower than the bar's range allows would put
        // the bar left of where the list ends; widen the pane to that limit.
        const int splitterRight = width - m.buttonWidth - m.marginX - m.splitterVHalf;
        if (width - paneWidth > splitterRight)
            paneWidth = width - splitterRight;
        listWidth = width - m.splitterVHalf - paneWidth - m.marginX;
        if (listWidth < m.buttonWidth) {
            paneWidth -= m.buttonWidth - listWidth;
            listWidth = m.buttonWidth;
        }
    }
    const int listHeight = height - 2 * m.marginY - buttonBand - m.gapY - m.statusHeight;
    p.list = {m.marginX, m.marginY, m.marginX + listWidth, m.marginY + listHeight};
    p.status = {m.marginX, height - m.marginY - m.statusHeight, width - m.marginX,
                height - m.marginY};
    p.paneWidth = paneWidth;
    p.notesHeight = notesHeight;
    if (!paneShown)
        return p;

    p.splitterVRange = {m.buttonWidth + m.marginX, 0,
                        width - m.buttonWidth - m.marginX - m.splitterVHalf,
                        height - buttonBand - m.marginY - m.statusHeight};
    p.splitterVPosition = Clamp(width - paneWidth, p.splitterVRange.left, p.splitterVRange.right);

    p.splitterHRange = {m.marginX + listWidth, m.minEditHeight + m.marginY + m.gapY, width,
                        height - 2 * m.gapY - buttonBand - m.minEditHeight - m.marginY -
                            m.statusHeight};
    p.splitterHPosition =
        Clamp(height - notesHeight, p.splitterHRange.top, p.splitterHRange.bottom);
    p.notesHeight = height - p.splitterHPosition;

    const int paneLeft = p.splitterVPosition + m.splitterVHalf;
    p.tracks = {paneLeft, m.marginY, width - m.marginX, p.splitterHPosition - m.splitterHHalf};
    p.notes = {paneLeft, p.splitterHPosition + m.splitterHHalf, width - m.marginX,
               m.marginY + listHeight};
    return p;
}

PixelRect PlaceGridButton(const RecordListMetrics& m, int width, int height, int column, int row) {
    const int x = column >= 0 ? m.marginX + column * (m.buttonWidth + m.gapX)
                              : width - m.marginX + m.gapX + column * (m.buttonWidth + m.gapX);
    const int y = height - (m.buttonRows - row - 1) * (m.gapY + m.buttonHeight) - m.statusHeight -
                  m.marginY - m.gapY - m.buttonHeight;
    return {x, y, x + m.buttonWidth, y + m.buttonHeight};
}

} // namespace kolvane
