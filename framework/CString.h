// CString: a wide-character string with value semantics, in the interface the
// program's dialogs are written against. Positions and lengths count wchar_t.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text);  // null reads as empty
    CString(const wchar_t* text, int length);
    CString(wchar_t ch, int repeat = 1);
    CString(std::wstring_view text) : m_text(text) {}

    int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const noexcept { return m_text.empty(); }
    void Empty() noexcept { m_text.clear(); }

    operator LPCWSTR() const noexcept { return m_text.c_str(); }
    LPCWSTR GetString() const noexcept { return m_text.c_str(); }
    std::wstring_view View() const noexcept { return m_text; }

    wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    void SetAt(int index, wchar_t ch) { m_text.at(static_cast<size_t>(index)) = ch; }
    wchar_t operator[](int index) const { return GetAt(index); }

    CString& operator=(const wchar_t* text);
    CString& operator+=(const CString& text);
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch);

    // Out-of-range counts and positions are clamped, as callers expect.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // -1 when not found.
    int Find(wchar_t ch, int start = 0) const noexcept;
    int Find(const wchar_t* text, int start = 0) const noexcept;
    int ReverseFind(wchar_t ch) const noexcept;

    int Compare(const wchar_t* text) const noexcept;

    // Direct writing into the string's storage: GetBuffer(n) makes room for
    // n characters plus a terminator; ReleaseBuffer(-1) takes the length up
    // to the first terminator, ReleaseBuffer(n) sets it to n.
    LPWSTR GetBuffer(int minimumLength);
    void ReleaseBuffer(int newLength = -1);

    // printf-like formatting, checked at compile time for argument kinds and
    // written without the C runtime's printf. Understands %% and %s %c %d %i
    // %u %x %X with the flags '-' and '0' and a field width ("View%02d").
    template <class... Args>
    void Format(const wchar_t* format, const Args&... args) {
        const FormatArgument list[] = {FormatArgument(args)..., FormatArgument()};
        FormatList(format, list, sizeof...(Args));
    }

    class FormatArgument {
    public:
        enum class Kind { None, Signed, Unsigned, Text, Character };
        FormatArgument() noexcept : m_kind(Kind::None) {}
        FormatArgument(int value) noexcept : m_kind(Kind::Signed), m_signed(value) {}
        FormatArgument(long value) noexcept : m_kind(Kind::Signed), m_signed(value) {}
        FormatArgument(long long value) noexcept : m_kind(Kind::Signed), m_signed(value) {}
        FormatArgument(unsigned value) noexcept : m_kind(Kind::Unsigned), m_unsigned(value) {}
        FormatArgument(unsigned long value) noexcept : m_kind(Kind::Unsigned), m_unsigned(value) {}
        FormatArgument(unsigned long long value) noexcept : m_kind(Kind::Unsigned), m_unsigned(value) {}
        FormatArgument(wchar_t value) noexcept : m_kind(Kind::Character), m_character(value) {}
        FormatArgument(const wchar_t* value) noexcept : m_kind(Kind::Text), m_text(value) {}
        FormatArgument(const CString& value) noexcept : m_kind(Kind::Text), m_text(value.GetString()) {}

        Kind GetKind() const noexcept { return m_kind; }
        std::int64_t GetSigned() const noexcept;
        std::uint64_t GetUnsigned() const noexcept;
        const wchar_t* GetText() const noexcept { return m_kind == Kind::Text ? m_text : nullptr; }
        wchar_t GetCharacter() const noexcept { return m_kind == Kind::Character ? m_character : L'\0'; }

    private:
        Kind m_kind;
        union {
            std::int64_t m_signed;
            std::uint64_t m_unsigned;
            const wchar_t* m_text;
            wchar_t m_character;
        };
    };

private:
    void FormatList(const wchar_t* format, const FormatArgument* arguments, size_t count);

    std::wstring m_text;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const wchar_t* right);
CString operator+(const wchar_t* left, const CString& right);
CString operator+(const CString& left, wchar_t right);

bool operator==(const CString& left, const CString& right) noexcept;
bool operator==(const CString& left, const wchar_t* right) noexcept;
bool operator!=(const CString& left, const CString& right) noexcept;
bool operator!=(const CString& left, const wchar_t* right) noexcept;
bool operator<(const CString& left, const CString& right) noexcept;
