#include "NumberReader.h"

#include "NumberText.h"

namespace unitora {
namespace {

constexpr wchar_t kProlongedSoundMark = 0x30FC;  // ー

bool IsSpaceAround(wchar_t c) { return c == L' ' || c == 0x3000 || c == L'\t' || c == L'\r' || c == L'\n'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A number in its written parts, in ASCII.
struct WrittenNumber {
    std::wstring sign;  // "+", "-" or none
    std::wstring whole;
    bool point = false;
    std::wstring fraction;
    bool hasExponent = false;
    std::wstring exponent;  // optional sign, then digits

    std::wstring Text() const {
        std::wstring text = sign + whole;
        if (point) text += L'.' + fraction;
        if (hasExponent) text += L'e' + exponent;
        return text;
    }
};

class Cursor {
public:
    explicit Cursor(std::wstring_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }
    wchar_t Peek() const { return AtEnd() ? L'\0' : m_text[m_pos]; }
    bool Take(wchar_t a, wchar_t b) {
        if (AtEnd() || (Peek() != a && Peek() != b)) return false;
        ++m_pos;
        return true;
    }
    bool Take(wchar_t c) { return Take(c, c); }
    bool TakeSign(std::wstring& sign) {
        if (AtEnd() || (Peek() != L'+' && Peek() != L'-')) return false;
        sign += m_text[m_pos++];
        return true;
    }
    void TakeDigits(std::wstring& digits) {
        while (IsDigit(Peek())) digits += m_text[m_pos++];
    }

private:
    std::wstring_view m_text;
    std::size_t m_pos = 0;
};

// The digits of the whole part, with "," allowed between groups only as
// thousands are grouped: "1,234,567", not "1,5", "12,34" or "1234,567",
// nor "0,5", which is a decimal comma.
bool ReadWholePart(Cursor& in, std::wstring& digits) {
    in.TakeDigits(digits);
    if (in.Peek() != L',') return true;
    if (digits.empty() || digits.size() > 3 || digits[0] == L'0') return false;
    while (in.Take(L',')) {
        std::wstring group;
        in.TakeDigits(group);
        if (group.size() != 3) return false;
        digits += group;
    }
    return true;
}

std::optional<WrittenNumber> Split(std::wstring_view ascii) {
    Cursor in(ascii);
    WrittenNumber number;
    in.TakeSign(number.sign);
    if (!ReadWholePart(in, number.whole)) return std::nullopt;
    number.point = in.Take(L'.');
    if (number.point) in.TakeDigits(number.fraction);
    if (number.whole.empty() && number.fraction.empty()) return std::nullopt;
    if (in.Take(L'e', L'E')) {
        number.hasExponent = true;
        const std::size_t signLength = in.TakeSign(number.exponent) ? 1 : 0;
        in.TakeDigits(number.exponent);
        if (number.exponent.size() == signLength) return std::nullopt;
    }
    if (!in.AtEnd()) return std::nullopt;
    return number;
}

// One less than an exponent whose last digit is 0: "-10" gives "-11", "10"
// gives "09" and "0" gives "-1".
void DecrementExponent(std::wstring& exponent) {
    if (exponent[0] == L'-') {
        exponent.back() = L'1';
        return;
    }
    const std::size_t last = exponent.find_last_not_of(L'0');
    if (last == std::wstring::npos || !IsDigit(exponent[last])) {
        exponent = L"-1";
        return;
    }
    --exponent[last];
    for (std::size_t k = last + 1; k < exponent.size(); ++k) exponent[k] = L'9';
}

// The same value in the form a box converts at once. The acceptance test
// holds back a text that ends in a point, or in 0 after a point, as still
// being typed; so trailing zeros of the fraction go, and where an exponent
// ends in 0 the point moves one digit right ("1.5e10" as "15e09").
void MakePlain(WrittenNumber& number) {
    if (number.sign == L"+") number.sign.clear();
    number.fraction.erase(number.fraction.find_last_not_of(L'0') + 1);
    number.point = !number.fraction.empty();
    if (number.point && number.hasExponent && number.exponent.back() == L'0') {
        number.whole += number.fraction[0];
        number.fraction.erase(0, 1);
        number.point = !number.fraction.empty();
        DecrementExponent(number.exponent);
    }
}

}  // namespace

wchar_t AsciiNumberCharacter(wchar_t c) {
    if (c >= 0xFF10 && c <= 0xFF19) return static_cast<wchar_t>(L'0' + (c - 0xFF10));
    switch (c) {
    case 0xFF0B: return L'+';  // ＋
    case 0xFF0D:               // －
    case 0x2212:               // −
    case kProlongedSoundMark: return L'-';
    case 0xFF0E: return L'.';  // ．
    case 0xFF0C: return L',';  // ，
    case 0xFF45: return L'e';  // ｅ
    case 0xFF25: return L'E';  // Ｅ
    default: return c;
    }
}

std::optional<std::wstring> ReadWrittenNumber(std::wstring_view text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && IsSpaceAround(text[first])) ++first;
    while (end > first && IsSpaceAround(text[end - 1])) --end;
    std::wstring ascii;
    for (std::size_t i = first; i < end; ++i) {
        // ー is a long vowel everywhere but in front.
        if (text[i] == kProlongedSoundMark && i != first) return std::nullopt;
        ascii += AsciiNumberCharacter(text[i]);
    }
    std::optional<WrittenNumber> number = Split(ascii);
    double value = 0;
    if (!number || !ReadBackValue(number->Text(), value)) return std::nullopt;
    MakePlain(*number);
    return number->Text();
}

}  // namespace unitora
