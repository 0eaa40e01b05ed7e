#include "UnitSearch.h"

#include "NumberReader.h"
#include "PageTable.h"
#include "UnitReadings.h"

namespace unitora {
namespace {

// Half-width katakana U+FF66..U+FF9D, as full-width ones.
constexpr std::wstring_view kHalfWidthKatakana =
    L"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";
static_assert(kHalfWidthKatakana.size() == 0xFF9D - 0xFF66 + 1);
// Half-width punctuation U+FF61..U+FF65 and the two sound marks U+FF9E, U+FF9F.
constexpr std::wstring_view kHalfWidthPunctuation = L"。「」、・";
constexpr wchar_t kHalfWidthVoicedMark = 0xFF9E;
constexpr wchar_t kHalfWidthSemiVoicedMark = 0xFF9F;
// Katakana whose voiced form is the next character; ウ's is ヴ.
constexpr std::wstring_view kVoiceable = L"カキクケコサシスセソタチツテトハヒフヘホ";
// Katakana whose semi-voiced form is two characters on.
constexpr std::wstring_view kSemiVoiceable = L"ハヒフヘホ";

bool IsBetween(wchar_t c, wchar_t first, wchar_t last) { return c >= first && c <= last; }

// Full-width Latin letters, digits, signs and the ideographic space as their
// half-width forms.
wchar_t NarrowWidth(wchar_t c) {
    if (IsBetween(c, 0xFF01, 0xFF5E)) return static_cast<wchar_t>(c - 0xFEE0);
    if (c == 0x3000) return L' ';
    if (c == 0x2212) return L'-';  // the minus sign an input method may give
    return c;
}

// Upper case to lower case for the Latin, Latin-1 and Greek letters, and the
// unit signs that stand for a letter (micro, ohm, kelvin, angstrom).
wchar_t LowerCase(wchar_t c) {
    if (IsBetween(c, L'A', L'Z')) return static_cast<wchar_t>(c + 32);
    if (IsBetween(c, 0x00C0, 0x00DE) && c != 0x00D7) return static_cast<wchar_t>(c + 32);
    if (IsBetween(c, 0x0391, 0x03A9) && c != 0x03A2) return static_cast<wchar_t>(c + 32);
    switch (c) {
    case 0x00B5: return 0x03BC;
    case 0x2126: return 0x03C9;
    case 0x212A: return L'k';
    case 0x212B: return 0x00E5;
    default: return c;
    }
}

// The three degree signs people write (°, ゜ and ˚) as one.
constexpr wchar_t kDegreeSign = 0x00B0;
wchar_t DegreeSign(wchar_t c) { return c == 0x309C || c == 0x02DA ? kDegreeSign : c; }

// ℃ and ℉ as the degree sign and the letter, so that "°C" finds ℃ and "℉"
// finds ゜Ｆ.
void AppendSplittingDegreeUnit(std::wstring& folded, wchar_t c) {
    constexpr wchar_t kCelsius = 0x2103;
    constexpr wchar_t kFahrenheit = 0x2109;
    if (c == kCelsius || c == kFahrenheit) {
        folded += kDegreeSign;
        folded += c == kCelsius ? L'c' : L'f';
    } else {
        folded += c;
    }
}

wchar_t Katakana(wchar_t c) {
    if (IsBetween(c, 0x3041, 0x3096) || c == 0x309D || c == 0x309E) return static_cast<wchar_t>(c + 0x60);
    return c;
}

// A half-width kana with a half-width sound mark after it is one full-width
// character; a mark that combines with nothing stays a mark.
wchar_t WidenKana(wchar_t c, wchar_t next, bool& tookNext) {
    tookNext = false;
    if (IsBetween(c, 0xFF61, 0xFF65)) return kHalfWidthPunctuation[static_cast<std::size_t>(c - 0xFF61)];
    if (c == kHalfWidthVoicedMark) return 0x309B;
    if (c == kHalfWidthSemiVoicedMark) return 0x309C;
    if (!IsBetween(c, 0xFF66, 0xFF9D)) return c;
    const wchar_t kana = kHalfWidthKatakana[static_cast<std::size_t>(c - 0xFF66)];
    if (next == kHalfWidthVoicedMark) {
        tookNext = kana == L'ウ' || kVoiceable.find(kana) != std::wstring_view::npos;
        if (tookNext) return kana == L'ウ' ? L'ヴ' : static_cast<wchar_t>(kana + 1);
    }
    if (next == kHalfWidthSemiVoicedMark) {
        tookNext = kSemiVoiceable.find(kana) != std::wstring_view::npos;
        if (tookNext) return static_cast<wchar_t>(kana + 2);
    }
    return kana;
}

std::wstring TrimSpaces(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return std::wstring(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

bool IsOneOf(wchar_t c, std::wstring_view set) { return set.find(c) != std::wstring_view::npos; }

// Characters that can stand in a number, folded; ー only in front.
bool MayBeInNumber(wchar_t c, std::size_t pos) {
    return IsBetween(c, L'0', L'9') || IsOneOf(c, L"+-.,e") || (pos == 0 && c == 0x30FC);
}

// A character after which the number before it would be part of something
// else: a longer number ("1.2.3", "1-2") or a fraction ("1/cm").
bool ContinuesNumber(wchar_t c) { return IsBetween(c, L'0', L'9') || IsOneOf(c, L"+-.,/"); }

bool Contains(const wchar_t* name, const std::wstring& text) {
    return name != nullptr && FoldForSearch(name).find(text) != std::wstring::npos;
}

}  // namespace

std::wstring FoldForSearch(std::wstring_view text) {
    std::wstring folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
        bool tookNext = false;
        const wchar_t c = Katakana(DegreeSign(LowerCase(NarrowWidth(WidenKana(text[i], next, tookNext)))));
        AppendSplittingDegreeUnit(folded, c);
        if (tookNext) ++i;
    }
    return folded;
}

// The number is the longest leading part that the number reader reads,
// before a space or glued to the name ("12psi"), in its plain text.
UnitQuery ParseUnitQuery(std::wstring_view query) {
    const std::wstring folded = TrimSpaces(FoldForSearch(query));
    std::size_t longest = 0;
    while (longest < folded.size() && MayBeInNumber(folded[longest], longest)) ++longest;
    for (std::size_t end = longest; end > 0; --end) {
        const std::optional<std::wstring> number = ReadWrittenNumber(std::wstring_view(folded).substr(0, end));
        if (!number) continue;
        if (end < folded.size() && ContinuesNumber(folded[end])) break;
        return {*number, TrimSpaces(std::wstring_view(folded).substr(end))};
    }
    return {L"", folded};
}

std::vector<UnitRef> FindUnits(const UnitQuery& query, std::span<const int> pages) {
    std::vector<UnitRef> found;
    if (!query.number.empty() && query.text.empty()) return found;
    for (int page : pages) {
        const PageRecord* record = PageAt(page);
        if (record == nullptr) continue;
        const bool tabMatches = Contains(record->tabLabel, query.text);
        for (std::size_t field = 0; field < record->fields.size(); ++field) {
            const UnitField& unit = record->fields[field];
            if (tabMatches || Contains(unit.label, query.text) ||
                Contains(UnitReading(*record, unit.id), query.text)) {
                found.push_back({page, static_cast<int>(field)});
            }
        }
    }
    return found;
}

std::wstring UnitRowText(UnitRef unit) {
    const PageRecord& record = *PageAt(unit.page);
    return std::wstring(record.fields[static_cast<std::size_t>(unit.field)].label) + L" — " + record.tabLabel;
}

}  // namespace unitora
