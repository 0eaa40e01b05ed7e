#include "WinHelpFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "BTree.h"
#include "HelpFileSystem.h"
#include "LittleEndian.h"
#include "ShiftJis.h"
#include "TopicStream.h"
#include "TopicText.h"

namespace unitora::help {
namespace {

// The Japanese dialog face. A system without it substitutes a Japanese face
// of its own, as it does for the program's dialogs.
constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
constexpr unsigned kShiftJisCharset = 128;
constexpr unsigned kSwissFamily = 3;
constexpr unsigned kBold = 1;

enum FontIndex : unsigned { kBodyFont, kHeadingFont, kTitleFont };
struct FontDescriptor {
    unsigned attributes;
    unsigned halfPoints;
};
constexpr FontDescriptor kFonts[] = {{0, 20}, {kBold, 24}, {kBold, 28}};

constexpr ParagraphStyle kTitleStyle{kTitleFont, 0, 0};
constexpr ParagraphStyle kParagraphStyle{kBodyFont, 8, 0};
constexpr ParagraphStyle kHeadingStyle{kHeadingFont, 16, 0};
constexpr ParagraphStyle kListItemStyle{kBodyFont, 4, 20};
constexpr char kListBullet[] = "・";

constexpr BTreeFormat kContextFormat{0x0002, 0x0800, "L4"};
constexpr BTreeFormat kTitleFormat{0x0002, 0x0800, "Lz"};
constexpr BTreeFormat kKeywordFormat{0x0002, 0x0800, "F24"};
constexpr size_t kCaptionSize = 51;  // with its terminating zero

// The viewer finds a topic by the hash of its ID; letters count alike in
// either case. IDs hold only 0-9, A-Z, a-z, "." and "_".
std::uint32_t ContextHash(std::string_view id) {
    std::uint32_t hash = 0;
    for (const char c : id) {
        std::uint32_t value = 0;
        if (c >= '1' && c <= '9') value = static_cast<std::uint32_t>(c - '0');
        else if (c == '0') value = 10;
        else if (c == '.') value = 12;
        else if (c == '_') value = 13;
        else if (c >= 'A' && c <= 'Z') value = static_cast<std::uint32_t>(c - 'A') + 17;
        else if (c >= 'a' && c <= 'z') value = static_cast<std::uint32_t>(c - 'a') + 17;
        hash = hash * 43 + value;
    }
    return hash;
}

void CheckHashesDiffer(const HelpDocument& document) {
    std::map<std::uint32_t, const Topic*> seen;
    for (const Topic& topic : document.topics) {
        const auto [other, added] = seen.emplace(ContextHash(topic.id), &topic);
        if (!added) {
            throw SourceError(topic.place, "the help viewer cannot tell topic ID \"" + topic.id + "\" from \"" +
                                               other->second->id + "\"; rename one");
        }
    }
}

void PutRecord(std::string& out, unsigned type, const std::string& data) {
    PutU16(out, type);
    PutU16(out, static_cast<unsigned>(data.size()));
    out += data;
}

// The main window's definition, which gives the viewer's caption.
std::string MainWindow(const std::string& caption) {
    constexpr unsigned kNameIsValid = 0x0002;
    constexpr unsigned kCaptionIsValid = 0x0004;
    std::string window;
    PutU16(window, kNameIsValid | kCaptionIsValid);
    window.append(10, '\0');  // type
    window.append("main", 4);
    window.append(5, '\0');
    window += caption;
    window.append(kCaptionSize - caption.size(), '\0');
    window.append(18, '\0');  // place, size, maximize flag and colours: the viewer's own
    return window;
}

std::string SystemFile(const std::string& title, std::uint32_t contents) {
    std::string system;
    PutU16(system, 0x036C);
    PutU16(system, 33);  // minor version: WinHelp 4
    PutU16(system, 1);   // major version
    PutU32(system, 0);   // no generation date, so that a build repeats byte for byte
    PutU16(system, 0);   // flags: topic blocks of 4 KB, not compressed
    PutRecord(system, 1, title + '\0');
    std::string contentsTopic;
    PutU32(contentsTopic, contents);
    PutRecord(system, 3, contentsTopic);
    // Buttons that step through the topics in order: the viewer's way from
    // topic to topic where it cannot follow a jump in the text.
    PutRecord(system, 4, std::string("BrowseButtons()") + '\0');
    PutRecord(system, 6, MainWindow(title));
    std::string charset;
    PutU16(charset, kShiftJisCharset);
    PutRecord(system, 11, charset);
    return system;
}

std::string FontFile() {
    constexpr size_t kFaceNameSize = 32;
    const std::string face = ShiftJisEncoder().Encode(kFontFace, {});
    std::string font;
    PutU16(font, 1);
    PutU16(font, static_cast<unsigned>(std::size(kFonts)));
    PutU16(font, 8);
    PutU16(font, 8 + kFaceNameSize);
    font += face;
    font.append(kFaceNameSize - face.size(), '\0');
    for (const FontDescriptor& descriptor : kFonts) {
        PutU8(font, descriptor.attributes);
        PutU8(font, descriptor.halfPoints);
        PutU8(font, kSwissFamily);
        PutU16(font, 0);           // face name index
        font.append(3, '\0');      // black
        font.append(3, '\0');      // background, unused
    }
    return font;
}

struct IndexedTopic {
    std::uint32_t hash;
    std::uint32_t offset;
    std::string title;
};

// Sorted by hash as a signed number, the viewer's comparison.
std::string ContextFile(std::vector<IndexedTopic> topics) {
    std::sort(topics.begin(), topics.end(), [](const IndexedTopic& a, const IndexedTopic& b) {
        return static_cast<std::int32_t>(a.hash) < static_cast<std::int32_t>(b.hash);
    });
    std::vector<BTreeEntry> entries;
    for (const IndexedTopic& topic : topics) {
        std::string key;
        PutU32(key, topic.hash);
        std::string leaf = key;
        PutU32(leaf, topic.offset);
        entries.push_back({std::move(key), std::move(leaf)});
    }
    return BuildBTree(kContextFormat, entries).bytes;
}

// The topics' titles by topic offset, for the viewer's topic lists; topic
// offsets grow with the topics, so the document order is sorted.
std::string TitleFile(const std::vector<IndexedTopic>& topics) {
    std::vector<BTreeEntry> entries;
    for (const IndexedTopic& topic : topics) {
        std::string key;
        PutU32(key, topic.offset);
        entries.push_back({key, key + topic.title + '\0'});
    }
    return BuildBTree(kTitleFormat, entries).bytes;
}

// The keyword index: every topic's title leads to its topic (or topics),
// so that the viewer's index lists every topic and opens it, also where the
// viewer cannot follow a jump in the text. Keywords in byte order; |KWDATA
// holds each keyword's topic offsets, |KWMAP the first keyword of each leaf
// page.
void AddKeywordIndex(HelpFileSystem& files, const std::vector<IndexedTopic>& topics) {
    std::map<std::string, std::vector<std::uint32_t>> keywords;
    for (const IndexedTopic& topic : topics) keywords[topic.title].push_back(topic.offset);
    std::string data;
    std::vector<BTreeEntry> entries;
    for (const auto& [keyword, offsets] : keywords) {
        std::string key = keyword + '\0';
        std::string leaf = key;
        PutU16(leaf, static_cast<unsigned>(offsets.size()));
        PutU32(leaf, static_cast<std::uint32_t>(data.size()));
        for (const std::uint32_t offset : offsets) PutU32(data, offset);
        entries.push_back({std::move(key), std::move(leaf)});
    }
    const BTree tree = BuildBTree(kKeywordFormat, entries);
    std::string map;
    PutU16(map, static_cast<unsigned>(tree.leaves.size()));
    for (const BTreeLeaf& leaf : tree.leaves) {
        PutU32(map, leaf.firstEntry);
        PutU16(map, leaf.page);
    }
    files.Add("|KWBTREE", tree.bytes);
    files.Add("|KWDATA", data);
    files.Add("|KWMAP", map);
}

const ParagraphStyle& StyleOf(Block::Kind kind) {
    switch (kind) {
    case Block::Kind::Heading: return kHeadingStyle;
    case Block::Kind::ListItem: return kListItemStyle;
    case Block::Kind::Paragraph: break;
    }
    return kParagraphStyle;
}

std::vector<ParagraphRun> RunsOf(const Block& block, ShiftJisEncoder& encoder) {
    std::vector<ParagraphRun> runs;
    if (block.kind == Block::Kind::ListItem) runs.push_back({encoder.Encode(kListBullet, block.place), {}});
    for (const TextRun& run : block.runs) {
        std::optional<std::uint32_t> jump;
        if (!run.target.empty()) jump = ContextHash(run.target);
        runs.push_back({encoder.Encode(run.text, block.place), jump});
    }
    return runs;
}

}  // namespace

std::string WriteWinHelpFile(const HelpDocument& document) {
    CheckHashesDiffer(document);
    ShiftJisEncoder encoder;
    const std::string title = encoder.Encode(document.title, document.titlePlace);
    if (title.size() >= kCaptionSize) {
        throw SourceError(document.titlePlace, "the title is longer than the viewer's caption (" +
                                                   std::to_string(kCaptionSize - 1) + " bytes in code page 932)");
    }

    TopicStream stream;
    std::vector<IndexedTopic> indexed;
    for (const Topic& topic : document.topics) {
        const std::string topicTitle = encoder.Encode(topic.title, topic.place);
        stream.AddTopic(topicTitle, topic.place);
        // The viewer shows a topic's title only in its lists, so the text
        // opens with it.
        const ParagraphRecord heading = BuildParagraph(kTitleStyle, {{topicTitle, {}}});
        stream.AddText(heading.formatting, heading.strings, topic.place);
        for (const Block& block : topic.blocks) {
            const ParagraphRecord paragraph = BuildParagraph(StyleOf(block.kind), RunsOf(block, encoder));
            stream.AddText(paragraph.formatting, paragraph.strings, block.place);
        }
        indexed.push_back({ContextHash(topic.id), 0, topicTitle});
    }
    HelpFileSystem files;
    files.Add("|TOPIC", stream.Finish());
    for (size_t topic = 0; topic < indexed.size(); ++topic) indexed[topic].offset = stream.TopicOffsetOf(topic);

    files.Add("|SYSTEM", SystemFile(title, indexed.front().offset));
    files.Add("|FONT", FontFile());
    files.Add("|CONTEXT", ContextFile(indexed));
    files.Add("|TTLBTREE", TitleFile(indexed));
    AddKeywordIndex(files, indexed);
    return files.Bytes();
}

}  // namespace unitora::help
