// dorvane-szenario [FILE]: runs a scenario from FILE, or from standard input
// without one (or with "-"), and prints what it asks for.

#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>

#include "szenario.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: dorvane-szenario [FILE]\n";
        return szenario::kLesefehler;
    }
    try {
        int status;
        if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
            std::ifstream datei(argv[1], std::ios::binary);
            if (!datei) {
                std::cerr << "dorvane-szenario: cannot open " << argv[1] << '\n';
                return szenario::kLesefehler;
            }
            status = szenario::Ausfuehren(datei, std::cout, std::cerr);
        } else {
            status = szenario::Ausfuehren(std::cin, std::cout, std::cerr);
        }
        // Output that never arrived must not pass for a result.
        if (!std::cout.flush()) {
            std::cerr << "dorvane-szenario: cannot write the output\n";
            return 1;
        }
        return status;
    } catch (const std::exception& fehler) {
        std::cerr << "dorvane-szenario: " << fehler.what() << '\n';
        return 1;
    }
}
