#include "MemoryBoxes.h"

#include <algorithm>
#include <cassert>

#include "NumberText.h"
#include "SinglePrecision.h"

namespace unitora {

MemoryBoxes::MemoryBoxes(QuantityPage& page, std::function<void(int)> onPrompt)
    : m_page(page), m_onPrompt(std::move(onPrompt)) {}

std::size_t MemoryBoxes::Slot(const UnitField& field) const {
    return static_cast<std::size_t>(&field - m_page.Record().fields.data());
}

std::size_t MemoryBoxes::Slot(int id) const {
    const int index = m_page.Record().FieldIndex(id);
    assert(index >= 0 && "no such box");
    return index >= 0 ? static_cast<std::size_t>(index) : 0;
}

void MemoryBoxes::Type(int id, std::wstring_view text) {
    m_texts[Slot(id)] = std::wstring(text.substr(0, text.find(L'\0')));
    m_page.OnBoxChanged(*this, id);
}

const std::wstring& MemoryBoxes::Text(int id) const { return m_texts[Slot(id)]; }

int MemoryBoxes::Replacements(int id) const { return m_replacements[Slot(id)]; }

bool MemoryBoxes::ReadBack() {
    struct Load final : FieldExchange {
        MemoryBoxes& boxes;
        explicit Load(MemoryBoxes& b) : boxes(b) {}
        bool Field(const UnitField& field, double& value, Width width) override {
            double parsed = 0;
            if (!ReadBackValue(boxes.m_texts[boxes.Slot(field)], parsed)) {
                boxes.m_focused = field.id;
                if (boxes.m_onPrompt) boxes.m_onPrompt(field.id);
                return false;
            }
            value = width == Width::Single ? RoundToSingle(parsed) : parsed;
            return true;
        }
    } load(*this);
    return m_page.Exchange(load);
}

void MemoryBoxes::WriteOut() {
    struct Save final : FieldExchange {
        MemoryBoxes& boxes;
        DisplayPrecision precision;
        Save(MemoryBoxes& b, DisplayPrecision p) : boxes(b), precision(p) {}
        bool Field(const UnitField& field, double& value, Width) override {
            char shown[kMaxDisplayLength];
            const std::size_t length = FormatDisplay(value, precision, shown);
            const std::size_t slot = boxes.Slot(field);
            std::wstring& text = boxes.m_texts[slot];
            if (!std::equal(text.begin(), text.end(), shown, shown + length)) {
                text.assign(shown, shown + length);
                ++boxes.m_replacements[slot];
            }
            return true;
        }
    } save(*this, m_page.Precision());
    m_page.Exchange(save);
}

}  // namespace unitora
