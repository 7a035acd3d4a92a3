#pragma once
// What the tests expect of dates, worked out from nothing but the C
// library's localtime_r (deterministic, unlike mktime) and plain calendar
// arithmetic. Deliberately shares no code with the core.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace orakel {

// Proleptic Gregorian day number, 0 = 1970-01-01.
std::int64_t Tagesnummer(int jahr, int monat, int tag);

struct Datum {
    int jahr, monat, tag;  // monat 1-12
};
Datum AusTagesnummer(std::int64_t n);

bool GibtEs(int jahr, int monat, int tag);  // a real Gregorian date?

std::optional<std::tm> Lokal(std::int64_t t);
// Day number of the local date at t.
std::optional<std::int64_t> LokalerTag(std::int64_t t);
long Versatz(std::int64_t t);  // tm_gmtoff at t

// How a local day begins.
struct Anfang {
    std::int64_t wert;         // first instant whose local date is the day
    bool mitternachtFehlt;     // 00:00:00 of the day never shows on the clock
    bool mitternachtDoppelt;   // 00:00:00 of the day shows twice
};

// Nothing when no instant has that local date (a day the zone left out).
std::optional<Anfang> TagesAnfang(std::int64_t tagesnummer);
std::optional<Anfang> TagesAnfang(int jahr, int monat, int tag);

// "dd.mm.yyyy" of a day number, as the store keys it.
std::string Schluessel(std::int64_t tagesnummer);

// 0 = Sonntag.
int Wochentag(std::int64_t tagesnummer);

// The German names as Windows-1252 bytes, typed out independently.
extern const char* const kWochentage[7];
extern const char* const kMonate[12];

}  // namespace orakel
