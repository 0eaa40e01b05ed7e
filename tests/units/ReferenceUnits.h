// What the catalogue's factors are checked against: for every field of every
// page, a GNU units expression for its label, or the reason why its label is
// not a unit. Fields are named by page index and field ID.
#pragma once

#include <span>

namespace unitora {

// What typing 1 into the field stands for, in GNU units syntax. A page's base
// unit is the expression of its field that stores the typed value itself.
struct ReferenceUnit {
    int page;
    int id;
    const char* expression;
};

// A factor that is the program's own definition of the unit: a rounded or
// older value, near GNU units' but not within the usual tolerance.
struct OwnDefinition {
    int page;
    int id;
    const char* expression;
    const char* reason;
};

struct ListedField {
    int page;
    int id;
    const char* reason;
};

extern const std::span<const ReferenceUnit> kReferenceUnits;
extern const std::span<const OwnDefinition> kOwnDefinitions;
// Labels that name no unit GNU units knows of: comparisons and counts.
extern const std::span<const ListedField> kNotUnits;
// Input and output factors that are not each other's reciprocal on purpose.
extern const std::span<const ListedField> kNotReciprocal;

}  // namespace unitora
