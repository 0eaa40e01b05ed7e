// CString: the operations the program's dialogs use.
#include "CString.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CStringTest, PiecesAreClampedToTheString) {
    const CString text(L"1.2.3");
    const struct {
        CString piece;
        const wchar_t* expected;
    } cases[] = {
        {text.Left(-1), L""},     {text.Left(3), L"1.2"}, {text.Left(10), L"1.2.3"},
        {text.Mid(-1), L"1.2.3"}, {text.Mid(1), L".2.3"}, {text.Mid(9), L""},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.expected, c.piece);
    }
    EXPECT_EQ(3, text.ReverseFind(L'.'));
    EXPECT_EQ(-1, CString().ReverseFind(L'.'));
    EXPECT_THROW(text[5], std::out_of_range);
}

TEST(CStringTest, ValueSemanticsAndConcatenation) {
    CString first(L"km");
    CString second = first;
    second += L"/h";
    EXPECT_STREQ(L"km", first);
    EXPECT_STREQ(L"km/h", second);
    EXPECT_TRUE(first + L"/h" == second);
    EXPECT_TRUE(CString(L"k") + CString(L"m") == first);
    EXPECT_TRUE(first != second);
    EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
    EXPECT_STREQ(L"km", CString(L"km/h", 2));
    EXPECT_TRUE(CString(L"km", -1).IsEmpty());
    second.Empty();
    EXPECT_EQ(0, second.GetLength());
}

TEST(CStringTest, TheBufferCanBeWrittenDirectly) {
    CString text;
    wchar_t* buffer = text.GetBuffer(5);
    buffer[0] = L'a';
    buffer[1] = L'b';
    buffer[2] = L'\0';
    text.ReleaseBuffer();
    EXPECT_STREQ(L"ab", text);
    text.GetBuffer(10);
    text.ReleaseBuffer(1);
    EXPECT_STREQ(L"a", text);
}

}  // namespace
