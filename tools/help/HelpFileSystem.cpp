#include "HelpFileSystem.h"

#include <vector>

#include "BTree.h"
#include "LittleEndian.h"

namespace unitora::help {
namespace {

constexpr std::uint32_t kHelpFileMagic = 0x00035F3F;
constexpr size_t kFileHeaderSize = 16;
constexpr BTreeFormat kDirectoryFormat{0x0402, 0x0400, "z4"};

// Every internal file starts with its reserved and used sizes and a flags
// byte; nothing is reserved beyond what is used.
void AppendInternalFile(std::string& out, const std::string& content) {
    PutU32(out, static_cast<std::uint32_t>(content.size() + 9));
    PutU32(out, static_cast<std::uint32_t>(content.size()));
    PutU8(out, 0);
    out += content;
}

}  // namespace

std::string HelpFileSystem::Bytes() const {
    std::vector<BTreeEntry> directory;
    std::uint32_t offset = kFileHeaderSize;
    for (const auto& [name, content] : m_files) {
        std::string key = name + '\0';
        std::string leaf = key;
        PutU32(leaf, offset);
        directory.push_back({std::move(key), std::move(leaf)});
        offset += static_cast<std::uint32_t>(9 + content.size());
    }
    const std::string tree = BuildBTree(kDirectoryFormat, directory).bytes;

    std::string file;
    PutU32(file, kHelpFileMagic);
    PutU32(file, offset);
    PutU32(file, kNoPosition);  // no free blocks
    PutU32(file, static_cast<std::uint32_t>(offset + 9 + tree.size()));
    for (const auto& [name, content] : m_files) AppendInternalFile(file, content);
    AppendInternalFile(file, tree);
    return file;
}

}  // namespace unitora::help
