// The container a help viewer opens: a file header, the internal files, each
// behind a header of its own, and a directory that finds them by name.
#pragma once

#include <map>
#include <string>

namespace unitora::help {

class HelpFileSystem {
public:
    void Add(const std::string& name, std::string content) { m_files[name] = std::move(content); }

    // The whole file.
    std::string Bytes() const;

private:
    // Kept in byte order of the names, the order of the directory.
    std::map<std::string, std::string> m_files;
};

}  // namespace unitora::help
