#include "WinHelpReader.h"

#include <iconv.h>

#include <cstring>
#include <stdexcept>

namespace unitora::help::testing {
namespace {

constexpr size_t kBlockSize = 4096;
constexpr size_t kBlockDataSize = 4084;

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what); }

class Bytes {
public:
    explicit Bytes(std::string_view data) : m_data(data) {}

    unsigned U8(size_t at) const { return static_cast<unsigned char>(Sub(at, 1)[0]); }
    unsigned U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
    std::uint32_t U32(size_t at) const { return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16; }
    std::string_view Sub(size_t at, size_t size) const {
        if (at > m_data.size() || size > m_data.size() - at) Fail("read past the end");
        return m_data.substr(at, size);
    }
    std::string_view CString(size_t at) const {
        const size_t end = m_data.find('\0', at);
        if (end == std::string_view::npos) Fail("unterminated string");
        return m_data.substr(at, end - at);
    }
    size_t Size() const { return m_data.size(); }

private:
    std::string_view m_data;
};

std::string FromShiftJis(std::string_view text) {
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) Fail("no converter from code page 932");
    std::string out(text.size() * 3, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* to = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(converter, &in, &inLeft, &to, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1)) Fail("text that is not code page 932");
    out.resize(out.size() - outLeft);
    return out;
}

// A B+ tree: a 38-byte header, then pages. Search descends from the root:
// in an index page the first page number stands before the entries, each
// entry a key and the page of the keys from it on; it stops at the first
// greater key, as the viewer does.
class BTree {
public:
    explicit BTree(std::string_view tree) : m_tree(tree) {
        if (m_tree.U16(0) != 0x293B) Fail("not a B+ tree");
        m_pageSize = m_tree.U16(4);
        m_root = m_tree.U16(26);
        m_levels = m_tree.U16(32);
    }

    // keySize(entry) is the size of the key at entry, compare(entry) is
    // negative, 0 or positive as the key at entry is below, at or above the
    // one sought, leafData the bytes after the key in a leaf entry.
    template <typename KeySize, typename Compare>
    std::optional<size_t> Find(KeySize keySize, Compare compare, size_t leafData) const {
        unsigned page = m_root;
        for (unsigned level = m_levels; level > 1; --level) {
            const size_t start = PageAt(page);
            size_t entry = start + 6;
            unsigned child = m_tree.U16(start + 4);
            for (unsigned i = 0, n = m_tree.U16(start + 2); i < n; ++i) {
                if (compare(entry) > 0) break;
                child = m_tree.U16(entry + keySize(entry));
                entry += keySize(entry) + 2;
            }
            page = child;
        }
        const size_t start = PageAt(page);
        size_t entry = start + 8;
        for (unsigned i = 0, n = m_tree.U16(start + 2); i < n; ++i) {
            const int order = compare(entry);
            if (order == 0) return entry + keySize(entry);
            if (order > 0) break;
            entry += keySize(entry) + leafData;
        }
        return std::nullopt;
    }

    // Every leaf entry in order, as the viewer lists an index: down the
    // first pages to the first leaf, then along the leaves.
    template <typename LeafSize, typename Visit>
    void Walk(LeafSize leafSize, Visit visit) const {
        unsigned page = m_root;
        for (unsigned level = m_levels; level > 1; --level) page = m_tree.U16(PageAt(page) + 4);
        while (page != 0xFFFF) {
            const size_t start = PageAt(page);
            size_t entry = start + 8;
            for (unsigned i = 0, n = m_tree.U16(start + 2); i < n; ++i) {
                visit(entry);
                entry += leafSize(entry);
            }
            page = m_tree.U16(start + 6);
        }
    }

    const Bytes& Data() const { return m_tree; }

private:
    size_t PageAt(unsigned page) const { return 38 + static_cast<size_t>(page) * m_pageSize; }

    Bytes m_tree;
    unsigned m_pageSize = 0;
    unsigned m_root = 0;
    unsigned m_levels = 0;
};

