// Which help form is offered first on which system, and when the other one
// follows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HelpOrder.h"

namespace unitora {
namespace {

TEST(HelpOrder, OffersTheFormTheSystemCanShowThenTheOtherOnlyWhenItDidNotOpen) {
    const std::wstring hlp = kHelpFileName;
    const std::wstring html = kHelpPageFileName;
    struct Case {
        unsigned long windowsMajor;
        std::vector<std::wstring> unopenable;
        std::vector<std::wstring> offered;
    };
    const Case cases[] = {
        {6, {}, {hlp}},           {6, {hlp}, {hlp, html}},   {6, {hlp, html}, {hlp, html}}, {0, {}, {hlp}},
        {10, {}, {html}},         {10, {html}, {html, hlp}}, {11, {html, hlp}, {html, hlp}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> offered;
        OpenHelpInOrder(c.windowsMajor, [&](const wchar_t* fileName) {
            offered.emplace_back(fileName);
            return std::find(c.unopenable.begin(), c.unopenable.end(), fileName) == c.unopenable.end();
        });
        EXPECT_EQ(c.offered, offered) << "Windows " << c.windowsMajor << ", unopenable: " << c.unopenable.size();
    }
}

}  // namespace
}  // namespace unitora
