// Fuzzes the whole text path of a page: arbitrary bytes become the text of a
// box (as a paste would), and the acceptance test, parse, read-back,
// conversion cycle and display format must neither crash nor show a text
// longer than the display format can produce. The same text goes through
// the number reader, whose plain text must be one a box converts at once,
// read again unchanged, and keep the value of every text a box reads back
// today; and through the finder's query.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "DisplayFormat.h"
#include "MemoryBoxes.h"
#include "NumberReader.h"
#include "NumberText.h"
#include "PageTable.h"
#include "QuantityPage.h"
#include "UnitSearch.h"

using namespace unitora;

namespace {

void CheckShownTexts(const QuantityPage& page, const MemoryBoxes& boxes, int typedId,
                     const std::wstring& typed) {
    for (const UnitField& field : page.Record().fields) {
        const std::wstring& text = boxes.Text(field.id);
        const bool keptAsTyped = field.id == typedId && text == typed;
        if (!keptAsTyped && text.size() > kMaxDisplayLength) std::abort();
    }
}

void CheckReader(const std::wstring& text) {
    const std::optional<std::wstring> plain = ReadWrittenNumber(text);
    double today = 0;
    const bool readToday = ReadBackValue(text, today);
    if (!plain) {
        if (readToday) std::abort();
        return;
    }
    double value = 0;
    if (plain->find_first_not_of(L"0123456789+-.e") != std::wstring::npos || !IsConvertibleText(*plain) ||
        !ReadBackValue(*plain, value) || ReadWrittenNumber(*plain) != plain) {
        std::abort();
    }
    if (readToday && std::bit_cast<std::uint64_t>(today) != std::bit_cast<std::uint64_t>(value)) std::abort();
}

void CheckQuery(const std::wstring& text) {
    const UnitQuery query = ParseUnitQuery(text);
    if (!query.number.empty() && ReadWrittenNumber(query.number) != query.number) std::abort();
    const int pages[] = {2, 8, 9, 45};
    FindUnits(query, pages);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // First byte picks the page, second the box; the rest is the text, taken
    // as UTF-16 code units so that lone surrogates and NULs occur too.
    const PageRecord* record = PageAt(data[0] % kPageCount);
    if (!record) return 0;
    const UnitField& field = record->fields[data[1] % record->fields.size()];
    std::wstring text;
    for (std::size_t i = 2; i + 1 < size; i += 2) {
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }

    CheckReader(text);
    CheckQuery(text);
    IsConvertibleText(text);
    double value = ParseValue(text);
    char shown[kMaxDisplayLength];
    FormatDisplay(value, DisplayPrecision::Single, shown);
    FormatDisplay(value, DisplayPrecision::Double, shown);
    ReadBackValue(text, value);

    QuantityPage page(*record);
    MemoryBoxes boxes(page, nullptr);
    page.InitialDisplay(boxes);
    boxes.Type(field.id, text);
    const std::wstring typed = text.substr(0, text.find(L'\0'));
    CheckShownTexts(page, boxes, field.id, typed);
    // A second cycle reads back whatever the first one left.
    boxes.Type(record->fields[0].id, L"1");
    CheckShownTexts(page, boxes, 0, {});
    return 0;
}
