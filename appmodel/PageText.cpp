#include "PageText.h"

namespace unitora {

std::wstring PageAsText(const PageRecord& record, const std::function<std::wstring(int fieldId)>& boxText) {
    std::wstring text;
    for (size_t index : record.FocusSequence()) {
        const UnitField& field = record.fields[index];
        text += field.label;
        text += L'\t';
        text += boxText(field.id);
        text += L"\r\n";
    }
    return text;
}

}  // namespace unitora
