#include "modell.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace modell {
namespace {

constexpr const char* kMonate[] = {"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                                   "Jul", "Aug", "Sep",    "Okt", "Nov", "Dez"};
constexpr const char* kWochentage[] = {"Sonn", "Mont", "Dien", "Mitt", "Donn", "Frei", "Sams"};
constexpr std::string_view kMarke = "[termin]";

bool Schaltjahr(std::int64_t j) {
    return j % 400 == 0 || (j % 100 != 0 && j % 4 == 0);
}

int Monatslaenge(int jahr, int monat) {
    if (monat == 2) return Schaltjahr(jahr) ? 29 : 28;
    return monat == 4 || monat == 6 || monat == 9 || monat == 11 ? 30 : 31;
}

// Days since 1970-01-01, counted year by year and month by month from 0001.
std::int64_t Tagnummer(const Kalendertag& t) {
    const std::int64_t v = t.jahr - 1;
    std::int64_t tage = v * 365 + v / 4 - v / 100 + v / 400 + t.tag - 1 - 719162;
    for (int m = 1; m < t.monat; ++m) tage += Monatslaenge(t.jahr, m);
    return tage;
}

// 1970-01-01 was a Thursday (index 4).
int Wochentag(const Kalendertag& t) {
    return static_cast<int>(((Tagnummer(t) + 4) % 7 + 7) % 7);
}

std::string_view Getrimmt(std::string_view s) {
    constexpr std::string_view kLeer = " \t\n\v\f\r";
    const std::size_t von = s.find_first_not_of(kLeer);
    return von == std::string_view::npos ? "" : s.substr(von, s.find_last_not_of(kLeer) - von + 1);
}

std::string Tagesspalte(std::int64_t tage) {
    if (tage == 0) return "Heute\t\t";
    if (tage == 1) return "Morgen\t\t";
    if (tage == 2)
        return "\xDC"
               "bermorgen\t";
    char spalte[16];
    std::snprintf(spalte, sizeof spalte, "%03d\t\t", static_cast<int>(tage));
    return spalte;
}

// "06. Dez\t2026\tSonn\t"
std::string Datumsspalten(const Kalendertag& t) {
    char s[64];
    std::snprintf(s, sizeof s, "%02d. %s\t%d\t%s\t", t.tag, kMonate[t.monat - 1], t.jahr,
                  kWochentage[Wochentag(t)]);
    return s;
}

}  // namespace

bool Gueltig(const Kalendertag& t) {
    return t.jahr >= 1900 && t.jahr <= 9999 && t.monat >= 1 && t.monat <= 12 && t.tag >= 1 &&
           t.tag <= Monatslaenge(t.jahr, t.monat);
}

std::string Schluessel(const Kalendertag& t) {
    char s[32];
    std::snprintf(s, sizeof s, "%02d.%02d.%04d", t.tag, t.monat, t.jahr);
    return s;
}

std::optional<Kalendertag> LokalesDatum(Datumswert wert) {
    const std::time_t t = static_cast<std::time_t>(wert);
    std::tm tm{};
    if (localtime_r(&t, &tm) == nullptr) return std::nullopt;
    return Kalendertag{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::optional<Datumswert> ErsterMoment(const Kalendertag& t) {
    // Direct-mapped and allocated once: a cache that grew per input would
    // look like a leak to the fuzzer and make it check for one every time.
    struct Eintrag {
        std::int64_t nummer = INT64_MIN;
        std::optional<Datumswert> wert;
    };
    static std::array<Eintrag, 1 << 15> bekannt;
    static std::string zone;
    tzset();
    if (const char* tz = std::getenv("TZ"); zone != (tz ? tz : "")) {
        zone = tz ? tz : "";
        bekannt.fill({});
    }
    const std::int64_t nummer = Tagnummer(t);
    Eintrag& eintrag = bekannt[static_cast<std::uint64_t>(nummer) % bekannt.size()];
    if (eintrag.nummer == nummer) return eintrag.wert;

    // Local time lies within 27 hours of UTC; no zone keeps a day for less
    // than a quarter of an hour.
    constexpr std::int64_t kRand = 27 * 3600, kSchritt = 900;
    const std::int64_t mitternacht = nummer * 86400;
    std::optional<Datumswert> erster;
    for (std::int64_t s = mitternacht - kRand; s <= mitternacht + 86400 + kRand; s += kSchritt) {
        if (LokalesDatum(s) != t) continue;
        std::int64_t davor = s - kSchritt, drin = s;
        while (drin - davor > 1) {
            const std::int64_t mitte = davor + (drin - davor) / 2;
            (LokalesDatum(mitte) == t ? drin : davor) = mitte;
        }
        erster = drin;
        break;
    }
    eintrag = {nummer, erster};
    return erster;
}

namespace {

// Windows-1252 lower case by byte; upper case is its inverse.
struct Faelle {
    unsigned char klein[256], gross[256];
    Faelle() {
        for (int b = 0; b < 256; ++b) klein[b] = gross[b] = static_cast<unsigned char>(b);
        for (int b = 0; b < 256; ++b) {
            int k = b;
            if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
                k = b + 0x20;
            else if (b == 0x8A || b == 0x8C || b == 0x8E)
                k = b + 0x10;
            else if (b == 0x9F)
                k = 0xFF;
            klein[b] = static_cast<unsigned char>(k);
            gross[k] = static_cast<unsigned char>(b);
        }
    }
};
const Faelle kFaelle;

std::string Abbilden(std::string_view s, const unsigned char (&tabelle)[256]) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(tabelle[static_cast<unsigned char>(c)]);
    return r;
}

}  // namespace

std::string Klein(std::string_view s) {
    return Abbilden(s, kFaelle.klein);
}
std::string Gross(std::string_view s) {
    return Abbilden(s, kFaelle.gross);
}

std::string Suchbericht(const Notizen& notizen, std::string_view begriff) {
    const std::string klein = Klein(begriff);
    std::string bericht;
    for (const auto& [tag, notiz] : notizen) {
        if (Klein(notiz.text).find(klein) == std::string::npos) continue;
        char kopf[96];
        std::snprintf(kopf, sizeof kopf, "==========\tNotiz f\xFCr %02d. %s %d, %s\t==========\r\n",
                      tag.tag, kMonate[tag.monat - 1], tag.jahr, kWochentage[Wochentag(tag)]);
        bericht += kopf;
        bericht += notiz.text;
        bericht += "\r\n";
    }
    return bericht;
}

std::string Terminbericht(const Notizen& notizen, const Kalendertag& heute) {
    std::string bericht;
    for (const auto& [tag, notiz] : notizen) {
        const std::int64_t abstand = Tagnummer(tag) - Tagnummer(heute);
        if (abstand < 0 || abstand > 100) continue;
        const std::string klein = Klein(notiz.text);
        const std::string anfang = Datumsspalten(tag) + Tagesspalte(abstand);
        for (std::size_t m = klein.find(kMarke); m != std::string::npos;) {
            const std::size_t cr = klein.find('\r', m);
            const std::size_t ende = cr == std::string::npos ? klein.size() : cr;
            const std::size_t von = m + kMarke.size();
            bericht += anfang;
            bericht += Getrimmt(std::string_view(notiz.text).substr(von, ende - von));
            bericht += "\r\n";
            m = cr == std::string::npos ? cr : klein.find(kMarke, cr);
        }
    }
    return bericht;
}

}  // namespace modell
