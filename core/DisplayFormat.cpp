#include "DisplayFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace unitora {
namespace {

constexpr int kFirstRoundingDigits = 17;

std::size_t WriteNonFinite(double value, char* out) {
    const char* text;
    if (std::isinf(value)) {
        text = value < 0 ? "-1.#INF" : "1.#INF";
    } else {
        // Not reachable from any page's arithmetic; shown as the classic
        // runtime did for a quiet and for an indefinite NaN.
        text = std::signbit(value) ? "-1.#IND" : "1.#QNAN";
    }
    const std::size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return length;
}

// Appends the exponent with its sign and at least three digits.
std::size_t WriteExponent(int exponent, char* out) {
    std::size_t n = 0;
    out[n++] = 'e';
    out[n++] = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    out[n++] = static_cast<char>('0' + magnitude / 100);
    out[n++] = static_cast<char>('0' + magnitude / 10 % 10);
    out[n++] = static_cast<char>('0' + magnitude % 10);
    return n;
}

}  // namespace

std::size_t FormatDisplay(double value, DisplayPrecision precisionKind, std::span<char, kMaxDisplayLength> buffer) {
    char* const out = buffer.data();
    if (!std::isfinite(value)) return WriteNonFinite(value, out);
    std::size_t n = 0;
    if (std::signbit(value)) {
        out[n++] = '-';
        value = -value;
    }
    if (value == 0) {
        out[n++] = '0';
        return n;
    }

    // Step 1: 17 significant digits, "d.dddddddddddddddde+XXX".
    char scientific[32];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, kFirstRoundingDigits - 1);
    char digits[kFirstRoundingDigits];
    digits[0] = scientific[0];
    std::memcpy(digits + 1, scientific + 2, kFirstRoundingDigits - 1);
    int exponent = 0;
    const char* e = scientific + kFirstRoundingDigits + 1;  // points at 'e'
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, written.ptr, exponent);

    // Step 2: cut to the precision, rounding the digit string half up.
    const int precision = static_cast<int>(precisionKind);
    if (digits[precision] >= '5') {
        int k = precision - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    int significant = precision;
    while (significant > 1 && digits[significant - 1] == '0') --significant;

    // Step 3: %g's choice of form.
    if (exponent < -4 || exponent >= precision) {
        out[n++] = digits[0];
        if (significant > 1) {
            out[n++] = '.';
            std::memcpy(out + n, digits + 1, significant - 1);
            n += significant - 1;
        }
        return n + WriteExponent(exponent, out + n);
    }
    if (exponent < 0) {
        out[n++] = '0';
        out[n++] = '.';
        for (int k = exponent + 1; k < 0; ++k) out[n++] = '0';
        std::memcpy(out + n, digits, significant);
        return n + significant;
    }
    const int integerDigits = exponent + 1;
    for (int k = 0; k < integerDigits; ++k) out[n++] = k < significant ? digits[k] : '0';
    if (significant > integerDigits) {
        out[n++] = '.';
        std::memcpy(out + n, digits + integerDigits, significant - integerDigits);
        n += significant - integerDigits;
    }
    return n;
}

std::wstring FormatDisplay(double value, DisplayPrecision precision) {
    char buffer[kMaxDisplayLength];
    const std::size_t length = FormatDisplay(value, precision, buffer);
    return std::wstring(buffer, buffer + length);
}

}  // namespace unitora
