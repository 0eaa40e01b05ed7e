// CString: a wide-character string with value semantics, in the interface the
// program's dialogs are written against. Positions and lengths count wchar_t.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text);  // null reads as empty
    CString(const wchar_t* text, int length);
    CString(std::wstring_view text) : m_text(text) {}

    int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const noexcept { return m_text.empty(); }
    void Empty() noexcept { m_text.clear(); }

    operator LPCWSTR() const noexcept { return m_text.c_str(); }
    LPCWSTR GetString() const noexcept { return m_text.c_str(); }
    std::wstring_view View() const noexcept { return m_text; }

    wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    wchar_t operator[](int index) const { return GetAt(index); }

    CString& operator+=(const CString& text);
    CString& operator+=(const wchar_t* text);

    // Out-of-range counts and positions are clamped, as callers expect.
    CString Left(int count) const;
    CString Mid(int first) const;

    // -1 when not found.
    int ReverseFind(wchar_t ch) const noexcept;

    // Direct writing into the string's storage: GetBuffer(n) makes room for
    // n characters plus a terminator; ReleaseBuffer(-1) takes the length up
    // to the first terminator, ReleaseBuffer(n) sets it to n.
    LPWSTR GetBuffer(int minimumLength);
    void ReleaseBuffer(int newLength = -1);

    // Equal texts. A comparison with a plain wide string does not compile
    // (it is ambiguous), rather than comparing pointers through the
    // conversion to LPCWSTR.
    bool operator==(const CString& other) const noexcept = default;

private:
    std::wstring m_text;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const wchar_t* right);
