// CString and CStringArray: the operations the program's dialogs use.
#include "CStringArray.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CStringTest, FormatWritesNumbersAndTextWithoutTheRuntimesPrintf) {
    CString text;
    text.Format(L"View%02d", 7);
    EXPECT_EQ(CString(L"View07"), text);
    text.Format(L"View%02d", 45);
    EXPECT_EQ(CString(L"View45"), text);
    text.Format(L"%d.%d%d", 1, 7, 1);
    EXPECT_EQ(CString(L"1.71"), text);
    text.Format(L"[%5d|%-5d|%05d|%d]", -42, 42, -42, -2147483647 - 1);
    EXPECT_EQ(CString(L"[  -42|42   |-0042|-2147483648]"), text);
    text.Format(L"%s=%c %u %x %X 100%%", L"key", L'v', 4294967295u, 255u, 0xABCDu);
    EXPECT_EQ(CString(L"key=v 4294967295 ff ABCD 100%"), text);
    text.Format(L"%s and %s", CString(L"長さ"), L"面積");
    EXPECT_EQ(CString(L"長さ and 面積"), text);
}

TEST(CStringTest, FormatKeepsWhatItCannotConvertAndTreatsMissingArgumentsAsEmpty) {
    CString text;
    text.Format(L"%f %d|%s|", 1);
    EXPECT_EQ(CString(L"%f 1||"), text);
    text.Format(L"trailing %");
    EXPECT_EQ(CString(L"trailing %"), text);
}

TEST(CStringTest, PiecesAreClampedToTheString) {
    const CString text(L"1.2.3");
    EXPECT_EQ(CString(L"3"), text.Right(1));
    EXPECT_EQ(CString(L"1.2.3"), text.Right(10));
    EXPECT_EQ(CString(L""), text.Left(-1));
    EXPECT_EQ(CString(L"1.2"), text.Left(3));
    EXPECT_EQ(CString(L".2.3"), text.Mid(1));
    EXPECT_EQ(CString(L"2."), text.Mid(2, 2));
    EXPECT_EQ(CString(L""), text.Mid(9, 2));
    EXPECT_EQ(3, text.ReverseFind(L'.'));
    EXPECT_EQ(1, text.Find(L'.'));
    EXPECT_EQ(3, text.Find(L'.', 2));
    EXPECT_EQ(2, text.Find(L"2.3"));
    EXPECT_EQ(-1, text.Find(L'x'));
    EXPECT_EQ(-1, CString().ReverseFind(L'.'));
}

TEST(CStringTest, ValueSemanticsConcatenationAndComparison) {
    CString first(L"km");
    CString second = first;
    second += L"/h";
    EXPECT_EQ(CString(L"km"), first);
    EXPECT_EQ(CString(L"km/h"), second);
    EXPECT_TRUE(first + L"/h" == second);
    EXPECT_TRUE(L"k" + CString(L"m") == first);
    EXPECT_TRUE(first != second);
    EXPECT_TRUE(first < second);
    EXPECT_EQ(CString(), CString(static_cast<const wchar_t*>(nullptr)));
    EXPECT_TRUE(CString().IsEmpty());
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
    EXPECT_EQ(CString(L"ab"), text);
    text.GetBuffer(10);
    text.ReleaseBuffer(1);
    EXPECT_EQ(CString(L"a"), text);
}

TEST(CStringArrayTest, SizedSlotsStartEmptyAndAddAppends) {
    CStringArray slots;
    slots.SetSize(46);
    EXPECT_EQ(46, slots.GetSize());
    EXPECT_TRUE(slots[45].IsEmpty());
    slots.SetAt(0, L"乗数");
    slots[1] = L"パケット";
    EXPECT_EQ(CString(L"乗数"), slots.GetAt(0));
    EXPECT_EQ(46, slots.Add(L"extra"));
    slots.InsertAt(0, L"first");
    slots.RemoveAt(1);
    EXPECT_EQ(CString(L"first"), slots[0]);
    EXPECT_EQ(CString(L"パケット"), slots[1]);
    EXPECT_THROW(slots.GetAt(47), std::out_of_range);
    EXPECT_THROW(slots.InsertAt(48, L"x"), std::out_of_range);
    slots.RemoveAll();
    EXPECT_EQ(0, slots.GetSize());
}

}  // namespace
