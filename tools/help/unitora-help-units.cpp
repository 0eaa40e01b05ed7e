// unitora-help-units: writes the help's unit-list topics, generated from the
// catalogue, to the file given (help source markup, UTF-8).
#include <fstream>
#include <iostream>

#include "UnitListSource.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: unitora-help-units <output.txt>\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << unitora::help::UnitListSource();
    if (!out.flush()) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
