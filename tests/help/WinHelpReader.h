// A small reader of help files, written from the format description rather
// than from the compiler: it finds internal files and topics through the B+
// tree indexes as a help viewer searches them, and walks the topic stream
// record by record, failing on a record that crosses a 4 KB block. Texts come
// back in UTF-8. A malformed file throws std::runtime_error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace unitora::help::testing {

struct ReadTopic {
    std::string title;
    std::uint32_t offset = 0;             // its topic offset
    std::uint32_t browseBack = 0;         // topic offsets in the browse sequence
    std::uint32_t browseNext = 0;
    std::vector<std::string> paragraphs;  // the displayed strings of each text record
    std::vector<std::uint32_t> jumps;     // context hashes, in order
};

struct ReadHelp {
    std::string title;
    unsigned charset = 0;
    std::uint32_t contents = 0;
    std::string caption;  // of the window named "main"
    std::string fontFace;
    size_t topicBlocks = 0;
    std::vector<ReadTopic> topics;
    // Each keyword of the index, in the index's order, with its topic offsets.
    std::vector<std::pair<std::string, std::vector<std::uint32_t>>> keywords;
};

ReadHelp ReadHelpFile(const std::string& bytes);

// The topic offset that |CONTEXT gives for a context hash, found by
// descending its B+ tree.
std::optional<std::uint32_t> FindContext(const std::string& bytes, std::uint32_t hash);

// The hash under which a viewer looks up a topic ID.
std::uint32_t ContextHashOf(std::string_view id);

}  // namespace unitora::help::testing
