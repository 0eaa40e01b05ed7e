// The help text as the help compiler sees it once the source is read:
// topics with a title and an ID, each a list of blocks (paragraphs,
// headings, list items) made of text runs, some of which jump to another
// topic or name a key or a command. All text is UTF-8; each block remembers
// its source line so that a writer can point at the line a problem comes
// from.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace unitora::help {

// Where a piece of the source stands, for messages.
struct SourcePlace {
    std::string file;
    int line = 0;
};

// A run of text; with a target it is a jump to the topic of that ID. A key
// to press or a command to type is marked as such where the output can show
// it (the web page) and is plain text elsewhere.
struct TextRun {
    enum class Kind { Text, Key, Command };
    std::string text;
    std::string target;
    Kind kind = Kind::Text;
};

struct Block {
    enum class Kind { Paragraph, Heading, ListItem };
    Kind kind = Kind::Paragraph;
    std::vector<TextRun> runs;
    SourcePlace place;
};

struct Topic {
    std::string id;
    std::string title;
    std::vector<Block> blocks;
    SourcePlace place;
};

struct HelpDocument {
    std::string title;
    SourcePlace titlePlace;
    // The first topic is the contents topic, the one the viewer opens with.
    std::vector<Topic> topics;
};

// A fault in the source; what() reads "file:line: message", the form
// compilers use.
class SourceError : public std::runtime_error {
public:
    SourceError(const SourcePlace& place, const std::string& message)
        : std::runtime_error(place.file + ":" + std::to_string(place.line) + ": " + message) {}
};

}  // namespace unitora::help
