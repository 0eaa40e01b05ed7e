// Every factor of the catalogue against GNU units, an independent unit
// database: typing 1 into a field must give the base value GNU units gives
// for the field's unit within 1e-4 (within 1e-2 where the factor is the
// program's own, rounded or older, definition), and the output conversion
// must take that base value back to 1 within 1e-6. A label that is no unit
// is listed with its reason instead; a field that is neither mapped nor
// listed fails, so a new field cannot slip past.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "GnuUnits.h"
#include "PageTable.h"
#include "ReferenceUnits.h"
#include "Utf8Text.h"

namespace unitora {
namespace {

constexpr double kUnitsTolerance = 1e-4;
constexpr double kOwnDefinitionTolerance = 1e-2;
constexpr double kReciprocalTolerance = 1e-6;

template <typename Entry>
const Entry* Find(std::span<const Entry> table, int page, int id) {
    for (const Entry& entry : table) {
        if (entry.page == page && entry.id == id) return &entry;
    }
    return nullptr;
}

template <typename Entry>
int Count(std::span<const Entry> table, int page, int id) {
    return static_cast<int>(std::count_if(table.begin(), table.end(), [&](const Entry& entry) {
        return entry.page == page && entry.id == id;
    }));
}

std::string Describe(int page, const UnitField& field) {
    return "page " + std::to_string(page) + " " + EncodeUtf8(PageAt(page)->tabLabel) + ", field " +
           std::to_string(field.id) + " \"" + EncodeUtf8(field.label) + "\"";
}

const char* BaseExpression(int page) {
    for (const UnitField& field : PageAt(page)->fields) {
        if (!field.input.Steps().empty()) continue;
        if (const ReferenceUnit* unit = Find(kReferenceUnits, page, field.id)) return unit->expression;
    }
    return nullptr;
}

template <typename Entry>
void ExpectFieldsExist(std::span<const Entry> table) {
    for (const Entry& entry : table) {
        const PageRecord* page = PageAt(entry.page);
        EXPECT_TRUE(page && page->FieldIndex(entry.id) >= 0)
            << "page " << entry.page << " has no field " << entry.id;
    }
}

bool ParseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

struct Question {
    int page;
    const UnitField* field;
    std::string expression;
    double tolerance;
};

TEST(CatalogueUnits, EveryFactorAgreesWithGnuUnits) {
    ExpectFieldsExist(kReferenceUnits);
    ExpectFieldsExist(kOwnDefinitions);
    ExpectFieldsExist(kNotUnits);
    ExpectFieldsExist(kNotReciprocal);

    std::vector<Question> questions;
    for (int page = 0; page < kPageCount; ++page) {
        const char* base = BaseExpression(page);
        ASSERT_NE(base, nullptr) << "page " << page << ": its base field has no expression";
        for (const UnitField& field : PageAt(page)->fields) {
            const ReferenceUnit* unit = Find(kReferenceUnits, page, field.id);
            const OwnDefinition* own = Find(kOwnDefinitions, page, field.id);
            const int places = Count(kReferenceUnits, page, field.id) +
                               Count(kOwnDefinitions, page, field.id) + Count(kNotUnits, page, field.id);
            EXPECT_EQ(places, 1) << Describe(page, field)
                                 << ": give it exactly one of a GNU units expression, an own "
                                    "definition or a place among the labels that are not units";
            const double roundTrip = field.output.Apply(field.input.Apply(1));
            if (!Find(kNotReciprocal, page, field.id)) {
                EXPECT_LE(std::abs(roundTrip - 1), kReciprocalTolerance)
                    << Describe(page, field) << ": 1 typed comes back as " << roundTrip
                    << ", the output factor is not the reciprocal of the input factor";
            }
            const auto ask = [&](const char* expression, double tolerance) {
                questions.push_back(
                    {page, &field, std::string("(") + expression + ")/(" + base + ")", tolerance});
            };
            if (unit) ask(unit->expression, kUnitsTolerance);
            if (own) ask(own->expression, kOwnDefinitionTolerance);
        }
    }

    std::vector<std::string> expressions;
    for (const Question& question : questions) expressions.push_back(question.expression);
    const std::vector<std::string> answers = EvaluateWithGnuUnits(expressions);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& question = questions[i];
        const double actual = question.field->input.Apply(1);
        double expected = 0;
        if (!ParseNumber(answers[i], expected)) {
            ADD_FAILURE() << Describe(question.page, *question.field) << ": GNU units answers "
                          << question.expression << " with \"" << answers[i] << "\"";
            continue;
        }
        EXPECT_LE(std::abs(actual / expected - 1), question.tolerance)
            << Describe(question.page, *question.field) << ": 1 typed gives " << actual
            << " base units, GNU units says " << question.expression << " is " << expected;
    }
}

}  // namespace
}  // namespace unitora
