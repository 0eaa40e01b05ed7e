#include "HtmlPage.h"

namespace unitora::help {
namespace {

constexpr char kStyle[] =
    "body{font-family:sans-serif;line-height:1.6;max-width:48em;margin:0 auto;padding:1em}"
    "section{border-top:1px solid #ccc;margin-top:2em}"
    "h1,h2{margin:0.8em 0 0.4em}h3{margin:1.2em 0 0.2em}p{margin:0.5em 0}ul{margin:0.3em 0}";

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

std::string Inline(const Block& block) {
    std::string out;
    for (const TextRun& run : block.runs) {
        if (run.target.empty()) {
            out += Escaped(run.text);
        } else {
            out += "<a href=\"#" + run.target + "\">" + Escaped(run.text) + "</a>";
        }
    }
    return out;
}

void AppendTopic(std::string& out, const Topic& topic, const char* headingTag) {
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
    out += "</section>\n";
}

}  // namespace

std::string WriteHtmlPage(const HelpDocument& document) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      Escaped(document.title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    // The contents topic leads the page, the others are its sections.
    for (size_t topic = 0; topic < document.topics.size(); ++topic) {
        AppendTopic(out, document.topics[topic], topic == 0 ? "h1" : "h2");
    }
    return out + "</body>\n</html>\n";
}

}  // namespace unitora::help
