// The index structure of a help file: the directory of internal files and
// the topic indexes are B+ trees of fixed-size pages. Readers descend from
// the root page through index pages to a leaf page and stop at the first key
// greater than the one sought, so the entries must come in the readers'
// order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace unitora::help {

struct BTreeEntry {
    std::string key;   // as an index page repeats it
    std::string leaf;  // the whole leaf entry, key included
};

struct BTreeFormat {
    std::uint16_t flags;
    std::uint16_t pageSize;
    const char* structure;  // letters describing a leaf entry, e.g. "z4"
};

// A leaf page: the number of the first entry it holds, and its page number.
struct BTreeLeaf {
    std::uint32_t firstEntry;
    std::uint16_t page;
};

struct BTree {
    std::string bytes;
    std::vector<BTreeLeaf> leaves;
};

// The tree over entries already sorted in the readers' order. Throws
// std::length_error when an entry does not fit into a page.
BTree BuildBTree(const BTreeFormat& format, const std::vector<BTreeEntry>& sorted);

}  // namespace unitora::help
