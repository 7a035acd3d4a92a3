#pragma once
// Date values, date keys, day fields and the German day and month names.
//
// A date value counts seconds since 1970-01-01 00:00:00 UTC. A calendar day
// is the first instant of that local day: its 00:00:00, or the first moment
// after a midnight the zone skips. The zone is the C runtime's: the TZ
// environment variable, or the system's setting without it. Conversions are
// pure functions of their arguments and the zone; nothing carries over from
// one call to the next.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using Datumswert = std::int64_t;

// A day as the calendar hands it to the store: the picked day, with the
// time of day where "now" needs one.
struct TagesFelder {
    std::uint16_t jahr = 0;
    std::uint16_t monat = 0;  // 1-12
    std::uint16_t tag = 0;    // 1-31
    std::uint16_t stunde = 0;
    std::uint16_t minute = 0;
    std::uint16_t sekunde = 0;
};

namespace datum {

inline constexpr int kErstesJahr = 1900;
inline constexpr int kLetztesJahr = 9999;

// The local moment named by the fields: for 00:00:00 the day's date value;
// a time of day inside a gap of the zone gives the first moment after it.
// Raises CFalscherParameter for fields that name no real day or time, for
// days outside 1900-01-01 .. 9999-12-31 and for days the zone left out.
Datumswert AusFeldern(const TagesFelder& felder);

// Local-time breakdown of a date value, as localtime gives it.
struct Zerlegt {
    int jahr;       // full year, e.g. 2026
    int monat;      // 0-11
    int tag;        // 1-31
    int wochentag;  // 0 = Sonntag .. 6 = Samstag
    int stunde, minute, sekunde;
};
std::optional<Zerlegt> Zerlegen(Datumswert wert);

// strftime of the local breakdown into 128 bytes; empty when the breakdown
// fails or the text does not fit.
std::string Format(Datumswert wert, const char* format);

// "%d.%m.%Y", e.g. 06.12.2026: the key of the note store's maps.
std::string Schluessel(Datumswert wert);

// Day of month and full year; 0 when the breakdown fails.
int TagDesMonats(Datumswert wert);
int Jahr(Datumswert wert);

// Whole calendar days from the local date of `von` to that of `bis`;
// nothing when either breakdown fails.
std::optional<std::int64_t> Kalendertage(Datumswert von, Datumswert bis);

// German names by weekday index (0 = Sonntag) and month index (0 = Januar),
// as Windows-1252 bytes; empty for an index out of range.
std::string_view WochentagName(int index) noexcept;
std::string_view MonatName(int index) noexcept;

}  // namespace datum
