#include "PageGrid.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace unitora {
namespace {

// Dialog units. The largest page has 3 columns of 8 rows: rows are 18 high
// (a standard 12-high box and room for a two-line label), and the grid
// starts 10 units down, which leaves room above the first row for the
// caption of a group box.
constexpr int kLeftMargin = 4;
constexpr int kRightMargin = 4;
constexpr int kTopMargin = 10;
constexpr int kRowPitch = 18;
constexpr int kBoxHeight = 12;
constexpr int kLabelGap = 3;      // box to its label
constexpr int kColumnGap = 6;     // a label to the next column's box
constexpr int kFrameMargin = 2;   // frame to its cells, left and right
constexpr int kFrameCaption = 9;  // frame top above its first row
constexpr int kFrameBottom = 4;   // frame bottom below its last box

static_assert(kTopMargin + 7 * kRowPitch + kBoxHeight <= kPageHeight, "eight rows fit the page");
static_assert(2 * kLineHeight <= kRowPitch, "a two-line label stays inside its row");

constexpr int RowTop(int row) { return kTopMargin + (row - 1) * kRowPitch; }

int Sum(const std::vector<int>& values) { return std::accumulate(values.begin(), values.end(), 0); }

// Label width per column, out of room: each column its widest label on one
// line when all fit; otherwise every column capped alike at the widest cap
// that fits, but no column below what its labels need on two lines (unless
// even those floors do not fit together).
std::vector<int> ShareLabelRoom(const std::vector<int>& oneLine, const std::vector<int>& twoLines, int room) {
    if (Sum(oneLine) <= room) {
        return oneLine;
    }
    const bool floorsFit = Sum(twoLines) <= room;
    const auto widthsUnder = [&](int cap) {
        std::vector<int> widths(oneLine.size());
        for (size_t c = 0; c < widths.size(); ++c) {
            widths[c] = std::min(oneLine[c], std::max(cap, floorsFit ? twoLines[c] : 0));
        }
        return widths;
    };
    int fits = 0;  // the widest cap known to fit
    int over = *std::max_element(oneLine.begin(), oneLine.end());  // a cap known not to
    while (over - fits > 1) {
        const int cap = (fits + over) / 2;
        (Sum(widthsUnder(cap)) <= room ? fits : over) = cap;
    }
    return widthsUnder(fits);
}

}  // namespace

PageGrid LayOutPageGrid(const PageRecord& record, const LabelWidths& labels, BoxWidths boxes) {
    assert(labels.oneLine.size() == record.fields.size() && "one label width per field");
    int columns = 0;
    for (const UnitField& field : record.fields) columns = std::max(columns, field.column);
    const auto columnOf = [&](size_t field) { return static_cast<size_t>(record.fields[field].column - 1); };

    std::vector<int> oneLine(static_cast<size_t>(columns));
    for (size_t i = 0; i < record.fields.size(); ++i) {
        oneLine[columnOf(i)] = std::max(oneLine[columnOf(i)], labels.oneLine[i]);
    }
    const int labelRoom = std::max(kPageWidth - kLeftMargin - kRightMargin - (columns - 1) * kColumnGap -
                                       columns * (boxes.singleNumber + kLabelGap),
                                   0);
    std::vector<int> fieldTwoLines(labels.oneLine.begin(), labels.oneLine.end());
    std::vector<int> twoLines(static_cast<size_t>(columns));
    if (Sum(oneLine) > labelRoom) {
        for (size_t i = 0; i < record.fields.size(); ++i) {
            fieldTwoLines[i] = labels.twoLines(i);
            twoLines[columnOf(i)] = std::max(twoLines[columnOf(i)], fieldTwoLines[i]);
        }
    }
    const std::vector<int> labelWidth = ShareLabelRoom(oneLine, twoLines, labelRoom);

    // What the labels leave over widens the boxes of a double-precision page,
    // evenly, up to what a double's display needs.
    const int spare = std::max(labelRoom - Sum(labelWidth), 0);
    const int wantedBox = record.width == Width::Double ? boxes.doubleNumber : boxes.singleNumber;
    const int box = std::clamp(boxes.singleNumber + spare / columns, boxes.singleNumber,
                               std::max(wantedBox, boxes.singleNumber));

    std::vector<int> columnLeft;
    for (int left = kLeftMargin; int width : labelWidth) {
        columnLeft.push_back(left);
        left += box + kLabelGap + width + kColumnGap;
    }

    PageGrid grid;
    for (size_t i = 0; i < record.fields.size(); ++i) {
        const UnitField& field = record.fields[i];
        const size_t c = columnOf(i);
        const int top = RowTop(field.row);
        const int width = labelWidth[c];
        const int lines = labels.oneLine[i] <= width ? 1 : 2;
        const int labelHeight = lines * kLineHeight;
        grid.fields.push_back({.box = {columnLeft[c], top, box, kBoxHeight},
                               .label = {columnLeft[c] + box + kLabelGap, top + (kBoxHeight - labelHeight) / 2, width,
                                         labelHeight},
                               .lines = lines,
                               .cut = lines == 2 && fieldTwoLines[i] > width});
    }
    for (const GroupFrame& frame : record.frames) {
        const size_t c = static_cast<size_t>(frame.column - 1);
        const int left = columnLeft[c] - kFrameMargin;
        const int right = columnLeft[c] + box + kLabelGap + labelWidth[c] + kFrameMargin;
        const int top = RowTop(frame.firstRow) - kFrameCaption;
        const int bottom = RowTop(frame.lastRow) + kBoxHeight + kFrameBottom;
        grid.frames.push_back({left, top, right - left, bottom - top});
    }
    return grid;
}

}  // namespace unitora
