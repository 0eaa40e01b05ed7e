#include "TopicText.h"

#include "LittleEndian.h"

namespace unitora::help {
namespace {

// Paragraph-format flags: which values follow the flags.
constexpr unsigned kSpaceAboveFollows = 0x0002;
constexpr unsigned kLeftIndentFollows = 0x0010;

// Character-formatting commands.
constexpr unsigned kFontChange = 0x80;
constexpr unsigned kEndOfParagraph = 0x82;
constexpr unsigned kTopicJump = 0xE3;
constexpr unsigned kEndOfJump = 0x89;
constexpr unsigned kEndOfFormatting = 0xFF;

// The record's numbers are stored in a compressed form: the lowest bit of
// the first byte (or word) says whether a second one follows.
void PutCompressedUnsigned16(std::string& out, unsigned value) {
    if (value < 0x80) {
        PutU8(out, value * 2);
    } else {
        PutU16(out, value * 2 + 1);
    }
}

void PutCompressedSigned16(std::string& out, int value) {
    if (value >= -0x40 && value < 0x40) {
        PutU8(out, static_cast<unsigned>(value + 0x40) * 2);
    } else {
        PutU16(out, static_cast<unsigned>(value + 0x4000) * 2 + 1);
    }
}

// Only the short form is needed: a record is smaller than a block.
void PutCompressedSigned32(std::string& out, unsigned value) { PutU16(out, (value + 0x4000) * 2); }

std::string ParagraphFormat(const ParagraphStyle& style) {
    std::string format;
    PutU8(format, 0x00);
    PutU8(format, 0x80);
    PutU16(format, 0);  // paragraph id, unused
    unsigned flags = 0;
    if (style.spaceAbove != 0) flags |= kSpaceAboveFollows;
    if (style.leftIndent != 0) flags |= kLeftIndentFollows;
    PutU16(format, flags);
    if (style.spaceAbove != 0) PutCompressedSigned16(format, style.spaceAbove);
    if (style.leftIndent != 0) PutCompressedSigned16(format, style.leftIndent);
    return format;
}

// Every formatting command is read after the string before it, so each
// command ends a string, an empty one where two commands follow each other.
class CommandWriter {
public:
    void Text(const std::string& text) { m_pending += text; }

    void Command(unsigned code) {
        m_strings += m_pending;
        m_strings += '\0';
        m_pending.clear();
        PutU8(m_commands, code);
    }
    std::string& Commands() { return m_commands; }
    std::string& Strings() { return m_strings; }

private:
    std::string m_commands;
    std::string m_strings;
    std::string m_pending;
};

}  // namespace

ParagraphRecord BuildParagraph(const ParagraphStyle& style, const std::vector<ParagraphRun>& runs) {
    CommandWriter writer;
    writer.Command(kFontChange);
    PutU16(writer.Commands(), style.font);
    for (const ParagraphRun& run : runs) {
        if (!run.jump) {
            writer.Text(run.text);
            continue;
        }
        writer.Command(kTopicJump);
        PutU32(writer.Commands(), *run.jump);
        writer.Text(run.text);
        writer.Command(kEndOfJump);
    }
    writer.Command(kEndOfParagraph);
    writer.Command(kEndOfFormatting);

    // The record opens with the size of its formatting and the number of
    // characters it displays, which the topic offsets count.
    const std::string formatting = ParagraphFormat(style) + writer.Commands();
    ParagraphRecord record;
    PutCompressedSigned32(record.formatting, static_cast<unsigned>(formatting.size()));
    PutCompressedUnsigned16(record.formatting, static_cast<unsigned>(writer.Strings().size()));
    record.formatting += formatting;
    record.strings = std::move(writer.Strings());
    return record;
}

}  // namespace unitora::help
