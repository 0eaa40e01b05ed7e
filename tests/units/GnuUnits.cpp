#include "GnuUnits.h"

#include <stdio.h>

#include <stdexcept>

namespace unitora {
namespace {

// GNU units marks where an expression went wrong with a caret on a line
// before its message.
bool IsErrorMarker(const std::string& line) {
    return line.find_first_not_of(" ^") == std::string::npos && line.find('^') != std::string::npos;
}

}  // namespace

std::vector<std::string> EvaluateWithGnuUnits(const std::vector<std::string>& expressions) {
    // Each expression is a "You have" line; the empty "You want" line after
    // it asks for its value in primitive units, a plain number when the
    // expression has no dimension left. The standard definitions only, with
    // US customary units and a C number format, whatever the environment says.
    std::string command = "printf '%s\\n\\n'";
    for (const std::string& expression : expressions) command += " '" + expression + "'";
    command += " | env -u UNITS_ENGLISH -u UNITS_SYSTEM LC_ALL=C units -f '' -l en_US --terse --digits 15";
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
