#include "zonen.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace zonen {

const std::vector<Zone>& Alle() {
    // Offsets and first instants as zdump shows them for tzdata 2025.
    static const std::vector<Zone> zonen = {
        {"UTC", 0, 0, 0, false, false,
         {{1970, 1, 1, 0LL}, {1900, 1, 1, -2208988800LL}, {9999, 12, 31, 253402214400LL}}},
        {"Europe/Berlin", 3600, 7200, 0, false, true,
         {{1970, 1, 1, -3600LL}, {1916, 10, 1, -1680487200LL}}},  // 00:00 twice
        {"America/New_York", -18000, -14400, 0, false, false, {{1970, 1, 1, 18000LL}}},
        {"Asia/Tokyo", 32400, 32400, 0, true, true, {{1970, 1, 1, -32400LL}}},
        {"Atlantic/Azores", -3600, 0, 0, true, true,
         {{1970, 1, 1, 3600LL},
          {1982, 3, 28, 386125200LL},    // 00:00 skipped: 01:00 +00
          {1982, 9, 26, 401846400LL}}},  // 00:00 twice: the first, at +00
        {"America/Sao_Paulo", -7200, -10800, 0, true, true,
         {{1970, 1, 1, 10800LL}, {2017, 10, 15, 1508036400LL}}},  // 01:00 -02
        {"Pacific/Apia", 50400, 46800, 1, true, false,
         {{2011, 12, 29, 1325152800LL}, {2011, 12, 30, std::nullopt}, {2011, 12, 31, 1325239200LL}}},
        {"Australia/Lord_Howe", 39600, 37800, 0, true, false,
         {{1970, 1, 1, -36000LL}, {1981, 3, 1, 352216800LL}}},  // 00:30 +1030
        {"America/St_Johns", -12600, -9000, 0, true, true,
         {{1970, 1, 1, 12600LL},
          {1987, 10, 25, 562127400LL}}},  // one minute of the day, then back to the 24th
        {"Pacific/Kiritimati", 50400, 50400, 1, true, false,
         {{1970, 1, 1, 38400LL}, {1994, 12, 31, std::nullopt}, {1995, 1, 1, 788868000LL}}},
    };
    return zonen;
}

namespace {

const char* Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return (wert && *wert) ? wert : nullptr;
}

long VersatzUm(std::time_t t) {
    std::tm tm{};
    return localtime_r(&t, &tm) ? tm.tm_gmtoff : 99999;
}

}  // namespace

const Zone* Aktuelle() {
    const char* gewuenscht = Umgebung("DORVANE_ZONE");
    if (!gewuenscht) return nullptr;
    for (const Zone& z : Alle())
        if (std::string(z.name) == gewuenscht) return &z;
    return nullptr;
}

std::string Pruefen() {
    const char* gewuenscht = Umgebung("DORVANE_ZONE");
    if (!gewuenscht) return {};  // run by hand: whatever zone the system has
    const char* tz = Umgebung("TZ");
    if (!tz || std::string(tz) != gewuenscht)
        return std::string("TZ is '") + (tz ? tz : "") + "', not the zone asked for, '" +
               gewuenscht + "'";
    const Zone* zone = Aktuelle();
    if (!zone) return std::string("no known offsets for zone '") + gewuenscht + "'";

    const char* tzdir = Umgebung("TZDIR");
    std::filesystem::path datei =
        std::filesystem::path(tzdir ? tzdir : "/usr/share/zoneinfo") / gewuenscht;
    if (!std::filesystem::is_regular_file(datei))
        return "zone file " + datei.string() + " is missing (tzdata installed?)";

    tzset();
    const long januar = VersatzUm(1421323200);  // 2015-01-15 12:00 UTC
    const long juli = VersatzUm(1436961600);    // 2015-07-15 12:00 UTC
    if (januar != zone->versatzJanuar || juli != zone->versatzJuli)
        return std::string("zone '") + gewuenscht + "' is not in force: offsets " +
               std::to_string(januar) + "/" + std::to_string(juli) + " s, expected " +
               std::to_string(zone->versatzJanuar) + "/" + std::to_string(zone->versatzJuli);
    return {};
}

}  // namespace zonen
