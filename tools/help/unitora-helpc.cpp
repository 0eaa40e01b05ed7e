// unitora-helpc: the help compiler. Reads the help source files in order and
// writes the help file for the system's help viewer and its HTML copy:
//
//   unitora-helpc <unitora.hlp> <unitora.html> <source>...
//
// A fault in a source is reported as "file:line: message" on standard error,
// nothing is written, and the exit status is 1.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "HelpSource.h"
#include "HtmlPage.h"
#include "WinHelpFile.h"

namespace {

using namespace unitora::help;

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::string(path) + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const char* path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw std::runtime_error(std::string(path) + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: unitora-helpc <output.hlp> <output.html> <source>...\n";
        return 2;
    }
    try {
        std::vector<SourceText> sources;
        for (int i = 3; i < argc; ++i) sources.push_back({argv[i], ReadFile(argv[i])});
        const HelpDocument document = ReadHelpSource(sources);
        const std::string helpFile = WriteWinHelpFile(document);
        const std::string page = WriteHtmlPage(document);
        WriteFile(argv[1], helpFile);
        WriteFile(argv[2], page);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
