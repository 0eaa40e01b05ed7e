#include "NumberText.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace unitora {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t SkipBlanks(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos;
}

// Longest decimal mantissa digits this parser hands to the converter; later
// digits only matter as "something non-zero follows", which one extra
// non-zero digit preserves for correct rounding.
constexpr std::size_t kMaxMantissaDigits = 800;
// Exponents are clamped far beyond any that can change a double's value.
constexpr long kExponentClamp = 100000;

struct ScannedNumber {
    std::size_t end = 0;      // index after the number; 0 when there is none
    bool negative = false;
    bool anyNonZero = false;  // some mantissa digit is not 0
    long exponent = 0;        // decimal exponent of the normalised digits below
    char digits[kMaxMantissaDigits + 2];  // only the first digitCount are set
    std::size_t digitCount = 0;
};

// Scans [sign] digits [. digits] [(e|E) [sign] digits] starting at pos, with
// at least one mantissa digit. The mantissa is kept as significant digits
// without leading zeros, so that huge texts convert in bounded space.
bool ScanNumber(std::wstring_view text, std::size_t pos, ScannedNumber& number) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        number.negative = text[i] == L'-';
        ++i;
    }
    bool sawDigit = false;
    bool truncatedNonZero = false;
    long pointShift = 0;  // digits before the point that were kept or dropped
    auto takeDigit = [&](wchar_t c, bool beforePoint) {
        sawDigit = true;
        if (c != L'0') number.anyNonZero = true;
        if (number.digitCount == 0 && c == L'0') {
            if (!beforePoint) --pointShift;  // a leading zero after the point
            return;
        }
        if (number.digitCount < kMaxMantissaDigits) {
            number.digits[number.digitCount++] = static_cast<char>(c);
        } else if (c != L'0') {
            truncatedNonZero = true;
        }
        if (beforePoint && pointShift < kExponentClamp) ++pointShift;
    };
    while (i < text.size() && IsDigit(text[i])) takeDigit(text[i++], true);
    if (i < text.size() && text[i] == L'.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) takeDigit(text[i++], false);
    }
    if (!sawDigit) return false;
    if (truncatedNonZero) number.digits[number.digitCount++] = '1';

    long exponent = 0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
            negativeExponent = text[j] == L'-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < kExponentClamp) exponent = exponent * 10 + (text[j] - L'0');
                ++j;
            }
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }
    // Value = 0.d1d2d3... x 10^(pointShift + exponent)
    number.exponent = pointShift + exponent;
    number.end = i;
    return true;
}

double Convert(const ScannedNumber& number) {
    const double zero = number.negative ? -0.0 : 0.0;
    if (!number.anyNonZero) return zero;
    // Beyond these bounds the value is certainly infinite or zero, and the
    // exponent text below stays short.
    if (number.exponent > 400) {
        const double inf = std::numeric_limits<double>::infinity();
        return number.negative ? -inf : inf;
    }
    if (number.exponent < -400) return zero;

    char buffer[kMaxMantissaDigits + 16];
    std::size_t n = 0;
    buffer[n++] = '.';
    for (std::size_t k = 0; k < number.digitCount; ++k) buffer[n++] = number.digits[k];
    buffer[n++] = 'e';
    auto written = std::to_chars(buffer + n, buffer + sizeof buffer, number.exponent);
    double value = 0;
    auto result = std::from_chars(buffer, written.ptr, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = number.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

}  // namespace

bool IsConvertibleText(std::wstring_view text) {
    if (!text.empty() && text.back() == L'.') return false;
    if (text.empty()) return false;
    if (text == L"-") return false;
    if (text == L"-0") return false;
    const std::size_t lastPoint = text.rfind(L'.');
    if (lastPoint != std::wstring_view::npos && lastPoint >= 1 && text.back() == L'0') return false;
    return true;
}

double ParseValue(std::wstring_view text) {
    ScannedNumber number;
    if (!ScanNumber(text, SkipBlanks(text, 0), number)) return 0.0;
    return Convert(number);
}

bool ReadBackValue(std::wstring_view text, double& value) {
    const std::size_t start = SkipBlanks(text, 0);
    ScannedNumber number;
    const bool scanned = ScanNumber(text, start, number);
    const double parsed = scanned ? Convert(number) : 0.0;
    if (parsed == 0.0 && (start >= text.size() || text[start] != L'0')) return false;
    if (!scanned) return false;
    if (SkipBlanks(text, number.end) != text.size()) return false;
    value = parsed;
    return true;
}

}  // namespace unitora
