// dorvane-fuzz-saat DIR SCENARIO...  writes each scenario as a fuzzer input,
//                                    DIR/NAME.saat
// dorvane-fuzz-saat --zeigen INPUT   prints a fuzzer input as a scenario and
//                                    checks it as the fuzzer does; exit 1
//                                    when the store breaks a rule

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "lauf.h"
#include "maskierung.h"

namespace {

using fuzz::Art;
using fuzz::Befehl;

// The step of a scenario line, loosely read: a seed only has to start the
// fuzzer somewhere near. Nothing for the lines that only print or comment.
std::optional<Befehl> AusSzenario(const std::string& zeile) {
    const std::size_t blank = zeile.find(' ');
    const std::string wort = zeile.substr(0, blank);
    const std::string argument = blank == std::string::npos ? "" : zeile.substr(blank + 1);
    Befehl b;
    unsigned j, m, t, h = 0, mi = 0, s = 0;
    int ende = -1;
    if (wort == "heute")
        std::sscanf(argument.c_str(), "%u-%u-%u %u:%u:%u%n", &j, &m, &t, &h, &mi, &s, &ende);
    else
        std::sscanf(argument.c_str(), "%u-%u-%u%n", &j, &m, &t, &ende);
    const bool datum = ende == static_cast<int>(argument.size()) && j <= 0xFFFF;
    if (datum)
        b.felder = {static_cast<std::uint16_t>(j),  static_cast<std::uint16_t>(m),
                    static_cast<std::uint16_t>(t),  static_cast<std::uint16_t>(h),
                    static_cast<std::uint16_t>(mi), static_cast<std::uint16_t>(s)};
    if (datum && (wort == "heute" || wort == "start" || wort == "tag" || wort == "loeschen")) {
        b.art = wort == "heute"   ? Art::Heute
                : wort == "start" ? Art::Start
                : wort == "tag"   ? Art::Tag
                                  : Art::Loeschen;
    } else if (wort == "editor" || wort == "finden") {
        b.art = wort == "editor" ? Art::Editor : Art::Finden;
        b.text = szenario::Entschluesseln(argument);
    } else if (zeile == "termine") {
        b.art = Art::Termine;
    } else {
        return std::nullopt;
    }
    return b;
}

std::string Datum(const modell::Kalendertag& t) {
    char s[64];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", t.jahr, t.monat, t.tag);
    return s;
}
std::string Datum(const TagesFelder& f) {
    return Datum(modell::Kalendertag{f.jahr, f.monat, f.tag});
}

// The scenario lines of a resolved step; `aktuell` is the day that an empty
// note dialog deletes.
std::string AlsSzenario(const Befehl& b, const modell::Kalendertag& aktuell) {
    switch (b.art) {
        case Art::Tag:
            return "tag " + Datum(b.felder);
        case Art::Loeschen:
            return "loeschen " + Datum(b.felder);
        case Art::Start:
            return "start " + Datum(b.felder);
        case Art::Heute: {
            char zeit[32];
            std::snprintf(zeit, sizeof zeit, " %02u:%02u:%02u", unsigned{b.felder.stunde},
                          unsigned{b.felder.minute}, unsigned{b.felder.sekunde});
            return "heute " + Datum(b.felder) + zeit;
        }
        case Art::Editor:
            return "editor " + szenario::Maskieren(b.text);
        case Art::Finden:
            return "finden " + szenario::Maskieren(b.text);
        case Art::Termine:
            return "termine";
        case Art::NotizLeer:
            return "# the note dialog comes back empty\nloeschen " + Datum(aktuell) + "\neditor";
        case Art::LoeschenWert: {
            const auto tag = modell::LokalesDatum(b.wert);
            return "# NotizLoeschen(" + std::to_string(b.wert) + ")" +
                   (tag && modell::Gueltig(*tag) ? "\nloeschen " + Datum(*tag) : "");
        }
        default:
            return "# (unresolved step)";
    }
}

int Saeen(const std::filesystem::path& ordner, int anzahl, char** szenarien) {
    std::filesystem::create_directories(ordner);
    int geschrieben = 0;
    for (int i = 0; i < anzahl; ++i) {
        const std::filesystem::path pfad = szenarien[i];
        std::ifstream datei(pfad, std::ios::binary);
        if (!datei) throw std::runtime_error("cannot open " + pfad.string());
        std::string bytes, zeile;
        try {
            while (std::getline(datei, zeile))
                if (const auto b = AusSzenario(zeile)) bytes += fuzz::Schreiben(*b);
        } catch (const szenario::Lesefehler&) {
            // the scenario driver stops there too
        }
        if (bytes.empty()) continue;
        ++geschrieben;
        std::ofstream aus(ordner / (pfad.stem().string() + ".saat"), std::ios::binary);
        if (!aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            throw std::runtime_error("cannot write into " + ordner.string());
    }
    std::cout << geschrieben << " seeds in " << ordner.string() << '\n';
    return 0;
}

int Zeigen(const char* pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) throw std::runtime_error(std::string("cannot open ") + pfad);
    const std::string bytes{std::istreambuf_iterator<char>(datei), {}};
    fuzz::Lauf lauf;
    std::cout << "heute " << Datum(fuzz::Lauf::kHeute) << " 14:30:00\nstart "
              << Datum(fuzz::Lauf::kStart) << '\n';
    for (const Befehl& befehl :
         fuzz::Lesen(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) {
        std::cout << AlsSzenario(lauf.Aufloesen(befehl), lauf.Aktuell()) << '\n';
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
        return 2;
    }
    std::cerr << "usage: dorvane-fuzz-saat DIR SCENARIO...\n"
                 "       dorvane-fuzz-saat --zeigen INPUT\n";
    return 2;
}
