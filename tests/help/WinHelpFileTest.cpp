// The help compiler's file read back by an independent reader: header and
// directory, |SYSTEM records, fonts, every topic's title and paragraphs in
// order, the topic indexes, the browse sequence and the keyword index, for a
// one-topic text, a text that fills several 4 KB topic blocks and one with
// enough topics for multi-page indexes.
#include <gtest/gtest.h>

#include <map>
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

// Enough topics for the topic indexes to need several pages.
FileCase ManyTopics() {
    FileCase c{"many topics", "@title 索引のテスト\n", {}, 1};
    for (int topic = 0; topic < 300; ++topic) {
        const std::string number = std::to_string(topic);
        ExpectedTopic expected{"t" + number, "題 " + number, {"題 " + number, "本文 " + number}, {}};
        c.source += "= " + expected.id + " " + expected.title + "\n" + "本文 " + number + "\n";
        c.topics.push_back(expected);
    }
    return c;
}

TEST(WinHelpFile, ReadsBackAsWritten) {
    for (const FileCase& c : {OneTopic(), ManyBlocks(), ManyTopics()}) {
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
        // The keyword index holds every title, in byte order, with its topic.
        std::map<std::string, std::vector<std::uint32_t>> titles;
        for (const testing::ReadTopic& topic : help.topics) titles[topic.title].push_back(topic.offset);
        std::vector<std::pair<std::string, std::vector<std::uint32_t>>> keywords;
        for (const auto& [title, offsets] : titles) keywords.emplace_back(title, offsets);
        EXPECT_EQ(keywords, help.keywords);
    }
}

}  // namespace
}  // namespace unitora::help