std::string_view InternalFile(const std::string& bytes, const char* name) {
    const Bytes file(bytes);
    if (file.U32(0) != 0x00035F3F) Fail("not a help file");
    if (file.U32(12) != bytes.size()) Fail("the header's file size is wrong");
    auto content = [&](size_t at) {
        const std::uint32_t reserved = file.U32(at);
        const std::uint32_t used = file.U32(at + 4);
        if (reserved < used + 9) Fail("an internal file's sizes disagree");
        return file.Sub(at + 9, used);
    };
    const BTree directory(content(file.U32(4)));
    const auto found = directory.Find([&](size_t entry) { return directory.Data().CString(entry).size() + 1; },
                                      [&](size_t entry) { return directory.Data().CString(entry).compare(name); }, 4);
    if (!found) Fail(std::string("no internal file ") + name);
    return content(directory.Data().U32(*found));
}

void ReadSystem(const std::string& bytes, ReadHelp& help) {
    const Bytes system(InternalFile(bytes, "|SYSTEM"));
    if (system.U16(0) != 0x036C || system.U16(2) != 33 || system.U16(4) != 1 || system.U16(10) != 0) {
        Fail("not an uncompressed WinHelp 4 |SYSTEM");
    }
    for (size_t at = 12; at < system.Size(); at += 4 + system.U16(at + 2)) {
        const unsigned type = system.U16(at);
        if (type == 1) help.title = FromShiftJis(system.CString(at + 4));
        if (type == 3) help.contents = system.U32(at + 4);
        const bool mainWindow = type == 6 && system.CString(at + 4 + 12) == "main";
        if (mainWindow) help.caption = FromShiftJis(system.CString(at + 4 + 21));
        if (type == 11) help.charset = system.U8(at + 4);
    }
}

void ReadFont(const std::string& bytes, ReadHelp& help) {
    const Bytes font(InternalFile(bytes, "|FONT"));
    const unsigned faceIndex = font.U16(font.U16(6) + 3);
    help.fontFace = FromShiftJis(font.CString(font.U16(4) + faceIndex * ((font.U16(6) - font.U16(4)) / font.U16(0))));
}

// Compressed numbers of a text record.
class Cursor {
public:
    Cursor(const Bytes& bytes, size_t at) : m_bytes(bytes), m_at(at) {}
    unsigned U8() { return m_bytes.U8(m_at++); }
    unsigned U16() { m_at += 2; return m_bytes.U16(m_at - 2); }
    std::uint32_t U32() { m_at += 4; return m_bytes.U32(m_at - 4); }
    unsigned CompressedU16() { return m_bytes.U8(m_at) & 1 ? U16() / 2 : U8() / 2; }
    int CompressedS16() {
        return m_bytes.U8(m_at) & 1 ? static_cast<int>(U16() / 2) - 0x4000 : static_cast<int>(U8() / 2) - 0x40;
    }
    long CompressedS32() {
        return m_bytes.U8(m_at) & 1 ? static_cast<long>(U32() / 2) - 0x40000000 : static_cast<long>(U16() / 2) - 0x4000;
    }
    size_t At() const { return m_at; }

private:
    const Bytes& m_bytes;
    size_t m_at;
};

void ReadText(const Bytes& record, size_t data1End, size_t data2Size, ReadTopic& topic) {
    Cursor cursor(record, 21);
    cursor.CompressedS32();
    if (cursor.CompressedU16() != data2Size) Fail("a text record's length is not its strings' size");
    cursor.U8();
    cursor.U8();
    cursor.U16();
    const unsigned flags = cursor.U16();
    if (flags & ~0x007Eu) Fail("unexpected paragraph format flags");
    for (unsigned bit = 0x0002; bit <= 0x0040; bit <<= 1) {
        if (flags & bit) cursor.CompressedS16();
    }
    std::string shown;
    size_t text = data1End;
    for (;;) {
        const std::string_view piece = record.CString(text);
        shown += piece;
        text += piece.size() + 1;
        const unsigned command = cursor.U8();
        if (command == 0xFF) break;
        if (command == 0x80) cursor.U16();
        else if (command == 0xE3) topic.jumps.push_back(cursor.U32());
        else if (command != 0x82 && command != 0x89) Fail("unexpected formatting command");
        if (cursor.At() > data1End) Fail("formatting runs past its record part");
    }
    topic.paragraphs.push_back(FromShiftJis(shown));
}

