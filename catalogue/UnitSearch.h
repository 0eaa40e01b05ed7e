// Finding a unit by part of its name: the user types part of a unit's label
// or of its page's tab label, possibly after a number for the unit's box, and
// gets the matching units of the pages that stand as tabs.
//
// Matching ignores letter case, full-width against half-width forms,
// hiragana against katakana and the way a degree sign is written; a unit
// named in kanji alone is also found by its reading (UnitReadings.h). The
// folding is written out here rather than taken from the C runtime's locale
// functions, whose results differ between runtimes and locales.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace unitora {

// The text in the form in which it is compared: half-width Latin letters,
// digits and signs, lower case, full-width katakana (half-width katakana with
// their sound marks combined; hiragana as katakana), one degree sign for
// °, ゜ and ˚, and ℃ and ℉ as that sign and the letter.
std::wstring FoldForSearch(std::wstring_view text);

// A query split into the number typed before the unit, if any, and the
// folded text that a unit's label, reading or tab label must contain.
struct UnitQuery {
    // The plain text of the number the query starts with, as the number
    // reader gives it (NumberReader.h), before a space or glued to the name;
    // empty when the query starts with no number.
    std::wstring number;
    std::wstring text;
};

UnitQuery ParseUnitQuery(std::wstring_view query);

// A unit: its page index and its position among the page record's fields.
struct UnitRef {
    int page;
    int field;

    friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

// The units of these pages, in the order given and in reading order within a
// page, whose label, reading or tab label contains the query's text. A query
// that is only a number matches nothing.
std::vector<UnitRef> FindUnits(const UnitQuery& query, std::span<const int> pages);

// How a found unit is listed: "label — tab label".
std::wstring UnitRowText(UnitRef unit);

}  // namespace unitora
