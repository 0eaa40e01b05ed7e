#include "UnitListSource.h"

#include <algorithm>
#include <iterator>

#include "DisplayFormat.h"
#include "PageTable.h"
#include "Utf8Text.h"

namespace unitora::help {
namespace {

// The first page of each group of neighbouring tabs that share a topic.
constexpr int kGroupStarts[] = {0, 2, 5, 9, 13, 18, 22, 27, 30, 34, 38, 42, 45};

std::string GroupId(int group) { return "units." + std::to_string(kGroupStarts[group]); }

int GroupEnd(int group) {
    return group + 1 < static_cast<int>(std::size(kGroupStarts)) ? kGroupStarts[group + 1] : kPageCount;
}

std::string GroupTitle(int group) {
    std::string title;
    for (int page = kGroupStarts[group]; page < GroupEnd(group); ++page) {
        if (!title.empty()) title += "・";
        title += EncodeUtf8(PageAt(page)->tabLabel);
    }
    return title + "の単位";
}

std::string UnitName(const UnitField& field) {
    return field.label[0] != L'\0' ? EncodeUtf8(field.label) : std::string("（名前のない欄）");
}

// A unit with the caption of the frame it stands in, where a label stands
// twice on a page and the frames tell the two apart.
std::string ListedUnit(const PageRecord& page, const UnitField& field) {
    for (const GroupFrame& frame : page.frames) {
        if (frame.column == field.column && field.row >= frame.firstRow && field.row <= frame.lastRow) {
            return UnitName(field) + "（" + EncodeUtf8(frame.caption) + "）";
        }
    }
    return UnitName(field);
}

// The field that takes a typed number as it is: the base unit.
const UnitField& BaseField(const PageRecord& page) {
    return *std::find_if(page.fields.begin(), page.fields.end(),
                         [](const UnitField& field) { return field.input.Steps().empty(); });
}

void AppendPage(std::string& out, const PageRecord& page) {
    const bool single = page.width == Width::Single;
    const DisplayPrecision precision = single ? DisplayPrecision::Single : DisplayPrecision::Double;
    const double shown = single ? static_cast<float>(page.defaultBase) : page.defaultBase;
    out += "== " + EncodeUtf8(page.tabLabel) + "\n";
    out += "基準の単位: " + UnitName(BaseField(page)) + "。最初の表示: " +
           EncodeUtf8(FormatDisplay(shown, precision)) + "。";
    if (page.HasSeparateBase()) out += "基準の値は欄とは別に倍精度で持ちます。";
    out += single ? "各欄は単精度で、有効数字 6 桁で表示します。\n" : "各欄は倍精度で、有効数字 15 桁で表示します。\n";
    for (const UnitField& field : page.fields) out += "- " + ListedUnit(page, field) + "\n";
}

}  // namespace

std::string UnitListSource() {
    std::string out =
        "# Written by unitora-help-units from the catalogue at build time.\n"
        "= units 単位の一覧\n"
        "各ページの単位を、既定のタブの順番に、ページの中では列ごとに上から下への順番で載せています。\n";
    for (int group = 0; group < static_cast<int>(std::size(kGroupStarts)); ++group) {
        out += "- [[" + GroupId(group) + "]]\n";
    }
    for (int group = 0; group < static_cast<int>(std::size(kGroupStarts)); ++group) {
        out += "= " + GroupId(group) + " " + GroupTitle(group) + "\n";
        for (int page = kGroupStarts[group]; page < GroupEnd(group); ++page) AppendPage(out, *PageAt(page));
        out += "[[units|単位の一覧へ戻る]]\n";
    }
    return out;
}

}  // namespace unitora::help
