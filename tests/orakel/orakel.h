#pragma once
// What the tests expect of the diary, worked out without the program's code:
// calendar arithmetic, local time from localtime_r alone, names and case
// table typed from the charts, reports from plain loops, so that a fault in
// the program cannot hide behind the same fault here.

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orakel {

struct Datum {
    int jahr, monat, tag;  // monat 1-12
    auto operator<=>(const Datum&) const = default;
};

// Proleptic Gregorian day number, 0 = 1970-01-01.
std::int64_t Tagesnummer(const Datum& d);
Datum AusTagesnummer(std::int64_t n);
int Wochentag(std::int64_t n);  // 0 = Sonntag
// A day the calendar has, within 1900..9999.
bool Gueltig(const Datum& d);
std::string Schluessel(const Datum& d);  // "dd.mm.yyyy"

// Sets TZ while it lives, with tzset(), as the C library reads it only then.
class Zone {
public:
    explicit Zone(const char* name);
    ~Zone();
    Zone(const Zone&) = delete;
    Zone& operator=(const Zone&) = delete;

private:
    std::optional<std::string> m_vorher;
};

long Versatz(std::int64_t t);  // tm_gmtoff
std::optional<Datum> LokalesDatum(std::int64_t t);
// The last second of the offset at `a`, when the offset at `b` differs.
std::int64_t Umstellung(std::int64_t a, std::int64_t b);
// The day's first instant; nothing when the zone left the day out.
std::optional<std::int64_t> TagesAnfang(const Datum& d);

// The German names as Windows-1252 bytes.
extern const char* const kWochentage[7];  // 0 = Sonntag
extern const char* const kMonate[12];

// The Windows-1252 lower case, byte by byte.
unsigned char Klein(unsigned char c);
std::string Klein(std::string_view s);

// A section of the search report, and a line of the appointment report
// `abstand` days after the report's day.
std::string Suchabschnitt(const Datum& tag, std::string_view notiz);
std::string Terminzeile(const Datum& tag, std::int64_t abstand, std::string_view text);

using Notizen = std::map<Datum, std::string>;  // in calendar order
std::string Suchbericht(const Notizen& notizen, std::string_view begriff);
std::string Terminbericht(const Notizen& notizen, const Datum& heute);

// Every printable character of the code page; zeichen[i] is bytes[i].
struct Alphabet {
    std::u16string zeichen;
    std::string bytes;
};
Alphabet Druckbar1252();

// Empty when equal; else where they part, with both texts around it.
std::string Unterschied(std::string_view ist, std::string_view soll);

}  // namespace orakel
