// Page layout arithmetic on the hardest pages, with labels measured in a
// stand-in font (a full-width character 8 dialog units across, any other 4):
// which labels take two lines or are cut, and that every page still keeps
// its grid inside the frame, with boxes as wide as a whole number needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DataSize.h"
#include "Multiplier.h"
#include "PageGrid.h"
#include "PressureEnergyPowerTorque.h"
#include "Temperature.h"

namespace unitora {
namespace {

constexpr BoxWidths kBoxes{52, 90};

// scale: how many times wider than the stand-in font the labels are.
std::vector<int> StandInWidths(const PageRecord& record, int scale) {
    std::vector<int> widths;
    for (const UnitField& field : record.fields) {
        int across = 0;
        for (const wchar_t* c = field.label; *c != L'\0'; ++c) across += (*c >= 0x2E80 ? 8 : 4) * scale;
        widths.push_back(across);
    }
    return widths;
}

int StandInTwoLines(int oneLine) { return std::min(oneLine, oneLine / 2 + 4); }

bool Inside(const GridRect& r) { return r.x >= 0 && r.y >= 0 && r.x + r.cx <= kPageWidth && r.y + r.cy <= kPageHeight; }

struct Case {
    const char* name;
    const PageRecord& record;
    int scale;
    int box;            // width of every box
    const char* lines;  // per field in reading order: 1 or 2 lines, x when cut
};

const Case kCases[] = {
    {"one column of long labels", kTemperaturePage, 1, 52, "1111"},
    {"two frames", kDataSizePage, 1, 52, "11111111111"},
    {"double precision: boxes take the room left", kMultiplierPage, 1, 59, "111111111111111111111"},
    {"three columns of long labels", kEnergyPage, 1, 52, "1111111" "2111211" "2222112"},
    {"labels too long even on two lines", kEnergyPage, 3, 52, "1x12211" "xx2xx12" "xxxx1xx"},
};

TEST(PageGridTest, LabelsTakeTheLinesTheyNeedAndTheGridStaysInTheFrame) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::vector<int> oneLine = StandInWidths(c.record, c.scale);
        const PageGrid grid =
            LayOutPageGrid(c.record, {oneLine, [&](size_t i) { return StandInTwoLines(oneLine[i]); }}, kBoxes);
        std::string lines;
        for (size_t i = 0; i < grid.fields.size(); ++i) {
            const FieldPlaces& f = grid.fields[i];
            lines += f.cut ? 'x' : static_cast<char>('0' + f.lines);
            EXPECT_TRUE(Inside(f.box) && Inside(f.label)) << i;
            EXPECT_EQ(c.box, f.box.cx);
            EXPECT_EQ(f.box.y + f.box.cy / 2, f.label.y + f.label.cy / 2) << "label centred on its box";
            if (!f.cut) {
                EXPECT_GE(f.label.cx, f.lines == 1 ? oneLine[i] : StandInTwoLines(oneLine[i])) << i;
            }
            for (const FieldPlaces& right : grid.fields) {
                if (right.box.x > f.box.x) {
                    EXPECT_LT(f.label.x + f.label.cx, right.box.x) << "columns overlap";
                }
            }
        }
        EXPECT_EQ(c.lines, lines);
        for (size_t i = 0; i < grid.frames.size(); ++i) {
            EXPECT_TRUE(Inside(grid.frames[i]));
            for (size_t j = i + 1; j < grid.frames.size(); ++j) {
                EXPECT_LT(grid.frames[i].x + grid.frames[i].cx, grid.frames[j].x) << "frames overlap";
            }
        }
    }
}

}  // namespace
}  // namespace unitora
