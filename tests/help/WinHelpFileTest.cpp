// The help compiler's file read back by an independent reader: header and
// directory, |SYSTEM records, fonts, every topic's title and paragraphs in
// order, the topic indexes, the browse sequence and the keyword index, for a
// one-topic text, a text that fills several 4 KB topic blocks and one with
// enough topics for multi-page indexes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HelpSource.h"
#include "WinHelpFile.h"
#include "WinHelpReader.h"

namespace unitora::help {
namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFF;

struct ExpectedTopic {
    std::string id;
    std::string title;
    std::vector<std::string> paragraphs;  // as shown, the title first
    std::vector<std::string> jumps;       // target IDs, in order
};

struct FileCase {
    std::string source;
    std::vector<ExpectedTopic> topics;
    size_t minimumBlocks;
};

// "ソ", "表" and "予" end in the byte of a backslash in code page 932; keys
// and commands are plain text in this file.
FileCase OneTopic() {
    return {"@title テスト ヘルプ\n"
            "= only ソフトの表示\n"
            "予定と表示 <&>\n"
            "== 見出し\n"
            "- 項目\n"
            "前 [[only|ジャンプ]] {F1} `reg` 後\n",
            {{"only", "ソフトの表示", {"ソフトの表示", "予定と表示 <&>", "見出し", "・項目", "前 ジャンプ F1 reg 後"}, {"only"}}},
            1};
}

// Topics of paragraphs that each jump to the next topic, a paragraph holding
// its number and "表示" width times. IDs hold every kind of character an ID
// may.
FileCase Generated(int topics, int paragraphs, int width, size_t minimumBlocks) {
    FileCase c{"@title 生成したヘルプ\n", {}, minimumBlocks};
    const auto id = [](int topic) { return "Topic_" + std::to_string(topic) + ".x"; };
    for (int topic = 0; topic < topics; ++topic) {
        const std::string title = "題 " + std::to_string(topic);
        ExpectedTopic expected{id(topic), title, {title}, {}};
        c.source += "= " + expected.id + " " + title + "\n";
        for (int paragraph = 0; paragraph < paragraphs; ++paragraph) {
            std::string text = "段落 " + std::to_string(paragraph) + " ";
            for (int i = 0; i < width; ++i) text += "表示";
            c.source += text + "[[" + id((topic + 1) % topics) + "|次へ]]\n";
            expected.paragraphs.push_back(text + "次へ");
            expected.jumps.push_back(id((topic + 1) % topics));
        }
        c.topics.push_back(expected);
    }
    return c;
}

TEST(WinHelpFile, ReadsBackAsWritten) {
    for (const FileCase& c : {OneTopic(), Generated(3, 40, 40, 5), Generated(300, 1, 1, 1)}) {
        SCOPED_TRACE(std::to_string(c.topics.size()) + " topics");
        const HelpDocument document = ReadHelpSource({{"test.txt", c.source}});
        const std::string bytes = WriteWinHelpFile(document);
        const testing::ReadHelp help = testing::ReadHelpFile(bytes);

        EXPECT_EQ(document.title, help.title);
        EXPECT_EQ(document.title, help.caption);
        EXPECT_EQ(128u, help.charset);
        EXPECT_EQ("ＭＳ Ｐゴシック", help.fontFace);
        EXPECT_GE(help.topicBlocks, c.minimumBlocks);
        ASSERT_EQ(c.topics.size(), help.topics.size());
        EXPECT_EQ(help.topics.front().offset, help.contents);
        for (size_t t = 0; t < c.topics.size(); ++t) {
            const ExpectedTopic& expected = c.topics[t];
            const testing::ReadTopic& read = help.topics[t];
            EXPECT_EQ(expected.title, read.title);
            EXPECT_EQ(expected.paragraphs, read.paragraphs);
            EXPECT_EQ(read.offset, testing::FindContext(bytes, testing::ContextHashOf(expected.id)));
            EXPECT_EQ(t > 0 ? help.topics[t - 1].offset : kNone, read.browseBack);
            EXPECT_EQ(t + 1 < c.topics.size() ? help.topics[t + 1].offset : kNone, read.browseNext);
            std::vector<std::uint32_t> jumps;
            for (const std::string& target : expected.jumps) jumps.push_back(testing::ContextHashOf(target));
            EXPECT_EQ(jumps, read.jumps);
        }
        // The keyword index holds every title, in byte order, with its topic.
        std::vector<std::pair<std::string, std::vector<std::uint32_t>>> keywords;
        for (const testing::ReadTopic& topic : help.topics) keywords.push_back({topic.title, {topic.offset}});
        std::sort(keywords.begin(), keywords.end());
        EXPECT_EQ(keywords, help.keywords);
    }
}

}  // namespace
}  // namespace unitora::help
