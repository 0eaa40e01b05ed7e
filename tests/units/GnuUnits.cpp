#include "GnuUnits.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace unitora {
namespace {

// The questions go to GNU units in a file of their own, removed afterwards.
class QuestionFile {
public:
    QuestionFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "unitora-units-XXXXXX").string();
        const int descriptor = mkstemp(pattern.data());
        if (descriptor < 0) throw std::runtime_error("cannot create a file for GNU units");
        close(descriptor);
        m_path = pattern;
    }
    ~QuestionFile() { std::filesystem::remove(m_path); }
    QuestionFile(const QuestionFile&) = delete;
    QuestionFile& operator=(const QuestionFile&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// GNU units marks where an expression went wrong with a caret on a line
// before its message.
bool IsErrorMarker(const std::string& line) {
    return line.find_first_not_of(" ^") == std::string::npos && line.find('^') != std::string::npos;
}

}  // namespace

std::vector<std::string> EvaluateWithGnuUnits(const std::vector<std::string>& expressions) {
    QuestionFile questions;
    {
        // Each expression is a "You have" line; the empty "You want" line
        // after it asks for its value in primitive units, a plain number
        // when the expression has no dimension left.
        std::ofstream file(questions.Path());
        for (const std::string& expression : expressions) file << expression << "\n\n";
        if (!file) throw std::runtime_error("cannot write the questions for GNU units");
    }
    // The standard definitions only, with US customary units and a C number
    // format, whatever the environment says.
    const std::string command =
        "env -u UNITS_ENGLISH -u UNITS_SYSTEM LC_ALL=C units -f '' -l en_US --terse --digits 15 < " +
        questions.Path();
    FILE* output = popen(command.c_str(), "r");
    if (!output) throw std::runtime_error("cannot start GNU units");
    std::vector<std::string> answers;
    std::string line;
    for (int c = fgetc(output); c != EOF; c = fgetc(output)) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        if (!IsErrorMarker(line)) answers.push_back(line);
        line.clear();
    }
    const int status = pclose(output);
    if (status != 0) {
        throw std::runtime_error("GNU units failed (wait status " + std::to_string(status) +
                                 "); scripts/install-deps.sh installs it");
    }
    if (answers.size() != expressions.size()) {
        throw std::runtime_error("GNU units gave " + std::to_string(answers.size()) + " answers to " +
                                 std::to_string(expressions.size()) + " expressions");
    }
    return answers;
}

}  // namespace unitora
