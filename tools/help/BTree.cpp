#include "BTree.h"

#include <stdexcept>

#include "LittleEndian.h"

namespace unitora::help {
namespace {

constexpr size_t kLeafHeaderSize = 8;   // free bytes, entries, previous page, next page
constexpr size_t kIndexHeaderSize = 6;  // free bytes, entries, page of the keys before the first
constexpr unsigned kNoPage = 0xFFFF;

// A page of one level, with the key its subtree starts with.
struct PageRef {
    unsigned number;
    std::string firstKey;
};

class TreeBuilder {
public:
    explicit TreeBuilder(const BTreeFormat& format) : m_format(format) {}

    BTree Build(const std::vector<BTreeEntry>& sorted) {
        std::vector<PageRef> level = AddLeaves(sorted);
        unsigned levels = 1;
        while (level.size() > 1) {
            level = AddIndexLevel(level);
            ++levels;
        }
        std::string tree;
        PutU16(tree, 0x293B);
        PutU16(tree, m_format.flags);
        PutU16(tree, m_format.pageSize);
        std::string structure(m_format.structure);
        structure.resize(16, '\0');
        tree += structure;
        PutU16(tree, 0);
        const unsigned pages = static_cast<unsigned>(m_pages.size());
        PutU16(tree, pages - levels);  // page splits: every page but the first of each level
        PutU16(tree, level.front().number);
        PutU16(tree, kNoPage);
        PutU16(tree, pages);
        PutU16(tree, levels);
        PutU32(tree, static_cast<std::uint32_t>(sorted.size()));
        for (const std::string& page : m_pages) tree += page;
        return {std::move(tree), std::move(m_leaves)};
    }

private:
    std::vector<PageRef> AddLeaves(const std::vector<BTreeEntry>& sorted) {
        std::vector<PageRef> leaves;
        size_t next = 0;
        do {
            const unsigned number = static_cast<unsigned>(m_pages.size());
            std::string page(kLeafHeaderSize, '\0');
            const size_t first = next;
            while (next < sorted.size() && Fits(page, sorted[next].leaf.size())) page += sorted[next++].leaf;
            if (next == first && next < sorted.size()) throw std::length_error("a B+ tree entry is larger than a page");
            SetU16(page, 2, static_cast<unsigned>(next - first));
            SetU16(page, 4, number == 0 ? kNoPage : number - 1);
            SetU16(page, 6, next < sorted.size() ? number + 1 : kNoPage);
            Finish(page);
            leaves.push_back({number, first < sorted.size() ? sorted[first].key : std::string()});
            m_leaves.push_back({static_cast<std::uint32_t>(first), static_cast<std::uint16_t>(number)});
        } while (next < sorted.size());
        return leaves;
    }

    std::vector<PageRef> AddIndexLevel(const std::vector<PageRef>& children) {
        std::vector<PageRef> level;
        size_t next = 0;
        while (next < children.size()) {
            const unsigned number = static_cast<unsigned>(m_pages.size());
            std::string page(kIndexHeaderSize, '\0');
            level.push_back({number, children[next].firstKey});
            SetU16(page, 4, children[next++].number);
            const size_t first = next;
            while (next < children.size() && Fits(page, children[next].firstKey.size() + 2)) {
                page += children[next].firstKey;
                PutU16(page, children[next++].number);
            }
            SetU16(page, 2, static_cast<unsigned>(next - first));
            Finish(page);
        }
        return level;
    }

    bool Fits(const std::string& page, size_t more) const { return page.size() + more <= m_format.pageSize; }

    void Finish(std::string& page) {
        SetU16(page, 0, static_cast<unsigned>(m_format.pageSize - page.size()));
        page.resize(m_format.pageSize, '\0');
        m_pages.push_back(std::move(page));
    }

    BTreeFormat m_format;
    std::vector<std::string> m_pages;
    std::vector<BTreeLeaf> m_leaves;
};

}  // namespace

BTree BuildBTree(const BTreeFormat& format, const std::vector<BTreeEntry>& sorted) {
    return TreeBuilder(format).Build(sorted);
}

}  // namespace unitora::help
