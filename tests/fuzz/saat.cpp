// dorvane-fuzz-saat DIR SCENARIO...: writes each scenario as a fuzzer
// input, DIR/NAME.saat, read line by line as the scenario driver reads it.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "lauf.h"
#include "maskierung.h"
#include "szenario.h"

namespace {

// The scenario command of each kind of step, in the order of fuzz::Art;
// the lines that only print have none.
const char* const kWoerter[fuzz::kArten] = {"tag",      "editor", "finden", "termine",
                                            "loeschen", "heute",  nullptr};

std::string Schritte(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) throw std::runtime_error("cannot open " + pfad.string());
    std::string bytes, zeile;
    try {
        while (std::getline(datei, zeile)) {
            const szenario::Zeile z = szenario::ZeileLesen(zeile);
            for (int art = 0; art < fuzz::kArten; ++art)
                if (kWoerter[art] && z.wort == kWoerter[art])
                    bytes += fuzz::Schreiben({fuzz::Art(art), z.felder, z.text});
        }
    } catch (const szenario::Lesefehler&) {
        // the scenario driver stops there too
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        std::cerr << "usage: dorvane-fuzz-saat DIR SCENARIO...\n";
        return 2;
    }
    try {
        const std::filesystem::path ordner = argv[1];
        std::filesystem::create_directories(ordner);
        int geschrieben = 0;
        for (int i = 2; i < argc; ++i) {
            const std::string bytes = Schritte(argv[i]);
            if (bytes.empty()) continue;
            std::ofstream aus(ordner / (std::filesystem::path(argv[i]).stem().string() + ".saat"),
                              std::ios::binary);
            if (!aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
                throw std::runtime_error("cannot write into " + ordner.string());
            ++geschrieben;
        }
        std::cout << geschrieben << " seeds in " << ordner.string() << '\n';
        return 0;
    } catch (const std::exception& fehler) {
        std::cerr << "dorvane-fuzz-saat: " << fehler.what() << '\n';
        return 2;
    }
}
