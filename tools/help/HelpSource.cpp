#include "HelpSource.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "Utf8Text.h"

namespace unitora::help {
namespace {

bool IsTopicIdChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' || c == '_';
}

bool IsTopicId(std::string_view id) { return !id.empty() && std::all_of(id.begin(), id.end(), IsTopicIdChar); }

// Bytes that are not UTF-8 come back from decoding as U+DC80..U+DCFF.
bool IsUtf8(std::string_view text) {
    const std::wstring decoded = DecodeUtf8(text);
    return std::none_of(decoded.begin(), decoded.end(), [](wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; });
}

class Reader {
public:
    HelpDocument Read(const std::vector<SourceText>& sources) {
        for (const SourceText& source : sources) {
            ReadLines(source);
        }
        if (m_document.title.empty()) {
            throw SourceError({sources.empty() ? std::string() : sources.front().name, 1}, "no @title line");
        }
        if (m_document.topics.empty()) throw SourceError(m_document.titlePlace, "no topic");
        for (const Topic& topic : m_document.topics) {
            if (topic.blocks.empty()) throw SourceError(topic.place, "topic \"" + topic.id + "\" has no text");
        }
        ResolveJumps();
        return std::move(m_document);
    }

private:
    void ReadLines(const SourceText& source) {
        std::string_view rest = source.text;
        for (int number = 1; !rest.empty(); ++number) {
            const size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            if (line.ends_with('\r')) line.remove_suffix(1);
            ReadLine(line, {source.name, number});
        }
    }

    void ReadLine(std::string_view line, const SourcePlace& place) {
        if (!IsUtf8(line)) throw SourceError(place, "the line is not UTF-8");
        if (line.empty() || line.starts_with('#')) return;
        if (line.starts_with("@title ")) return ReadTitle(line.substr(7), place);
        if (line.starts_with("== ")) return AddBlock(Block::Kind::Heading, line.substr(3), place);
        if (line.starts_with("= ")) return StartTopic(line.substr(2), place);
        if (line.starts_with("- ")) return AddBlock(Block::Kind::ListItem, line.substr(2), place);
        if (line.starts_with('@') || line.starts_with('=')) throw SourceError(place, "unknown line form");
        AddBlock(Block::Kind::Paragraph, line, place);
    }

    void ReadTitle(std::string_view title, const SourcePlace& place) {
        if (!m_document.title.empty()) throw SourceError(place, "a second @title line");
        if (!m_document.topics.empty()) throw SourceError(place, "@title after the first topic");
        if (title.empty()) throw SourceError(place, "empty title");
        m_document.title = title;
        m_document.titlePlace = place;
    }

    void StartTopic(std::string_view rest, const SourcePlace& place) {
        const size_t space = rest.find(' ');
        const std::string_view id = rest.substr(0, space);
        const std::string_view title = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        if (!IsTopicId(id)) throw SourceError(place, "a topic ID is made of 0-9, A-Z, a-z, \".\" and \"_\"");
        if (title.empty()) throw SourceError(place, "topic \"" + std::string(id) + "\" has no title");
        const auto [known, added] = m_topicIndex.emplace(std::string(id), m_document.topics.size());
        if (!added) {
            const SourcePlace& first = m_document.topics[known->second].place;
            throw SourceError(place, "topic ID \"" + std::string(id) + "\" is already used at " + first.file + ":" +
                                         std::to_string(first.line));
        }
        m_document.topics.push_back({std::string(id), std::string(title), {}, place});
    }

    void AddBlock(Block::Kind kind, std::string_view text, const SourcePlace& place) {
        if (m_document.topics.empty()) throw SourceError(place, "text before the first topic");
        Block block{kind, ReadRuns(text, place), place};
        if (block.runs.empty()) throw SourceError(place, "empty block");
        m_document.topics.back().blocks.push_back(std::move(block));
    }

    static std::vector<TextRun> ReadRuns(std::string_view text, const SourcePlace& place) {
        std::vector<TextRun> runs;
        while (!text.empty()) {
            const size_t open = text.find("[[");
            if (open != 0) AddMarkedRuns(runs, text.substr(0, open), place);
            if (open == std::string_view::npos) break;
            const size_t close = text.find("]]", open);
            if (close == std::string_view::npos) throw SourceError(place, "[[ without ]]");
            const std::string_view jump = text.substr(open + 2, close - open - 2);
            const size_t bar = jump.find('|');
            const std::string_view target = jump.substr(0, bar);
            const std::string_view shown = bar == std::string_view::npos ? std::string_view() : jump.substr(bar + 1);
            if (!IsTopicId(target)) throw SourceError(place, "a jump needs a topic ID: [[id]] or [[id|text]]");
            if (bar != std::string_view::npos && shown.empty()) throw SourceError(place, "a jump with empty text");
            runs.push_back({std::string(shown), std::string(target)});
            text.remove_prefix(close + 2);
        }
        return runs;
    }

    // Text between jumps: plain text, {keys} and `commands`.
    static void AddMarkedRuns(std::vector<TextRun>& runs, std::string_view text, const SourcePlace& place) {
        while (!text.empty()) {
            const size_t open = text.find_first_of("{`");
            if (open != 0) runs.push_back({std::string(text.substr(0, open)), {}});
            if (open == std::string_view::npos) break;
            const bool key = text[open] == '{';
            const size_t close = text.find(key ? '}' : '`', open + 1);
            if (close == std::string_view::npos) {
                throw SourceError(place, key ? "{ without }" : "` without a closing `");
            }
            if (close == open + 1) throw SourceError(place, key ? "an empty {key}" : "an empty `command`");
            runs.push_back({std::string(text.substr(open + 1, close - open - 1)), {},
                            key ? TextRun::Kind::Key : TextRun::Kind::Command});
            text.remove_prefix(close + 1);
        }
    }

    // Jumps may name topics further down, so they are checked once all are
    // read; a jump without text of its own shows its target's title.
    void ResolveJumps() {
        for (Topic& topic : m_document.topics) {
            for (Block& block : topic.blocks) {
                for (TextRun& run : block.runs) {
                    if (run.target.empty()) continue;
                    const auto target = m_topicIndex.find(run.target);
                    if (target == m_topicIndex.end()) {
                        throw SourceError(block.place, "no topic with the ID \"" + run.target + "\"");
                    }
                    if (run.text.empty()) run.text = m_document.topics[target->second].title;
                }
            }
        }
    }

    HelpDocument m_document;
    std::map<std::string, size_t> m_topicIndex;
};

}  // namespace

HelpDocument ReadHelpSource(const std::vector<SourceText>& sources) { return Reader().Read(sources); }

}  // namespace unitora::help
