// Reading numbers as people write them into the plain text of a box.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "NumberReader.h"
#include "NumberText.h"

namespace unitora {
namespace {

TEST(ReadWrittenNumber, GivesThePlainTextABoxConvertsOrNothing) {
    struct Case {
        const wchar_t* written;
        const wchar_t* plain;  // null: not a number, so the text stays as it is
    };
    const Case cases[] = {
        {L"１２３", L"123"},          {L"−5", L"-5"},               {L"ー40", L"-40"},
        {L"－１．５", L"-1.5"},       {L"＋5", L"5"},               {L"1,234.5", L"1234.5"},
        {L"-1,234,567", L"-1234567"}, {L"１，０００", L"1000"},     {L"1e3", L"1e3"},
        {L"１ｅ３", L"1e3"},          {L"2.5Ｅ−3", L"2.5e-3"},      {L" \t12\r\n", L"12"},
        {L"\x3000" L"7\x3000", L"7"}, {L"1.50", L"1.5"},            {L"1.", L"1"},
        {L"0.0", L"0"},               {L"007", L"007"},             {L".5", L".5"},
        {L"1.5e10", L"15e09"},        {L"1.5E+100", L"15e+099"},    {L"1.25e-10", L"12.5e-11"},
        {L"2.5e0", L"25e-1"},         {L"1.0e10", L"1e10"},         {L"1e400", L"1e400"},
        // Not numbers, as the box reads back: the prompt decides as ever.
        {L"1,5", nullptr},            {L"12,34", nullptr},          {L"1234,567", nullptr},
        {L"0,500", nullptr},          {L",123", nullptr},           {L"1,000,00", nullptr},
        {L"1.000,5", nullptr},        {L"1,5e3", nullptr},          {L"1 000", nullptr},
        {L"5ー", nullptr},            {L"ーー5", nullptr},          {L"1eー5", nullptr},
        {L"1-2", nullptr},            {L"1.2.3", nullptr},          {L"--1", nullptr},
        {L".0", nullptr},             {L"-00", nullptr},            {L"-0", nullptr},
        {L"+0", nullptr},             {L"1e", nullptr},             {L"1e-400", nullptr},
        {L"abc", nullptr},            {L"", nullptr},               {L"\r\n", nullptr},
        {L"1.#INF", nullptr},         {L"0x10", nullptr},           {L"1\n2", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::wstring> plain = ReadWrittenNumber(c.written);
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.written)));
        ASSERT_EQ(plain.has_value(), c.plain != nullptr);
        if (plain) {
            EXPECT_EQ(*plain, c.plain);
            EXPECT_TRUE(IsConvertibleText(*plain));
        }
    }
}

}  // namespace
}  // namespace unitora
