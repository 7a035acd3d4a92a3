#include "orakel.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <tuple>

namespace orakel {
namespace {

constexpr std::int64_t kTag = 86400;
// No zone's offset has been beyond ±15 h, so a day begins within this
// distance of its UTC midnight.
constexpr std::int64_t kFenster = 16 * 3600;
// Zones change their offset at most once within this step.
constexpr std::int64_t kSchritt = 3600;

std::int64_t Abgerundet(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

std::optional<std::tm> Lokal(std::int64_t t) {
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (localtime_r(&tt, &tm) == nullptr) return std::nullopt;
    return tm;
}

std::optional<std::int64_t> Suchen(std::int64_t n) {
    // On a stretch of constant offset local time is t + offset, a straight
    // line, so where it first enters the day follows by arithmetic.
    const std::int64_t mitte = n * kTag;
    for (std::int64_t a = mitte - kFenster; a < mitte + kFenster; a += kSchritt) {
        const std::int64_t b = a + kSchritt;
        const long va = Versatz(a), vb = Versatz(b);
        const std::int64_t letzte = va == vb ? b : Umstellung(a, b);
        for (auto [von, bis, v] : {std::tuple{a, letzte, va}, {letzte + 1, b, vb}}) {
            if (von > bis) continue;
            if (Abgerundet(von + v, kTag) == n) return von;
            if (Abgerundet(von + v, kTag) < n && Abgerundet(bis + v, kTag) >= n) return mitte - v;
        }
    }
    return std::nullopt;
}

// The characters of bytes 0x80-0x9F; 0 where the code page has none.
constexpr char16_t kObereSteuerzone[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string Maskiert(std::string_view s) {
    std::string r;
    char zeichen[8];
    for (unsigned char c : s)
        r.append(zeichen, std::snprintf(zeichen, sizeof zeichen,
                                        c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02x", c));
    return r;
}

}  // namespace

std::int64_t Tagesnummer(const Datum& d) {
    const std::int64_t y = d.jahr - (d.monat <= 2);
    const std::int64_t era = Abgerundet(y, 400), yoe = y - era * 400;
    const std::int64_t doy = (153 * ((d.monat + 9) % 12) + 2) / 5 + d.tag - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

Datum AusTagesnummer(std::int64_t n) {
    n += 719468;
    const std::int64_t era = Abgerundet(n, 146097), doe = n - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (monat <= 2)), monat,
            static_cast<int>(doy - (153 * mp + 2) / 5 + 1)};
}

int Wochentag(std::int64_t n) {
    return static_cast<int>(((n + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
}

bool Gueltig(const Datum& d) {
    return d.jahr >= 1900 && d.jahr <= 9999 && d.monat >= 1 && d.monat <= 12 && d.tag >= 1 &&
           AusTagesnummer(Tagesnummer(d)) == d;
}

std::string Schluessel(const Datum& d) {
    char s[32];
    std::snprintf(s, sizeof s, "%02d.%02d.%04d", d.tag, d.monat, d.jahr);
    return s;
}

Zone::Zone(const char* name) {
    if (const char* tz = std::getenv("TZ")) m_vorher = tz;
    setenv("TZ", name, 1);
    tzset();
}

Zone::~Zone() {
    if (m_vorher)
        setenv("TZ", m_vorher->c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

long Versatz(std::int64_t t) {
    const auto tm = Lokal(t);
    if (!tm) throw std::out_of_range("no local time");
    return tm->tm_gmtoff;
}

std::optional<Datum> LokalesDatum(std::int64_t t) {
    const auto tm = Lokal(t);
    if (!tm) return std::nullopt;
    return Datum{tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday};
}

std::int64_t Umstellung(std::int64_t a, std::int64_t b) {
    const long va = Versatz(a);
    while (b - a > 1) {
        const std::int64_t m = a + (b - a) / 2;
        (Versatz(m) == va ? a : b) = m;
    }
    return a;
}

std::optional<std::int64_t> TagesAnfang(const Datum& d) {
    // Direct-mapped and allocated once: a cache that grew per input would
    // look like a leak to the fuzzer.
    struct Eintrag {
        std::int64_t nummer = INT64_MIN;
        std::optional<std::int64_t> anfang;
    };
    static std::array<Eintrag, 1 << 15> bekannt;
    static std::string zone = "?";
    if (const char* tz = std::getenv("TZ"); zone != (tz ? tz : "")) {
        zone = tz ? tz : "";
        bekannt.fill({});
    }
    const std::int64_t n = Tagesnummer(d);
    Eintrag& eintrag = bekannt[static_cast<std::uint64_t>(n) % bekannt.size()];
    if (eintrag.nummer != n) eintrag = {n, Suchen(n)};
    return eintrag.anfang;
}

const char* const kWochentage[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                    "Donnerstag", "Freitag", "Samstag"};
const char* const kMonate[12] = {"Januar",    "Februar", "M\xE4rz",  "April",
                                 "Mai",       "Juni",    "Juli",     "August",
                                 "September", "Oktober", "November", "Dezember"};

// Typed from the code page chart.
unsigned char Klein(unsigned char b) {
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))  // × is no letter
        return b + 0x20;
    if (b == 0x8A || b == 0x8C || b == 0x8E) return b + 0x10;  // Š Œ Ž
    return b == 0x9F ? 0xFF : b;                               // Ÿ
}
std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(Klein(static_cast<unsigned char>(c)));
    return r;
}

std::string Suchabschnitt(const Datum& tag, std::string_view notiz) {
    char kopf[96];
    std::snprintf(kopf, sizeof kopf, "==========\tNotiz f\xFCr %02d. %.3s %d, %.4s\t==========\r\n",
                  tag.tag, kMonate[tag.monat - 1], tag.jahr,
                  kWochentage[Wochentag(Tagesnummer(tag))]);
    return kopf + std::string(notiz) + "\r\n";
}

std::string Terminzeile(const Datum& tag, std::int64_t abstand, std::string_view text) {
    // The first three days by name, the others by their distance.
    const char* const kNah[] = {"Heute\t\t", "Morgen\t\t",
                                "\xDC"
                                "bermorgen\t"};
    char tage[16], zeile[96];
    std::snprintf(tage, sizeof tage, "%03d\t\t", static_cast<int>(abstand));
    std::snprintf(zeile, sizeof zeile, "%02d. %.3s\t%d\t%.4s\t%s", tag.tag, kMonate[tag.monat - 1],
                  tag.jahr, kWochentage[Wochentag(Tagesnummer(tag))],
                  abstand >= 0 && abstand < 3 ? kNah[abstand] : tage);
    return zeile + std::string(text) + "\r\n";
}

std::string Suchbericht(const Notizen& notizen, std::string_view begriff) {
    const std::string klein = Klein(begriff);
    std::string bericht;
    for (const auto& [tag, text] : notizen)
        if (Klein(text).find(klein) != std::string::npos) bericht += Suchabschnitt(tag, text);
    return bericht;
}

std::string Terminbericht(const Notizen& notizen, const Datum& heute) {
    constexpr std::string_view kMarke = "[termin]", kLeer = " \t\n\v\f\r";
    std::string bericht;
    for (const auto& [tag, text] : notizen) {
        const std::int64_t abstand = Tagesnummer(tag) - Tagesnummer(heute);
        if (abstand < 0 || abstand > 100) continue;
        const std::string klein = Klein(text);
        // each marker to the line's end; a second one on the line is text
        for (std::size_t m = klein.find(kMarke); m != std::string::npos;) {
            const std::size_t cr = klein.find('\r', m);
            std::string_view rest = std::string_view(text).substr(
                m + kMarke.size(),
                (cr == std::string::npos ? text.size() : cr) - m - kMarke.size());
            const std::size_t von = rest.find_first_not_of(kLeer);
            rest = von == rest.npos ? "" : rest.substr(von, rest.find_last_not_of(kLeer) - von + 1);
            bericht += Terminzeile(tag, abstand, rest);
            m = cr == std::string::npos ? cr : klein.find(kMarke, cr);
        }
    }
    return bericht;
}

Alphabet Druckbar1252() {
    Alphabet a;
    for (int b = 0x20; b <= 0xFF; ++b) {
        const char16_t c = b >= 0x80 && b <= 0x9F ? kObereSteuerzone[b - 0x80] : b;
        if (b == 0x7F || c == 0) continue;
        a.zeichen += c;
        a.bytes += static_cast<char>(b);
    }
    return a;
}

std::string Unterschied(std::string_view ist, std::string_view soll) {
    if (ist == soll) return {};
    std::size_t ab = 0;
    while (ab < ist.size() && ab < soll.size() && ist[ab] == soll[ab]) ++ab;
    const std::size_t vorne = ab > 40 ? ab - 40 : 0;
    return "first difference at byte " + std::to_string(ab) + " (of " + std::to_string(ist.size()) +
           " got, " + std::to_string(soll.size()) + " expected)\n  got:      \"" +
           Maskiert(ist.substr(vorne, 120)) + "\"\n  expected: \"" +
           Maskiert(soll.substr(std::min(vorne, soll.size()), 120)) + "\"";
}

}  // namespace orakel