void ReadTopics(const std::string& bytes, ReadHelp& help) {
    const std::string_view stream = InternalFile(bytes, "|TOPIC");
    if (stream.size() % kBlockSize != 0) Fail("the topic stream is not whole blocks");
    help.topicBlocks = stream.size() / kBlockSize;
    std::uint32_t position = 12;
    std::uint32_t characters = 0;
    std::uint32_t characterBlock = 0;
    while (position != 0xFFFFFFFF) {
        const std::uint32_t block = (position - 12) >> 14;
        const std::uint32_t offset = (position - 12) & 0x3FFF;
        if (block >= help.topicBlocks) Fail("a record position past the stream");
        const Bytes header(stream.substr(block * kBlockSize + 12 + offset, 21));
        const std::uint32_t size = header.U32(0);
        if (offset + size > kBlockDataSize) Fail("a record crosses a block");
        if (block != characterBlock) characters = 0;
        characterBlock = block;
        const Bytes record(stream.substr(block * kBlockSize + 12 + offset, size));
        const std::uint32_t data1End = record.U32(16);
        const std::uint32_t data2Size = record.U32(4);
        if (data1End + data2Size != size) Fail("a record's parts do not add up");
        const unsigned type = record.U8(20);
        const std::uint32_t next = record.U32(12);
        if (type == 0x02 && next != 0xFFFFFFFF) {
            help.topics.push_back({FromShiftJis(record.Sub(data1End, data2Size)), block * 0x8000 + characters,
                                   record.U32(21 + 4), record.U32(21 + 8), {}, {}});
        } else if (type == 0x20) {
            if (help.topics.empty()) Fail("text before the first topic");
            ReadText(record, data1End, data2Size, help.topics.back());
            characters += data2Size;
        } else if (type != 0x02) {
            Fail("unexpected record type");
        }
        position = next;
    }
}

void ReadKeywords(const std::string& bytes, ReadHelp& help) {
    const BTree keywords(InternalFile(bytes, "|KWBTREE"));
    const Bytes data(InternalFile(bytes, "|KWDATA"));
    const Bytes& tree = keywords.Data();
    keywords.Walk([&](size_t entry) { return tree.CString(entry).size() + 7; },
                  [&](size_t entry) {
                      const std::string_view keyword = tree.CString(entry);
                      const unsigned count = tree.U16(entry + keyword.size() + 1);
                      const std::uint32_t first = tree.U32(entry + keyword.size() + 3);
                      std::vector<std::uint32_t> offsets;
                      for (unsigned i = 0; i < count; ++i) offsets.push_back(data.U32(first + 4 * i));
                      help.keywords.emplace_back(FromShiftJis(keyword), offsets);
                  });
}

}  // namespace

ReadHelp ReadHelpFile(const std::string& bytes) {
    ReadHelp help;
    ReadSystem(bytes, help);
    ReadFont(bytes, help);
    ReadTopics(bytes, help);
    ReadKeywords(bytes, help);
    return help;
}

std::optional<std::uint32_t> FindContext(const std::string& bytes, std::uint32_t hash) {
    const BTree contexts(InternalFile(bytes, "|CONTEXT"));
    const auto found = contexts.Find([](size_t) { return size_t{4}; },
                                     [&](size_t entry) {
                                         const auto key = static_cast<std::int32_t>(contexts.Data().U32(entry));
                                         const auto sought = static_cast<std::int32_t>(hash);
                                         return key < sought ? -1 : key > sought ? 1 : 0;
                                     },
                                     4);
    if (!found) return std::nullopt;
    return contexts.Data().U32(*found);
}

std::uint32_t ContextHashOf(std::string_view id) {
    std::uint32_t hash = 0;
    for (const char c : id) {
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        std::uint32_t value = 0;
        if (upper >= 'A' && upper <= 'Z') value = 0x11 + static_cast<std::uint32_t>(upper - 'A');
        else if (upper >= '1' && upper <= '9') value = static_cast<std::uint32_t>(upper - '0');
        else if (upper == '0') value = 0x0A;
        else if (upper == '.') value = 0x0C;
        else if (upper == '_') value = 0x0D;
        hash = hash * 43 + value;
    }
    return hash;
}

}  // namespace unitora::help::testing
