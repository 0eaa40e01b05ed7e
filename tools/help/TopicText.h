// The text records of the topic stream: one displayed paragraph each, its
// paragraph format and its character formatting (font changes, jumps)
// interleaved with its strings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace unitora::help {

// Spacing and indent in half points.
struct ParagraphStyle {
    unsigned font;  // index into the file's font list
    int spaceAbove;
    int leftIndent;
};

// Text in the file's code page; with a jump, a link to the topic whose
// context hash it holds.
struct ParagraphRun {
    std::string text;
    std::optional<std::uint32_t> jump;
};

struct ParagraphRecord {
    std::string formatting;  // LinkData1
    std::string strings;     // LinkData2
};

ParagraphRecord BuildParagraph(const ParagraphStyle& style, const std::vector<ParagraphRun>& runs);

}  // namespace unitora::help
