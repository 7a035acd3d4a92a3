#include "korpus.h"

#include <cstdint>
#include <iterator>
#include <random>

namespace korpus {
namespace {

// Split literals where a hex escape is followed by a letter a-f.
// clang-format off
constexpr const char* kWoerter[] = {
    "und", "mit", "f\xFCr", "nach", "bei", "oder", "noch", "nicht", "vielleicht",
    "morgen", "abends", "fr\xFCh", "sp\xE4ter", "unbedingt", "wieder", "anrufen",
    "abholen", "bezahlen", "erledigen", "vorbereiten", "mitbringen", "pr\xFC" "fen",
    "kaufen", "zur\xFC" "ckgeben", "bestellen", "k\xFCndigen", "\xFC" "ben",
    "Arzt", "Besuch", "Kinder", "Schule", "Garten", "Wetter", "Regen", "Sonne",
    "Kaffee", "Kuchen", "B\xE4" "cker", "M\xFCller", "Gespr\xE4" "ch", "Stra\xDF" "e",
    "Gr\xFC\xDF" "e", "\xC4rger", "\xD6" "ffnungszeiten", "\xDC" "berweisung",
    "Rechnung", "Versicherung", "Auto", "Werkstatt", "Reifen", "Bahnhof", "Zug",
    "Fahrkarte", "Urlaub", "Koffer", "Hotel", "Nachbarn", "Geburtstag", "Geschenk",
    "Oma", "Opa", "Tante", "Onkel", "Verein", "Probe", "Konzert", "Theater", "Kino",
    "Bibliothek", "Buch", "Zeitung", "Post", "Paket", "Brief", "Bank", "Konto",
    "Miete", "Heizung", "Fenster", "Keller", "Dach", "Handwerker", "Elektriker",
    "Besprechung", "Projekt", "Bericht", "Chef", "Kollegen", "Mittagessen",
    "Abendessen", "Salat", "Suppe", "Brot", "K\xE4se", "Wurst", "Obst", "Gem\xFCse",
    "Markt", "Apotheke", "Tabletten", "Sport", "Schwimmbad", "Fahrrad",
    "Spaziergang", "Hund", "Katze", "Tierarzt", "Blumen", "Rasen", "Laub", "Schnee",
    "Frost", "Fr\xFChling", "Sommer", "Herbst", "Winter",
};
// clang-format on

// A uniform draw from 0 .. n-1 by rejection, so that no library's
// distribution code decides the corpus.
std::uint32_t Wuerfel(std::mt19937& zufall, std::uint32_t n) {
    const std::uint64_t grenze = (0x100000000ull / n) * n;
    for (;;) {
        const std::uint64_t wurf = zufall();
        if (wurf < grenze) return static_cast<std::uint32_t>(wurf % n);
    }
}

std::string Woerter(std::mt19937& zufall, std::uint32_t von, std::uint32_t bis) {
    std::string zeile;
    const std::uint32_t anzahl = von + Wuerfel(zufall, bis - von + 1);
    for (std::uint32_t i = 0; i < anzahl; ++i) {
        if (i > 0) zeile += ' ';
        zeile += kWoerter[Wuerfel(zufall, std::size(kWoerter))];
    }
    return zeile;
}

void Einfuegen(std::mt19937& zufall, std::vector<std::string>& zeilen, std::string zeile) {
    const auto stelle = Wuerfel(zufall, static_cast<std::uint32_t>(zeilen.size() + 1));
    zeilen.insert(zeilen.begin() + stelle, std::move(zeile));
}

void Anhaengen(std::mt19937& zufall, std::vector<std::string>& zeilen, const char* wort) {
    std::string& zeile = zeilen[Wuerfel(zufall, static_cast<std::uint32_t>(zeilen.size()))];
    zeile += ' ';
    zeile += wort;
}

constexpr bool Schaltjahr(int j) {
    return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

void NaechsterTag(TagesFelder& f) {
    constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int tage = f.monat == 2 && Schaltjahr(f.jahr) ? 29 : kTage[f.monat - 1];
    if (++f.tag <= tage) return;
    f.tag = 1;
    if (++f.monat <= 12) return;
    f.monat = 1;
    ++f.jahr;
}

}  // namespace

std::vector<Notiz> Erzeugen(int anzahl) {
    std::mt19937 zufall(20261206u);
    std::vector<Notiz> notizen;
    notizen.reserve(static_cast<std::size_t>(anzahl));
    TagesFelder tag{2026, 1, 1, 0, 0, 0};
    for (int i = 0; i < anzahl; ++i, NaechsterTag(tag)) {
        std::vector<std::string> zeilen;
        std::size_t laenge = 0;
        while (laenge < 365) {
            zeilen.push_back(Woerter(zufall, 3, 9));
            laenge += zeilen.back().size() + 2;
        }
        if (Wuerfel(zufall, 100) == 0) Anhaengen(zufall, zeilen, kSelten);
        if (Wuerfel(zufall, 2) == 0) Anhaengen(zufall, zeilen, kHaeufig);
        if (i % 7 == 0) {
            const auto termine = 1 + Wuerfel(zufall, 2);
            for (std::uint32_t t = 0; t < termine; ++t) {
                Einfuegen(zufall, zeilen, "[TERMIN] " + Woerter(zufall, 2, 5));
            }
        }
        std::string text;
        for (std::size_t z = 0; z < zeilen.size(); ++z) {
            if (z > 0) text += "\r\n";
            text += zeilen[z];
        }
        notizen.push_back({tag, std::move(text)});
    }
    return notizen;
}

}  // namespace korpus
