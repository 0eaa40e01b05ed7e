#include "CString.h"

#include <algorithm>
#include <cwchar>

namespace {

size_t Clamp(int value, size_t limit) {
    if (value < 0) {
        return 0;
    }
    return std::min(static_cast<size_t>(value), limit);
}

// Digits of a magnitude in base 10 or 16, most significant first.
std::wstring Digits(std::uint64_t magnitude, unsigned base, bool upperCase) {
    const wchar_t* digitSet = upperCase ? L"0123456789ABCDEF" : L"0123456789abcdef";
    std::wstring digits;
    do {
        digits.insert(digits.begin(), digitSet[magnitude % base]);
        magnitude /= base;
    } while (magnitude != 0);
    return digits;
}

struct FieldFormat {
    bool leftAlign = false;
    bool zeroPad = false;
    size_t width = 0;
};

void AppendPadded(std::wstring& out, const std::wstring& sign, const std::wstring& body,
                  const FieldFormat& field, bool numeric) {
    const size_t length = sign.size() + body.size();
    const size_t padding = field.width > length ? field.width - length : 0;
    if (field.leftAlign) {
        out += sign;
        out += body;
        out.append(padding, L' ');
    } else if (field.zeroPad && numeric) {
        out += sign;
        out.append(padding, L'0');
        out += body;
    } else {
        out.append(padding, L' ');
        out += sign;
        out += body;
    }
}

}  // namespace

CString::CString(const wchar_t* text) : m_text(text != nullptr ? text : L"") {}

CString::CString(const wchar_t* text, int length)
    : m_text(text != nullptr && length > 0 ? std::wstring(text, static_cast<size_t>(length))
                                           : std::wstring()) {}

CString::CString(wchar_t ch, int repeat) : m_text(static_cast<size_t>(std::max(repeat, 0)), ch) {}

CString& CString::operator=(const wchar_t* text) {
    m_text = text != nullptr ? text : L"";
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const wchar_t* text) {
    if (text != nullptr) {
        m_text += text;
    }
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    m_text += ch;
    return *this;
}

CString CString::Left(int count) const { return CString(m_text.substr(0, Clamp(count, m_text.size()))); }

CString CString::Right(int count) const {
    const size_t n = Clamp(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString CString::Mid(int first) const { return CString(m_text.substr(Clamp(first, m_text.size()))); }

CString CString::Mid(int first, int count) const {
    const size_t start = Clamp(first, m_text.size());
    return CString(m_text.substr(start, Clamp(count, m_text.size() - start)));
}

int CString::Find(wchar_t ch, int start) const noexcept {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    const size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* text, int start) const noexcept {
    if (text == nullptr || start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    const size_t at = m_text.find(text, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const noexcept {
    const size_t at = m_text.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Compare(const wchar_t* text) const noexcept {
    return m_text.compare(text != nullptr ? text : L"");
}

LPWSTR CString::GetBuffer(int minimumLength) {
    if (minimumLength > 0 && m_text.size() < static_cast<size_t>(minimumLength)) {
        m_text.resize(static_cast<size_t>(minimumLength));
    }
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        m_text.resize(std::wcslen(m_text.c_str()));
    } else {
        m_text.resize(std::min(static_cast<size_t>(newLength), m_text.size()));
    }
}

std::int64_t CString::FormatArgument::GetSigned() const noexcept {
    switch (m_kind) {
    case Kind::Signed: return m_signed;
    case Kind::Unsigned: return static_cast<std::int64_t>(m_unsigned);
    case Kind::Character: return m_character;
    default: return 0;
    }
}

std::uint64_t CString::FormatArgument::GetUnsigned() const noexcept {
    switch (m_kind) {
    case Kind::Signed: return static_cast<std::uint64_t>(m_signed);
    case Kind::Unsigned: return m_unsigned;
    case Kind::Character: return m_character;
    default: return 0;
    }
}

void CString::FormatList(const wchar_t* format, const FormatArgument* arguments, size_t count) {
    std::wstring out;
    size_t next = 0;
    const FormatArgument none;
    auto take = [&]() -> const FormatArgument& { return next < count ? arguments[next++] : none; };

    for (const wchar_t* p = format != nullptr ? format : L""; *p != L'\0'; ++p) {
        if (*p != L'%') {
            out += *p;
            continue;
        }
        const wchar_t* const fieldStart = p;
        FieldFormat field;
        for (++p; *p == L'-' || *p == L'0'; ++p) {
            (*p == L'-' ? field.leftAlign : field.zeroPad) = true;
        }
        for (; *p >= L'0' && *p <= L'9'; ++p) {
            field.width = field.width * 10 + static_cast<size_t>(*p - L'0');
        }
        while (*p == L'l' || *p == L'h') {
            ++p;
        }
        switch (*p) {
        case L'%':
            out += L'%';
            break;
        case L's': {
            const wchar_t* text = take().GetText();
            AppendPadded(out, L"", text != nullptr ? text : L"", field, false);
            break;
        }
        case L'c':
            AppendPadded(out, L"", std::wstring(1, take().GetCharacter()), field, false);
            break;
        case L'd':
        case L'i': {
            const std::int64_t value = take().GetSigned();
            const std::uint64_t magnitude =
                value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
            AppendPadded(out, value < 0 ? L"-" : L"", Digits(magnitude, 10, false), field, true);
            break;
        }
        case L'u':
            AppendPadded(out, L"", Digits(take().GetUnsigned(), 10, false), field, true);
            break;
        case L'x':
        case L'X':
            AppendPadded(out, L"", Digits(take().GetUnsigned(), 16, *p == L'X'), field, true);
            break;
        default:  // not a conversion we know: keep the text as written
            out.append(fieldStart, *p == L'\0' ? p : p + 1);
            if (*p == L'\0') {
                --p;
            }
            break;
        }
    }
    m_text = std::move(out);
}

CString operator+(const CString& left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, const wchar_t* right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const wchar_t* left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, wchar_t right) {
    CString result(left);
    result += right;
    return result;
}

bool operator==(const CString& left, const CString& right) noexcept { return left.View() == right.View(); }
bool operator==(const CString& left, const wchar_t* right) noexcept { return left.Compare(right) == 0; }
bool operator!=(const CString& left, const CString& right) noexcept { return !(left == right); }
bool operator!=(const CString& left, const wchar_t* right) noexcept { return !(left == right); }
bool operator<(const CString& left, const CString& right) noexcept { return left.View() < right.View(); }
