#include "orakel.h"

#include <cstdio>
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

std::tm Lokal(std::int64_t t) {
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (localtime_r(&tt, &tm) == nullptr) throw std::out_of_range("no local time");
    return tm;
}

}  // namespace

std::int64_t Tagesnummer(int jahr, int monat, int tag) {
    const std::int64_t y = jahr - (monat <= 2);
    const std::int64_t era = Abgerundet(y, 400), yoe = y - era * 400;
    const std::int64_t doy = (153 * ((monat + 9) % 12) + 2) / 5 + tag - 1;
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

std::int64_t LokalerTag(std::int64_t t) {
    const std::tm tm = Lokal(t);
    return Tagesnummer(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

long Versatz(std::int64_t t) {
    return Lokal(t).tm_gmtoff;
}

std::int64_t Umstellung(std::int64_t a, std::int64_t b) {
    const long va = Versatz(a);
    while (b - a > 1) {
        const std::int64_t m = a + (b - a) / 2;
        (Versatz(m) == va ? a : b) = m;
    }
    return a;
}

std::optional<std::int64_t> TagesAnfang(std::int64_t n) {
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

std::int64_t ErsterAugenblick(int jahr, int monat, int tag) {
    const auto a = TagesAnfang(Tagesnummer(jahr, monat, tag));
    if (!a) throw std::logic_error("day does not exist in this zone");
    return *a;
}

std::string Schluessel(std::int64_t n) {
    const Datum d = AusTagesnummer(n);
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", d.tag, d.monat, d.jahr);
    return puffer;
}

int Wochentag(std::int64_t n) {
    return static_cast<int>(((n + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
}

const char* const kWochentage[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                    "Donnerstag", "Freitag", "Samstag"};
const char* const kMonate[12] = {"Januar",    "Februar", "M\xE4rz",  "April",
                                 "Mai",       "Juni",    "Juli",     "August",
                                 "September", "Oktober", "November", "Dezember"};

}  // namespace orakel
