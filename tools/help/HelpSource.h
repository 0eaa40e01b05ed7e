// The help source: a line-based text markup in UTF-8, one block a line.
//
//   # a comment                   ignored, as are blank lines
//   @title Unitora ヘルプ          the help file's title, once, before the topics
//   = contents 目次                a topic: its ID, then its title
//   == 見出し                      a heading inside the topic
//   - 項目                         a list item
//   any other line                a paragraph
//
// Inside a paragraph, heading or list item, [[id]] is a jump to the topic
// with that ID, shown with that topic's title, and [[id|text]] a jump shown
// with the given text; {Ctrl+F} is a key (or keys) to press and `reg ...` a
// command to type, each shown without its marks. Topic IDs are made of 0-9,
// A-Z, a-z, "." and "_" (the characters a help viewer's topic names may
// hold). The first topic is the one the help opens with. Several sources are
// read as one text, in order, so that generated topics can follow the
// written ones.
#pragma once

#include <string>
#include <vector>

#include "HelpDocument.h"

namespace unitora::help {

struct SourceText {
    std::string name;  // shown in messages
    std::string text;
};

// The document the sources describe; a fault throws SourceError naming the
// file and line.
HelpDocument ReadHelpSource(const std::vector<SourceText>& sources);

}  // namespace unitora::help
