// The help compiler's file read back by an independent reader: header and
// directory, |SYSTEM records, fonts, every topic's title and paragraphs in
// order, the topic indexes and the browse sequence, for a one-topic text and
// a text that fills several 4 KB topic blocks.
#include <gtest/gtest.h>

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
    const char* name;
    std::string source;
    std::vector<ExpectedTopic> topics;
    size_t minimumBlocks;
};

// "ソ", "表" and "予" end in the byte of a backslash in code page 932.
FileCase OneTopic() {
    return {"one topic",
            "@title テスト ヘルプ\n"
            "= only ソフトの表示\n"
            "予定と表示 <&>\n"
            "== 見出し\n"
            "- 項目\n"
            "前 [[only|ジャンプ]] 後\n",
            {{"only", "ソフトの表示", {"ソフトの表示", "予定と表示 <&>", "見出し", "・項目", "前 ジャンプ 後"}, {"only"}}},
            1};
}

// Three topics of forty paragraphs, each paragraph jumping to the next
// topic: about five blocks.
FileCase ManyBlocks() {
    FileCase c{"many blocks", "@title 長いヘルプ\n", {}, 5};
    const std::string ids[] = {"first", "second.topic", "Third_Topic09"};
    for (int topic = 0; topic < 3; ++topic) {
        ExpectedTopic expected{ids[topic], "トピック " + std::to_string(topic), {"トピック " + std::to_string(topic)}, {}};
        c.source += "= " + expected.id + " " + expected.title + "\n";
        const std::string& next = ids[(topic + 1) % 3];
        for (int paragraph = 0; paragraph < 40; ++paragraph) {
            std::string text = "段落 " + std::to_string(paragraph) + " ";
            for (int i = 0; i < 40; ++i) text += "表示";
            c.source += text + "[[" + next + "|次へ]]\n";
            expected.paragraphs.push_back(text + "次へ");
            expected.jumps.push_back(next);
        }
        c.topics.push_back(expected);
    }
    return c;
}

TEST(WinHelpFile, ReadsBackAsWritten) {
    for (const FileCase& c : {OneTopic(), ManyBlocks()}) {
        SCOPED_TRACE(c.name);
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
    }
}

}  // namespace
}  // namespace unitora::help
