#pragma once
// What the tests expect of dates, worked out from nothing but the C
// library's localtime_r (deterministic, unlike mktime) and plain calendar
// arithmetic: deliberately no code of the core.

#include <cstdint>
#include <optional>
#include <string>

namespace orakel {

// Proleptic Gregorian day number, 0 = 1970-01-01.
std::int64_t Tagesnummer(int jahr, int monat, int tag);
struct Datum {
    int jahr, monat, tag;  // monat 1-12
};
Datum AusTagesnummer(std::int64_t n);

std::int64_t LokalerTag(std::int64_t t);  // day number of the local date
long Versatz(std::int64_t t);             // tm_gmtoff
// The last second of the offset at `a`, when the offset at `b` differs.
std::int64_t Umstellung(std::int64_t a, std::int64_t b);

// The first instant whose local date is the day; nothing when the zone
// left the day out.
std::optional<std::int64_t> TagesAnfang(std::int64_t tagesnummer);
std::int64_t ErsterAugenblick(int jahr, int monat, int tag);  // of a day that exists

std::string Schluessel(std::int64_t tagesnummer);  // "dd.mm.yyyy"
int Wochentag(std::int64_t tagesnummer);           // 0 = Sonntag

// The German names as Windows-1252 bytes, typed out independently.
extern const char* const kWochentage[7];
extern const char* const kMonate[12];

}  // namespace orakel
