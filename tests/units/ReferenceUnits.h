// What the catalogue's factors are checked against, written from the labels:
// for every page, in page order, one row for each of its fields.
#pragma once

#include <vector>

namespace unitora {

// What typing 1 into the field stands for, in GNU units syntax; a page's base
// unit is the expression of its field that stores the typed value itself. A
// reason beside an expression marks the program's own definition of the unit
// (a rounded or older value, near GNU units' but not within the usual
// tolerance); a reason without one, a label that names no unit.
struct ReferenceField {
    int id;
    const char* expression;
    const char* reason = nullptr;
};

extern const std::vector<std::vector<ReferenceField>> kReferencePages;

// Input and output factors that are not each other's reciprocal on purpose.
struct FieldOnPage {
    int page;
    int id;
};
inline constexpr FieldOnPage kNotReciprocal[] = {
    {10, 1015},  // 1055.06 J per BTU in, the IT BTU (1055.056 J) out
};

}  // namespace unitora
