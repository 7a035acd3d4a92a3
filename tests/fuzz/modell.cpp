#include "modell.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace modell {
namespace {

constexpr const char* kMonate[] = {"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                                   "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr const char* kWochentage[] = {"Sonn", "Mont", "Dien", "Mitt", "Donn", "Frei", "Sams"};
constexpr std::string_view kMarke = "[termin]";

bool Schaltjahr(std::int64_t j) { return j % 400 == 0 || (j % 100 != 0 && j % 4 == 0); }

int Monatslaenge(int jahr, int monat) {
    if (monat == 2) return Schaltjahr(jahr) ? 29 : 28;
    return monat == 4 || monat == 6 || monat == 9 || monat == 11 ? 30 : 31;
}

// Days from 0001-01-01 to the day, counted year by year and month by month.
std::int64_t TageSeitJahrEins(const Kalendertag& t) {
    const std::int64_t vorjahre = t.jahr - 1;
    std::int64_t tage = vorjahre * 365 + vorjahre / 4 - vorjahre / 100 + vorjahre / 400;
    for (int m = 1; m < t.monat; ++m) tage += Monatslaenge(t.jahr, m);
    return tage + t.tag - 1;
}

bool Leerraum(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && Leerraum(s.front())) s.remove_prefix(1);
    while (!s.empty() && Leerraum(s.back())) s.remove_suffix(1);
    return s;
}

std::string Tagesspalte(std::int64_t tage) {
    if (tage == 0) return "Heute\t\t";
    if (tage == 1) return "Morgen\t\t";
    if (tage == 2) return "\xDC" "bermorgen\t";
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

std::int64_t Tagnummer(const Kalendertag& t) {
    static const std::int64_t kEpoche = TageSeitJahrEins({1970, 1, 1});
    return TageSeitJahrEins(t) - kEpoche;
}

int Wochentag(const Kalendertag& t) {
    // 1970-01-01 was a Thursday
    return static_cast<int>(((Tagnummer(t) + 4) % 7 + 7) % 7);
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
        std::int64_t nummer;
        std::optional<Datumswert> wert;
        bool belegt;
    };
    static std::array<Eintrag, 1 << 15> bekannt{};
    static std::string zone;
    tzset();
    const char* tz = std::getenv("TZ");
    if (zone != (tz ? tz : "")) {
        zone = tz ? tz : "";
        bekannt.fill({});
    }
    const std::int64_t nummer = Tagnummer(t);
    Eintrag& eintrag = bekannt[static_cast<std::uint64_t>(nummer) % bekannt.size()];
    if (eintrag.belegt && eintrag.nummer == nummer) return eintrag.wert;

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
    eintrag = {nummer, erster, true};
    return erster;
}

std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            c = static_cast<char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)
            c = static_cast<char>(b + 0x10);
        else if (b == 0x9F)
            c = static_cast<char>(0xFF);
    }
    return r;
}

std::string Gross(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
            c = static_cast<char>(b - 0x20);
        else if (b == 0x9A || b == 0x9C || b == 0x9E)
            c = static_cast<char>(b - 0x10);
        else if (b == 0xFF)
            c = static_cast<char>(0x9F);
    }
    return r;
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

std::string TerminzeilenPruefen(std::string_view bericht, const Notizen& notizen,
                                const Kalendertag& heute) {
    int nummer = 0;
    while (!bericht.empty()) {
        ++nummer;
        const std::string fehler = "line " + std::to_string(nummer) + ": ";
        const std::size_t cr = bericht.find('\r');
        if (cr == std::string_view::npos || bericht.substr(cr, 2) != "\r\n")
            return fehler + "not ended by CR LF";
        std::string_view zeile = bericht.substr(0, cr);
        bericht.remove_prefix(cr + 2);

        // DD. Mmm\tYYYY\tWwww\t
        int tag = 0, jahr = 0, monat = 0, wochentag = -1;
        std::size_t pos = 0;
        if (zeile.size() < 8 || zeile[2] != '.' || zeile[3] != ' ' || zeile[7] != '\t')
            return fehler + "no date label";
        for (std::size_t i = 0; i < 2; ++i) {
            if (zeile[i] < '0' || zeile[i] > '9') return fehler + "no day of month";
            tag = tag * 10 + (zeile[i] - '0');
        }
        for (int i = 0; i < 12; ++i)
            if (zeile.substr(4, 3) == kMonate[i]) monat = i + 1;
        pos = 8;
        const std::size_t tab = zeile.find('\t', pos);
        if (monat == 0 || tab == std::string_view::npos) return fehler + "no month or year";
        for (std::size_t i = pos; i < tab; ++i) {
            if (zeile[i] < '0' || zeile[i] > '9' || jahr > 100000) return fehler + "bad year";
            jahr = jahr * 10 + (zeile[i] - '0');
        }
        pos = tab + 1;
        for (int i = 0; i < 7; ++i)
            if (zeile.substr(pos, 5) == std::string(kWochentage[i]) + '\t') wochentag = i;
        if (wochentag < 0) return fehler + "no weekday";
        pos += 5;

        const Kalendertag datum{jahr, monat, tag};
        if (!Gueltig(datum)) return fehler + "names no day";
        if (Wochentag(datum) != wochentag) return fehler + "wrong weekday";
        const std::int64_t abstand = Tagnummer(datum) - Tagnummer(heute);
        if (abstand < 0 || abstand > 100)
            return fehler + "day " + std::to_string(abstand) + " lies outside 0..100";
        if (zeile.substr(pos).rfind(Tagesspalte(abstand), 0) != 0)
            return fehler + "wrong day column for day " + std::to_string(abstand);
        const auto notiz = notizen.find(datum);
        if (notiz == notizen.end() || Klein(notiz->second.text).find(kMarke) == std::string::npos)
            return fehler + "the day holds no marked note";
    }
    return {};
}

}  // namespace modell
