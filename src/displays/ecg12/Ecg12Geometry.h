#pragma once

#include <cstdint>

// Layouts of the 12-lead sheet, as the view's layout setting numbers them.
enum : int32_t { LAYOUT_FULL = 0, LAYOUT_6X2 = 1, LAYOUT_3X4 = 2, LAYOUT_PAGE = 3 };

// Millimetre geometry of the sheet. Rows are 20 mm apart with their baselines at 25, 45, ... mm.
constexpr int SHEET_TOP_MM = 5;
constexpr int LABEL_COLUMN_X_MM = 5;
constexpr int LABEL_COLUMN_WIDTH_MM = 5;
constexpr int TRACE_X_MM = 11; // the traces start 1 mm right of the label column
constexpr int RIGHT_MARGIN_MM = 5;
constexpr int ROW_PITCH_MM = 20;
constexpr int HALF_ROW_MM = 10;
constexpr int COARSE_MM = 5;
constexpr int SIX_BY_TWO_HEIGHT_MM = 140;
constexpr int THREE_BY_FOUR_HEIGHT_MM = 80;
constexpr int RHYTHM_TOP_MM = 86;
constexpr int RHYTHM_HEIGHT_MM = 40;
constexpr int RHYTHM_BASELINE_MM = 106;
constexpr int SIX_BY_TWO_BOTTOM_MM = 150;
constexpr int THREE_BY_FOUR_BOTTOM_MM = 130;
constexpr int BOTTOM_MARGIN_MM = 10;
constexpr int THREE_BY_FOUR_ROWS = 3;
constexpr int THREE_BY_FOUR_COLUMNS = 4;
constexpr int PAGE_FIRST_MARGIN_MM = 16;
constexpr int PAGE_LATER_X_MM = 5;
constexpr int PAGE_LATER_MARGIN_MM = 10;
// A window too narrow for the margins still gets strips of one second each.
constexpr int MIN_PAGE_STRIP_MM = 25;
// 25 mm/s: one millimetre of record is 40 ms.
constexpr int64_t MS_PER_MM = 40;
constexpr int64_t US_PER_MM = 40000;

constexpr int RowBaselineMm(int nRow) {
    return SHEET_TOP_MM + ROW_PITCH_MM * (nRow + 1);
}
// Strips of the page display lie one millimetre further apart than their grids are high.
constexpr int PagePitchMm(int nLeadCount) {
    return ROW_PITCH_MM * (nLeadCount + 1) + 1;
}
