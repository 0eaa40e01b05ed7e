// The help files of this build: the help viewer's file opens with the
// program's help title and names every unit of every page, as does the web
// page copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "PageTable.h"
#include "Utf8Text.h"
#include "WinHelpReader.h"

namespace unitora::help {
namespace {

std::string BuiltFile(const char* name) {
    std::ifstream in(std::string(UNITORA_BUILT_HELP_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(BuiltHelp, NamesEveryUnitOfEveryPage) {
    const testing::ReadHelp help = testing::ReadHelpFile(BuiltFile("unitora.hlp"));
    const std::string page = BuiltFile("unitora.html");
    EXPECT_EQ("Unitora ヘルプ", help.title);
    std::vector<std::string> shown;
    for (const testing::ReadTopic& topic : help.topics) {
        shown.insert(shown.end(), topic.paragraphs.begin(), topic.paragraphs.end());
    }
    // A list item begins with the unit's label; a frame's caption may follow.
    const auto listed = [&](const std::string& item) {
        return std::any_of(shown.begin(), shown.end(), [&](const std::string& p) { return p.starts_with(item); });
    };
    for (int index = 0; index < kPageCount; ++index) {
        const PageRecord& record = *PageAt(index);
        const std::string tab = EncodeUtf8(record.tabLabel);
        EXPECT_TRUE(listed(tab)) << tab;
        for (const UnitField& field : record.fields) {
            if (field.label[0] == L'\0') continue;
            const std::string unit = EncodeUtf8(field.label);
            EXPECT_TRUE(listed("・" + unit)) << tab << ": " << unit;
            EXPECT_NE(std::string::npos, page.find("<li>" + unit)) << tab << ": " << unit;
        }
    }
}

}  // namespace
}  // namespace unitora::help
