#include "QuantityPage.h"

#include <cassert>

#include "NumberText.h"
#include "PageBoxes.h"
#include "SinglePrecision.h"

namespace unitora {

QuantityPage::QuantityPage(const PageRecord& record) : m_record(record) {
    assert(record.fields.size() <= kMaxFields);
    if (record.HasSeparateBase()) {
        m_separateBase = record.defaultBase;
    } else {
        m_baseIndex = IndexOf(record.baseFieldId);
        assert(m_baseIndex >= 0);
        m_values[m_baseIndex] = Store(record.defaultBase);
    }
}

DisplayPrecision QuantityPage::Precision() const {
    return m_record.width == Width::Single ? DisplayPrecision::Single : DisplayPrecision::Double;
}

int QuantityPage::IndexOf(int id) const {
    for (std::size_t i = 0; i < m_record.fields.size(); ++i) {
        if (m_record.fields[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

double QuantityPage::Store(double value) const {
    return m_record.width == Width::Single ? RoundToSingle(value) : value;
}

double& QuantityPage::BaseSlot() {
    return m_baseIndex >= 0 ? m_values[m_baseIndex] : m_separateBase;
}

double QuantityPage::BaseValue() const {
    return m_baseIndex >= 0 ? m_values[m_baseIndex] : m_separateBase;
}

double QuantityPage::StoredValue(int id) const {
    const int index = IndexOf(id);
    assert(index >= 0);
    return m_values[index];
}

void QuantityPage::SetBaseFromInput(int id, double x) {
    const int index = IndexOf(id);
    assert(index >= 0);
    const double base = m_record.fields[index].input.Apply(x);
    // A separate base value is a double; a base field has the page's width.
    BaseSlot() = m_baseIndex >= 0 ? Store(base) : base;
}

void QuantityPage::Recalculate() {
    const double base = BaseValue();
    for (std::size_t i = 0; i < m_record.fields.size(); ++i) {
        if (static_cast<int>(i) == m_baseIndex) continue;
        m_values[i] = Store(m_record.fields[i].output.Apply(base));
    }
}

bool QuantityPage::Exchange(FieldExchange& visitor) {
    const auto visit = [&](int id) {
        const int index = IndexOf(id);
        assert(index >= 0);
        return visitor.Field(id, m_values[index], m_record.width);
    };
    if (m_record.exchangeOrder.empty()) {
        for (const UnitField& field : m_record.fields) {
            if (!visit(field.id)) return false;
        }
    } else {
        for (int id : m_record.exchangeOrder) {
            if (!visit(id)) return false;
        }
    }
    return true;
}

void QuantityPage::InitialDisplay(PageBoxes& boxes) {
    boxes.WriteOut();
    CompleteInitialDisplay(boxes);
}

void QuantityPage::CompleteInitialDisplay(PageBoxes& boxes) {
    boxes.ReadBack();
    Recalculate();
    boxes.WriteOut();
}

void QuantityPage::OnBoxChanged(PageBoxes& boxes, int id) {
    const std::wstring text = boxes.BoxText(id);
    if (!IsConvertibleText(text)) return;
    boxes.ReadBack();  // its only lasting effect is a failure's prompt and focus
    SetBaseFromInput(id, ParseValue(text));
    Recalculate();
    boxes.WriteOut();
}

}  // namespace unitora
