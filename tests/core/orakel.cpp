#include "orakel.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace orakel {

namespace {

constexpr std::int64_t kTag = 86400;
// No zone's offset has ever been beyond ±15 h, so a day's first instant lies
// within this distance of its UTC midnight.
constexpr std::int64_t kFenster = 16 * 3600;
// Zones change their offset at most once within this step.
constexpr std::int64_t kSchritt = 3600;

std::int64_t AbgerundetTeilen(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

std::int64_t Tagesnummer(int jahr, int monat, int tag) {
    std::int64_t y = jahr - (monat <= 2 ? 1 : 0);
    std::int64_t era = AbgerundetTeilen(y, 400);
    std::int64_t yoe = y - era * 400;
    std::int64_t mp = (monat + 9) % 12;
    std::int64_t doy = (153 * mp + 2) / 5 + tag - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Datum AusTagesnummer(std::int64_t n) {
    n += 719468;
    std::int64_t era = AbgerundetTeilen(n, 146097);
    std::int64_t doe = n - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    int tag = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    int monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    int jahr = static_cast<int>(yoe + era * 400 + (monat <= 2 ? 1 : 0));
    return {jahr, monat, tag};
}

bool GibtEs(int jahr, int monat, int tag) {
    if (monat < 1 || monat > 12 || tag < 1) return false;
    Datum d = AusTagesnummer(Tagesnummer(jahr, monat, tag));
    return d.jahr == jahr && d.monat == monat && d.tag == tag;
}

std::optional<std::tm> Lokal(std::int64_t t) {
    std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (localtime_r(&tt, &tm) == nullptr) return std::nullopt;
    return tm;
}

std::optional<std::int64_t> LokalerTag(std::int64_t t) {
    auto tm = Lokal(t);
    if (!tm) return std::nullopt;
    return Tagesnummer(tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday);
}

long Versatz(std::int64_t t) {
    auto tm = Lokal(t);
    return tm ? tm->tm_gmtoff : 0;
}

std::optional<Anfang> TagesAnfang(std::int64_t n) {
    // Between two samples the offset is constant or changes once; on each
    // constant stretch local time is t + offset, a straight line, so where it
    // enters the day follows by arithmetic.
    struct Strecke {
        std::int64_t von, bis;  // inclusive
        long versatz;
    };
    std::vector<Strecke> strecken;
    const std::int64_t mitte = n * kTag;
    std::int64_t a = mitte - kFenster;
    long va = Versatz(a);
    while (a < mitte + kFenster) {
        std::int64_t b = std::min(a + kSchritt, mitte + kFenster);
        long vb = Versatz(b);
        if (va == vb) {
            strecken.push_back({a, b, va});
        } else {
            std::int64_t lo = a, hi = b;  // Versatz(lo) == va, Versatz(hi) == vb
            while (hi - lo > 1) {
                std::int64_t m = lo + (hi - lo) / 2;
                (Versatz(m) == va ? lo : hi) = m;
            }
            strecken.push_back({a, lo, va});
            strecken.push_back({hi, b, vb});
        }
        a = b;
        va = vb;
    }

    std::optional<Anfang> anfang;
    for (const Strecke& s : strecken) {
        const std::int64_t mitternacht = mitte - s.versatz;  // clock shows 00:00:00
        const bool zeigtMitternacht = s.von <= mitternacht && mitternacht <= s.bis;
        if (anfang) {
            if (zeigtMitternacht && mitternacht > anfang->wert) anfang->mitternachtDoppelt = true;
            continue;
        }
        const std::int64_t tagVon = AbgerundetTeilen(s.von + s.versatz, kTag);
        const std::int64_t tagBis = AbgerundetTeilen(s.bis + s.versatz, kTag);
        if (tagVon == n) {
            anfang = Anfang{s.von, (s.von + s.versatz) % kTag != 0, false};
        } else if (tagVon < n && tagBis >= n) {
            anfang = Anfang{mitternacht, false, false};
        }
    }
    return anfang;
}

std::optional<Anfang> TagesAnfang(int jahr, int monat, int tag) {
    if (!GibtEs(jahr, monat, tag)) return std::nullopt;
    return TagesAnfang(Tagesnummer(jahr, monat, tag));
}

std::string Schluessel(std::int64_t n) {
    Datum d = AusTagesnummer(n);
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", d.tag, d.monat, d.jahr);
    return puffer;
}

int Wochentag(std::int64_t n) {
    return static_cast<int>(((n + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
}

const char* const kWochentage[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                    "Donnerstag", "Freitag", "Samstag"};
const char* const kMonate[12] = {"Januar",    "Februar", "M\xE4rz",    "April",
                                 "Mai",       "Juni",    "Juli",       "August",
                                 "September", "Oktober", "November",   "Dezember"};

}  // namespace orakel
