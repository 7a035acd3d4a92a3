#pragma once
// What the note store should hold and report, worked out without the core:
// its own calendar arithmetic, its own case mapping and its own report
// builders, so that a fault in the core does not hide behind the same fault
// in the check. Only the zone's local time comes from the C runtime.

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "datum.h"

namespace modell {

struct Kalendertag {
    int jahr, monat, tag;  // monat 1-12
    auto operator<=>(const Kalendertag&) const = default;
};

// A day of 1900-01-01 .. 9999-12-31 that the calendar has.
bool Gueltig(const Kalendertag& t);

// "DD.MM.YYYY".
std::string Schluessel(const Kalendertag& t);

// The local date of an instant; nothing when the runtime cannot break it down.
std::optional<Kalendertag> LokalesDatum(Datumswert wert);

// The first instant whose local date is that day, found by scanning the
// zone; nothing when the zone left the day out. Remembered per zone.
std::optional<Datumswert> ErsterMoment(const Kalendertag& t);

// The Windows-1252 case mapping, one byte at a time.
std::string Klein(std::string_view s);
std::string Gross(std::string_view s);

struct Notiz {
    Datumswert wert;
    std::string text;
};
using Notizen = std::map<Kalendertag, Notiz>;  // in calendar order

std::string Suchbericht(const Notizen& notizen, std::string_view begriff);
std::string Terminbericht(const Notizen& notizen, const Kalendertag& heute);

}  // namespace modell
