// The quantity page model: a page's stored values and base value, the
// conversion cycle run on every change of a box, and the initial display.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "DisplayFormat.h"
#include "PageRecord.h"

namespace unitora {

class PageBoxes;

// The most unit fields a page has.
constexpr std::size_t kMaxFields = 24;

// Visits the fields in data exchange order with their stored values; the
// visitor stores into the value (load) or shows it (save). A visitor returns
// false to abort the exchange at that field; the dialog data exchange aborts
// by throwing instead, which Exchange lets pass. field points into the
// record's fields, so its position there is the field's index.
class FieldExchange {
public:
    virtual bool Field(const UnitField& field, double& value, Width width) = 0;

protected:
    ~FieldExchange() = default;
};

class QuantityPage {
public:
    explicit QuantityPage(const PageRecord& record);

    const PageRecord& Record() const { return m_record; }
    DisplayPrecision Precision() const;

    double BaseValue() const;
    bool HasField(int id) const { return m_record.FieldIndex(id) >= 0; }

    // Base value from x typed into field id, by that field's input conversion.
    void SetBaseFromInput(int id, double x);
    // Every field but the base field from the base value.
    void Recalculate();

    // Runs the visitor over the stored values in data exchange order; false
    // when the visitor aborted.
    bool Exchange(FieldExchange& visitor);

    // The initial display: write-out of the construction values, their
    // read-back, a recalculation and a second write-out.
    void InitialDisplay(PageBoxes& boxes);

    // The conversion cycle of field id after its box changed.
    void OnBoxChanged(PageBoxes& boxes, int id);

private:
    double Store(double value) const;
    double& BaseSlot();

    const PageRecord& m_record;
    std::array<double, kMaxFields> m_values{};  // stored values, reading order
    double m_separateBase = 0;                  // used only when the record says so
    int m_baseIndex = -1;
    std::array<unsigned char, kMaxFields> m_exchangeOrder{};  // field indices
};

}  // namespace unitora
