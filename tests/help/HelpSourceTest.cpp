// Faults in a help source stop the compiler with the file, the line and
// what is wrong, whether the source reader or a writer finds them.
#include <gtest/gtest.h>

#include <string>

#include "HelpSource.h"
#include "HtmlPage.h"
#include "WinHelpFile.h"

namespace unitora::help {
namespace {

std::string CompileError(const std::string& source) {
    try {
        const HelpDocument document = ReadHelpSource({{"help.txt", source}});
        WriteWinHelpFile(document);
        WriteHtmlPage(document);
    } catch (const SourceError& error) {
        return error.what();
    }
    return "no error";
}

TEST(HelpSource, FaultsAreReportedWithFileAndLine) {
    const std::string top = "@title T\n= a A\n";
    const struct {
        std::string source;
        std::string message;  // what the message begins with
    } cases[] = {
        {"= a A\ntext\n", "help.txt:1: no @title line"},
        {"@title T\ntext\n", "help.txt:2: text before the first topic"},
        {"@title T\n= bad-id A\ntext\n", "help.txt:2: a topic ID is made of"},
        {"@title T\n= a\ntext\n", "help.txt:2: topic \"a\" has no title"},
        {top + "text\n= a B\ntext\n", "help.txt:4: topic ID \"a\" is already used at help.txt:2"},
        {top + "\n# comment\n= b B\ntext\n", "help.txt:2: topic \"a\" has no text"},
        {top + "see [[b]]\n", "help.txt:3: no topic with the ID \"b\""},
        {top + "see [[a|\n", "help.txt:3: [[ without ]]"},
        {top + "see [[a|]]\n", "help.txt:3: a jump with empty text"},
        {top + "press {F1\n", "help.txt:3: { without }"},
        {top + "type `reg\n", "help.txt:3: ` without a closing `"},
        {top + "press {}\n", "help.txt:3: an empty {key}"},
        {top + "@font x\n", "help.txt:3: unknown line form"},
        {top + "text\n\xff\n", "help.txt:4: the line is not UTF-8"},
        {top + "text\n한글\n", "help.txt:4: character U+D55C (한) has no Shift-JIS form"},
        {top + "「－」\n「−」\n", "help.txt:4: character U+2212 (−) and U+FF0D (－) at help.txt:3 both become"},
        {top + std::string(5000, 'x') + "\n", "help.txt:3: a paragraph of"},
        {top + "text\n= A B\ntext\n", "help.txt:4: the help viewer cannot tell topic ID \"A\" from \"a\""},
        {"@title " + std::string(51, 'T') + "\n= a A\ntext\n", "help.txt:1: the title is longer than"},
    };
    for (const auto& c : cases) {
        const std::string error = CompileError(c.source);
        EXPECT_TRUE(error.starts_with(c.message)) << c.source << "\ngave: " << error;
    }
}

}  // namespace
}  // namespace unitora::help
