// dorvane-fuzz-saat DIR SCENARIO...  writes each scenario as a fuzzer input,
//                                    DIR/NAME.saat
// dorvane-fuzz-saat --zeigen INPUT   prints a fuzzer input as a scenario and
//                                    checks it as the fuzzer does; exit 1
//                                    when the store breaks a rule

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "befehle.h"
#include "lauf.h"
#include "maskierung.h"  // szenario::Lesefehler
#include "szenariozeile.h"

namespace {

constexpr int kAufruf = 2;

// The steps up to the first line the scenario driver would stop at.
std::vector<fuzz::Befehl> SzenarioLesen(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) throw std::runtime_error("cannot open " + pfad.string());
    std::vector<fuzz::Befehl> befehle;
    std::string zeile;
    for (long nummer = 1; std::getline(datei, zeile); ++nummer) {
        try {
            if (auto b = fuzz::AusSzenario(zeile)) befehle.push_back(std::move(*b));
        } catch (const szenario::Lesefehler& fehler) {
            std::cerr << pfad.string() << ":" << nummer << ": " << fehler.what()
                      << " (the rest is left out)\n";
            break;
        }
    }
    return befehle;
}

int Saeen(const std::filesystem::path& ordner, int anzahl, char** szenarien) {
    std::filesystem::create_directories(ordner);
    int geschrieben = 0;
    for (int i = 0; i < anzahl; ++i) {
        const std::filesystem::path pfad = szenarien[i];
        const std::string bytes = fuzz::Schreiben(SzenarioLesen(pfad));
        if (bytes.empty()) continue;
        std::ofstream aus(ordner / (pfad.stem().string() + ".saat"), std::ios::binary);
        if (!aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            throw std::runtime_error("cannot write into " + ordner.string());
        ++geschrieben;
    }
    std::cout << geschrieben << " seeds in " << ordner.string() << '\n';
    return 0;
}

int Zeigen(const char* pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) throw std::runtime_error(std::string("cannot open ") + pfad);
    const std::string bytes{std::istreambuf_iterator<char>(datei), {}};
    fuzz::Lauf lauf;
    // the start-up state every run begins with
    fuzz::Befehl anfang;
    anfang.art = fuzz::Art::Heute;
    anfang.felder = fuzz::Lauf::kHeute;
    std::cout << fuzz::AlsSzenario(anfang, {}) << '\n';
    anfang.art = fuzz::Art::Start;
    anfang.felder = fuzz::Lauf::kStart;
    std::cout << fuzz::AlsSzenario(anfang, {}) << '\n';
    for (const fuzz::Befehl& befehl :
         fuzz::Lesen(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) {
        const auto& a = lauf.Aktuell();
        const TagesFelder aktuell{static_cast<std::uint16_t>(a.jahr),
                                  static_cast<std::uint16_t>(a.monat),
                                  static_cast<std::uint16_t>(a.tag)};
        std::cout << fuzz::AlsSzenario(lauf.Aufloesen(befehl), aktuell) << '\n';
        try {
            lauf.Ausfuehren(befehl);
        } catch (const fuzz::Verstoss& verstoss) {
            std::string text = verstoss.what();
            for (std::size_t i = 0; (i = text.find('\n', i)) != std::string::npos; i += 3)
                text.replace(i, 1, "\n# ");
            std::cout << "# broken: " << text << '\n';
            return 1;
        }
    }
    std::cout << "# every rule held\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string_view(argv[1]) == "--zeigen") return Zeigen(argv[2]);
        if (argc >= 2 && argv[1][0] != '-') return Saeen(argv[1], argc - 2, argv + 2);
    } catch (const std::exception& fehler) {
        std::cerr << "dorvane-fuzz-saat: " << fehler.what() << '\n';
        return kAufruf;
    }
    std::cerr << "usage: dorvane-fuzz-saat DIR SCENARIO...\n"
                 "       dorvane-fuzz-saat --zeigen INPUT\n";
    return kAufruf;
}
