// Where the boxes and labels of a quantity page stand, in dialog units,
// worked out from what its labels and numbers need across in the page font.
//
// The record's grid places stay: fields stand in columns and rows, each box
// with its label just right of it. Each column is as wide as its widest
// label needs. Where the page frame cannot hold every column's labels on one
// line, the columns that need the most are narrowed alike and their long
// labels take two lines inside their row; a label that does not fit even on
// two lines is cut (and shown whole elsewhere). Boxes are never narrower than
// a full single-precision display number; on double-precision pages they
// grow towards a full double display number when the frame has room left.
// Portable: the widths come from whoever measures the font.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "PageRecord.h"

namespace unitora {

// The page frame of the main window that every page fills, in dialog units.
inline constexpr int kPageWidth = 322;
inline constexpr int kPageHeight = 156;

// A line of the page font is 8 vertical dialog units, by their definition.
inline constexpr int kLineHeight = 8;

// What the labels need across, in dialog units: each field's label on one
// line and, asked for only on a page where not every label can have one
// line, the narrowest width that holds a field's label on two lines (at most
// its one-line width).
struct LabelWidths {
    std::span<const int> oneLine;  // per field, in the record's reading order
    std::function<int(size_t field)> twoLines;
};

// What a box needs across, in dialog units, to show a whole number.
struct BoxWidths {
    int singleNumber;  // such as "-1.23457e+015": no box is narrower
    int doubleNumber;  // such as "-1.23456789012346e+015"
};

struct GridRect {
    int x, y, cx, cy;
};

struct FieldPlaces {
    GridRect box;
    GridRect label;
    int lines;  // of the label: 1 or 2
    bool cut;   // the label does not fit even on two lines
};

struct PageGrid {
    std::vector<FieldPlaces> fields;  // in the record's reading order
    std::vector<GridRect> frames;     // in the record's frame order
};

PageGrid LayOutPageGrid(const PageRecord& record, const LabelWidths& labels, BoxWidths boxes);

}  // namespace unitora
