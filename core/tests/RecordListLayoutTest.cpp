#include "core/RecordListLayout.h"

#include <gtest/gtest.h>

using namespace kolvane;

namespace {

// The metrics the record list window derives from base units x, y.
RecordListMetrics Metrics(int bx, int by, int buttonRows) {
    RecordListMetrics m;
    m.marginX = bx * 7 / 4;
    m.marginY = by * 7 / 8;
    m.gapX = bx * 5 / 4;
    m.gapY = by * 5 / 8;
    m.buttonWidth = bx * 50 / 4;
    m.buttonHeight = by * 14 / 8;
    m.statusHeight = by * 11 / 8;
    m.minEditHeight = 2 * m.buttonHeight;
    m.buttonRows = buttonRows;
    m.splitterVHalf = m.gapX / 2;
    m.splitterHHalf = m.gapY / 2;
    return m;
}

} // namespace

TEST(RecordListLayout, DefaultPaneSizeWithBaseUnitsSixByThirteen) {
    const auto p = PlaceRecordList(Metrics(6, 13, 0), 579, 357, true,
                                   HorizontalUnitsToPixels(160, 6), VerticalUnitsToPixels(60, 13));
    EXPECT_EQ(p.list, (PixelRect{10, 11, 336, 321}));
    EXPECT_EQ(p.status, (PixelRect{10, 329, 569, 346}));
    EXPECT_EQ(p.splitterVRange, (PixelRect{85, 0, 491, 329}));
    EXPECT_EQ(579 - p.splitterVPosition, 240);
    EXPECT_EQ(p.splitterHRange, (PixelRect{336, 63, 579, 269}));
    EXPECT_EQ(357 - p.splitterHPosition, 97);
    EXPECT_EQ(p.tracks, (PixelRect{342, 11, 569, 256}));
    EXPECT_EQ(p.notes, (PixelRect{342, 264, 569, 321}));
    EXPECT_EQ(p.paneWidth, 240);
    EXPECT_EQ(p.notesHeight, 97);
}

TEST(RecordListLayout, NarrowWindowHiddenPaneClampedNotesAndATinyPane) {
    const auto narrow = Metrics(6, 13, 0);
    auto p = PlaceRecordList(narrow, 300, 357, true, 240, 97);
    EXPECT_EQ(p.list.Width(), narrow.buttonWidth);
    EXPECT_EQ(p.paneWidth, 212);
    EXPECT_EQ(p.splitterVPosition, 88);
    EXPECT_EQ(p.list.right, p.splitterVPosition - narrow.splitterVHalf);
    const auto m = Metrics(7, 13, 1);
    p = PlaceRecordList(m, 700, 400, false, 240, 97);
    EXPECT_FALSE(p.paneShown);
    EXPECT_EQ(p.list.left, 12);
    EXPECT_EQ(p.list.right, 700 - 12);
    EXPECT_EQ(p.paneWidth, 240);
    p = PlaceRecordList(m, 700, 400, true, 280, 390);
    EXPECT_EQ(p.splitterHPosition, p.splitterHRange.top);
    EXPECT_EQ(p.notesHeight, 400 - p.splitterHRange.top);
    p = PlaceRecordList(m, 700, 400, true, 5, 97);
    EXPECT_EQ(p.splitterVPosition, p.splitterVRange.right);
    EXPECT_EQ(p.list.right, p.splitterVPosition - m.splitterVHalf);
    EXPECT_EQ(p.paneWidth, 700 - p.splitterVRange.right);
}

TEST(RecordListLayout, ButtonGridRowsAndColumns) {
    const auto m = Metrics(6, 13, 1);
    EXPECT_EQ(PlaceGridButton(m, 579, 357, 0, 0), (PixelRect{10, 299, 85, 321}));
    EXPECT_EQ(PlaceGridButton(m, 579, 357, 1, 0), (PixelRect{92, 299, 167, 321}));
    EXPECT_EQ(PlaceGridButton(m, 579, 357, -1, 0), (PixelRect{494, 299, 569, 321}));
    const auto two = Metrics(6, 13, 2);
    EXPECT_EQ(PlaceGridButton(two, 579, 357, 0, 1).top, 299);
    EXPECT_EQ(PlaceGridButton(two, 579, 357, 0, 0).top, 299 - 30);
    const auto p = PlaceRecordList(m, 579, 357, false, 0, 0);
    EXPECT_EQ(p.list.bottom + m.gapY, 299);
}

TEST(RecordListLayout, UnitsToPixelsTruncateAndPixelsToUnitsGiveTheUnitsBack) {
    EXPECT_EQ(PixelsToHorizontalUnits(240, 6), 160);
    EXPECT_EQ(VerticalUnitsToPixels(60, 13), 97);  // 780 / 8
    EXPECT_EQ(PixelsToVerticalUnits(97, 13), 60);  // 776 / 13, rounded up
    EXPECT_EQ(HorizontalUnitsToPixels(160, 7), 280);
    EXPECT_EQ(VerticalUnitsToPixels(60, 16), 120);
    // A damaged stored size gives a size no screen has, without overflow.
    EXPECT_EQ(HorizontalUnitsToPixels(1073414445, 6), 1 << 20);
    EXPECT_EQ(VerticalUnitsToPixels(-2147483647 - 1, 13), -(1 << 20));
    // Every stored size survives the way to pixels and back at common base units.
    for (const int base : {6, 7, 8, 9, 13, 15, 16, 20})
        for (int units = 0; units <= 400; ++units) {
            ASSERT_EQ(PixelsToHorizontalUnits(HorizontalUnitsToPixels(units, base), base), units)
                << base;
            if (base >= 8) {
                ASSERT_EQ(PixelsToVerticalUnits(VerticalUnitsToPixels(units, base), base), units)
                    << base;
            }
        }
}
