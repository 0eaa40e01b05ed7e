#include "HtmlPage.h"

namespace unitora::help {
namespace {

// Commands (long registry keys among them) may break anywhere, so that a
// narrow window needs no sideways scrolling.
constexpr char kStyle[] =
    "body{font-family:sans-serif;line-height:1.6;max-width:48em;margin:0 auto;padding:1em}"
    "section{border-top:1px solid #ccc;margin-top:2em}"
    "h1,h2{margin:0.8em 0 0.4em}h3{margin:1.2em 0 0.2em}p{margin:0.5em 0}ul{margin:0.3em 0}"
    "kbd{font-family:inherit;border:1px solid #999;border-radius:3px;padding:0 0.3em;white-space:nowrap}"
    "code{background:#f2f2f2;padding:0 0.2em;overflow-wrap:anywhere}"
    "p.back{text-align:right;font-size:0.9em}";
constexpr char kBackToContents[] = "目次へ戻る";

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Link(const std::string& target, const std::string& text) {
    return "<a href=\"#" + target + "\">" + Escaped(text) + "</a>";
}

std::string Inline(const Block& block) {
    std::string out;
    for (const TextRun& run : block.runs) {
        if (!run.target.empty()) {
            out += Link(run.target, run.text);
            continue;
        }
        switch (run.kind) {
        case TextRun::Kind::Key: out += "<kbd>" + Escaped(run.text) + "</kbd>"; break;
        case TextRun::Kind::Command: out += "<code>" + Escaped(run.text) + "</code>"; break;
        case TextRun::Kind::Text: out += Escaped(run.text); break;
        }
    }
    return out;
}

// Every topic but the contents ends with a way back to the contents.
void AppendTopic(std::string& out, const Topic& topic, const Topic& contents) {
    const bool isContents = &topic == &contents;
    const char* headingTag = isContents ? "h1" : "h2";
    out += "<section id=\"" + topic.id + "\">\n";
    out += std::string("<") + headingTag + ">" + Escaped(topic.title) + "</" + headingTag + ">\n";
    bool inList = false;
    for (const Block& block : topic.blocks) {
        const bool item = block.kind == Block::Kind::ListItem;
        if (item != inList) out += item ? "<ul>\n" : "</ul>\n";
        inList = item;
        switch (block.kind) {
        case Block::Kind::Heading: out += "<h3>" + Inline(block) + "</h3>\n"; break;
        case Block::Kind::ListItem: out += "<li>" + Inline(block) + "</li>\n"; break;
        case Block::Kind::Paragraph: out += "<p>" + Inline(block) + "</p>\n"; break;
        }
    }
    if (inList) out += "</ul>\n";
    if (!isContents) out += "<p class=\"back\">" + Link(contents.id, kBackToContents) + "</p>\n";
    out += "</section>\n";
}

}  // namespace

std::string WriteHtmlPage(const HelpDocument& document) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                      Escaped(document.title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    // The contents topic leads the page, the others are its sections.
    for (const Topic& topic : document.topics) AppendTopic(out, topic, document.topics.front());
    return out + "</body>\n</html>\n";
}

}  // namespace unitora::help
