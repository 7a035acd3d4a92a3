#include "datum.h"

#include <algorithm>
#include <ctime>

#include "fehler.h"

namespace datum {
namespace {

constexpr std::int64_t kTag = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr std::int64_t TageSeitEpoche(std::int64_t j, int m, int t) {
    j -= m <= 2;
    const std::int64_t era = (j >= 0 ? j : j - 399) / 400;
    const std::int64_t jde = j - era * 400;
    const std::int64_t tdj = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t - 1;
    const std::int64_t tde = jde * 365 + jde / 4 - jde / 100 + tdj;
    return era * 146097 + tde - 719468;
}

constexpr bool Schaltjahr(int j) {
    return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

constexpr int TageImMonat(int j, int m) {
    constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Schaltjahr(j) ? 29 : kTage[m - 1];
}

std::optional<std::tm> Lokal(Datumswert wert) {
    // The zone is read once, as localtime does; a program that changes TZ
    // later calls tzset itself. Reading it on every call would cost a stat
    // of /etc/localtime each time.
    static const bool zoneGelesen = (tzset(), true);
    (void)zoneGelesen;
    const std::time_t t = static_cast<std::time_t>(wert);
    std::tm tm{};
    if (localtime_r(&t, &tm) == nullptr) return std::nullopt;
    return tm;
}

// Offset of local time from UTC at that instant, in seconds.
std::int64_t Versatz(Datumswert wert) {
    const auto tm = Lokal(wert);
    if (!tm) throw CFalscherParameter();
    return tm->tm_gmtoff;
}

// Zones never lie further than this from UTC (POSIX TZ strings allow
// offsets up to a day and a little).
constexpr std::int64_t kMaxVersatz = 26 * 3600;
// Two offset changes returning to the same offset never lie this close,
// so sampling at this step finds every change.
constexpr std::int64_t kSchritt = 3 * 3600;

// First instant at which the offset differs from the one at `von`, given
// that it differs at `bis`.
Datumswert Wechsel(Datumswert von, Datumswert bis, std::int64_t versatz) {
    while (bis - von > 1) {
        const Datumswert mitte = von + (bis - von) / 2;
        if (Versatz(mitte) == versatz)
            von = mitte;
        else
            bis = mitte;
    }
    return bis;
}

}  // namespace

// Walks the instants that can show a local time within the day, one span
// of constant offset after the other, and takes the first instant whose
// local time lies in [lokal, end of day). localtime is a pure function of
// the instant and the zone, unlike mktime, which keeps a guess between calls.
Datumswert AusFeldern(const TagesFelder& f) {
    if (f.jahr < kErstesJahr || f.jahr > kLetztesJahr || f.monat < 1 || f.monat > 12 || f.tag < 1 ||
        f.tag > TageImMonat(f.jahr, f.monat) || f.stunde > 23 || f.minute > 59 || f.sekunde > 59)
        throw CFalscherParameter();

    const std::int64_t mitternacht = TageSeitEpoche(f.jahr, f.monat, f.tag) * kTag;
    const std::int64_t lokal = mitternacht + f.stunde * 3600 + f.minute * 60 + f.sekunde;
    const std::int64_t tagesende = mitternacht + kTag;

    Datumswert t = lokal - kMaxVersatz;
    std::int64_t versatz = Versatz(t);
    while (t < tagesende + kMaxVersatz) {
        Datumswert ende = t + kSchritt;
        if (Versatz(ende) != versatz) ende = Wechsel(t, ende, versatz);
        // In [t, ende) local time is instant + versatz and rises steadily.
        const std::int64_t von = std::max(t + versatz, lokal);
        const std::int64_t bis = std::min(ende + versatz, tagesende);
        if (von < bis) return von - versatz;
        t = ende;
        versatz = Versatz(t);
    }
    throw CFalscherParameter();  // the zone left this day out
}

std::optional<Zerlegt> Zerlegen(Datumswert wert) {
    const auto tm = Lokal(wert);
    if (!tm) return std::nullopt;
    return Zerlegt{tm->tm_year + 1900, tm->tm_mon, tm->tm_mday, tm->tm_wday,
                   tm->tm_hour,        tm->tm_min, tm->tm_sec};
}

std::string Format(Datumswert wert, const char* format) {
    const auto tm = Lokal(wert);
    if (!tm) return {};
    char puffer[128];
    const std::size_t n = std::strftime(puffer, sizeof puffer, format, &*tm);
    return std::string(puffer, n);
}

std::string Schluessel(Datumswert wert) {
    return Format(wert, "%d.%m.%Y");
}

int TagDesMonats(Datumswert wert) {
    const auto z = Zerlegen(wert);
    return z ? z->tag : 0;
}

int Jahr(Datumswert wert) {
    const auto z = Zerlegen(wert);
    return z ? z->jahr : 0;
}

std::optional<std::int64_t> Kalendertage(Datumswert von, Datumswert bis) {
    const auto a = Zerlegen(von);
    const auto b = Zerlegen(bis);
    if (!a || !b) return std::nullopt;
    return TageSeitEpoche(b->jahr, b->monat + 1, b->tag) -
           TageSeitEpoche(a->jahr, a->monat + 1, a->tag);
}

std::string_view WochentagName(int index) noexcept {
    static constexpr std::string_view kNamen[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                  "Donnerstag", "Freitag", "Samstag"};
    return index >= 0 && index < 7 ? kNamen[index] : std::string_view();
}

std::string_view MonatName(int index) noexcept {
    static constexpr std::string_view kNamen[] = {"Januar",    "Februar", "M\xE4rz",  "April",
                                                  "Mai",       "Juni",    "Juli",     "August",
                                                  "September", "Oktober", "November", "Dezember"};
    return index >= 0 && index < 12 ? kNamen[index] : std::string_view();
}

}  // namespace datum
