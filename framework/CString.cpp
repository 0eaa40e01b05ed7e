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

}  // namespace

CString::CString(const wchar_t* text) : m_text(text != nullptr ? text : L"") {}

CString::CString(const wchar_t* text, int length)
    : m_text(text != nullptr && length > 0 ? std::wstring(text, static_cast<size_t>(length))
                                           : std::wstring()) {}

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

CString CString::Left(int count) const { return CString(m_text.substr(0, Clamp(count, m_text.size()))); }

CString CString::Mid(int first) const { return CString(m_text.substr(Clamp(first, m_text.size()))); }

int CString::ReverseFind(wchar_t ch) const noexcept {
    const size_t at = m_text.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
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
