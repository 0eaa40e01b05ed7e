// Every factor of the catalogue against GNU units, an independent unit
// database: typing 1 into a field must give the base value GNU units gives
// for the field's unit within 1e-4 (within 1e-2 where the factor is the
// program's own, rounded or older, definition), and the output conversion
// must take that base value back to 1 within 1e-6. A label that is no unit
// is listed with its reason instead; a field without a row of its own fails,
// so a new field cannot slip past.
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

const ReferenceField* RowOf(const std::vector<ReferenceField>& rows, int id) {
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const ReferenceField& r) { return r.id == id; });
    return row == rows.end() ? nullptr : &*row;
}

std::string Describe(int page, const UnitField& field) {
    return "page " + std::to_string(page) + " " + EncodeUtf8(PageAt(page)->tabLabel) + ", field " +
           std::to_string(field.id) + " \"" + EncodeUtf8(field.label) + "\"";
}

bool IsReciprocal(int page, int id) {
    return std::none_of(std::begin(kNotReciprocal), std::end(kNotReciprocal),
                        [&](const FieldOnPage& field) { return field.page == page && field.id == id; });
}

struct Question {
    std::string field;  // described for a failure message
    double typedOne;    // the base value of 1 typed into the field
    std::string expression;
    double tolerance;
};

TEST(CatalogueUnits, EveryFactorAgreesWithGnuUnits) {
    ASSERT_EQ(static_cast<size_t>(kPageCount), kReferencePages.size());
    std::vector<Question> questions;
    for (int page = 0; page < kPageCount; ++page) {
        const std::vector<ReferenceField>& rows = kReferencePages[page];
        const std::span<const UnitField> fields = PageAt(page)->fields;
        // With as many rows as fields, a field found means one row each.
        EXPECT_EQ(fields.size(), rows.size()) << "page " << page << ": one row for each field, and no other";
        const auto base =
            std::find_if(fields.begin(), fields.end(), [](const UnitField& f) { return f.input.Steps().empty(); });
        const ReferenceField* baseRow = base == fields.end() ? nullptr : RowOf(rows, base->id);
        ASSERT_TRUE(baseRow && baseRow->expression) << "page " << page << ": its base field has no expression";
        for (const UnitField& field : fields) {
            const std::string described = Describe(page, field);
            const ReferenceField* row = RowOf(rows, field.id);
            if (!row) {
                ADD_FAILURE() << described << ": give it a GNU units expression or the reason why it is no unit";
                continue;
            }
            const double roundTrip = field.output.Apply(field.input.Apply(1));
            if (IsReciprocal(page, field.id)) {
                EXPECT_LE(std::abs(roundTrip - 1), kReciprocalTolerance)
                    << described << ": 1 typed comes back as " << roundTrip
                    << ", the output factor is not the reciprocal of the input factor";
            }
            if (row->expression) {
                questions.push_back({described, field.input.Apply(1),
                                     std::string("(") + row->expression + ")/(" + baseRow->expression + ")",
                                     row->reason ? kOwnDefinitionTolerance : kUnitsTolerance});
            }
        }
    }

    std::vector<std::string> expressions;
    for (const Question& question : questions) expressions.push_back(question.expression);
    const std::vector<std::string> answers = EvaluateWithGnuUnits(expressions);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& question = questions[i];
        char* end = nullptr;
        const double expected = std::strtod(answers[i].c_str(), &end);
        if (answers[i].empty() || *end != '\0') {
            ADD_FAILURE() << question.field << ": GNU units answers " << question.expression << " with \""
                          << answers[i] << "\"";
            continue;
        }
        EXPECT_LE(std::abs(question.typedOne / expected - 1), question.tolerance)
            << question.field << ": 1 typed gives " << question.typedOne << " base units, GNU units says "
            << question.expression << " is " << expected;
    }
}

}  // namespace
}  // namespace unitora
