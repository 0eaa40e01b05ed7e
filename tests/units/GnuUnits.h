// Evaluates expressions with GNU units (Debian package units), all in one
// run of the program.
#pragma once

#include <string>
#include <vector>

namespace unitora {

// One answer per expression: its value as GNU units prints it when the
// expression is a plain number, or what GNU units says instead (an unknown
// unit, a parse error, the units left over). Throws std::runtime_error when
// GNU units cannot be run.
std::vector<std::string> EvaluateWithGnuUnits(const std::vector<std::string>& expressions);

}  // namespace unitora
