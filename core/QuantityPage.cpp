#include "QuantityPage.h"

#include <cassert>

#include "NumberText.h"
#include "PageBoxes.h"
#include "SinglePrecision.h"

namespace unitora {

QuantityPage::QuantityPage(const PageRecord& record) : m_record(record) {
    assert(record.fields.size() <= kMaxFields);
    assert(record.exchangeOrder.empty() || record.exchangeOrder.size() == record.fields.size());
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        const int index = record.exchangeOrder.empty() ? static_cast<int>(i)
                                                       : record.FieldIndex(record.exchangeOrder[i]);
        assert(index >= 0);
        m_exchangeOrder[i] = static_cast<unsigned char>(index);
    }
    if (record.HasSeparateBase()) {
        m_separateBase = record.defaultBase;
    } else {
        m_baseIndex = record.FieldIndex(record.baseFieldId);
        assert(m_baseIndex >= 0);
        m_values[m_baseIndex] = Store(record.defaultBase);
    }
}

DisplayPrecision QuantityPage::Precision() const {
    return m_record.width == Width::Single ? DisplayPrecision::Single : DisplayPrecision::Double;
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

void QuantityPage::SetBaseFromInput(int id, double x) {
    const int index = m_record.FieldIndex(id);
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
    for (std::size_t i = 0; i < m_record.fields.size(); ++i) {
        const unsigned char index = m_exchangeOrder[i];
        if (!visitor.Field(m_record.fields[index], m_values[index], m_record.width)) return false;
    }
    return true;
}

void QuantityPage::InitialDisplay(PageBoxes& boxes) {
    boxes.WriteOut();
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
