// The zones the suite runs in. A misspelt TZ silently becomes UTC, and
// every expectation would then pass for the wrong zone, so nothing runs
// until the zone asked for is confirmed in force.

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "orakel.h"

namespace {

constexpr std::int64_t kFehlt = INT64_MIN;  // the zone left the day out

// Offsets on 2015-01-15 and 2015-07-15, 12:00 UTC, and the first instant
// of the zone's hardest day, as zdump shows them for tzdata 2025.
struct Zone {
    const char* name;
    long januar, juli;
    orakel::Datum tag;
    std::int64_t anfang;
};
const Zone kZonen[] = {
    {"UTC", 0, 0, {9999, 12, 31}, 253402214400},
    {"Europe/Berlin", 3600, 7200, {1916, 10, 1}, -1680487200},  // 00:00 twice
    {"America/New_York", -18000, -14400, {1970, 1, 1}, 18000},
    {"Asia/Tokyo", 32400, 32400, {1970, 1, 1}, -32400},
    {"Atlantic/Azores", -3600, 0, {1982, 3, 28}, 386125200},           // 00:00 skipped
    {"America/Sao_Paulo", -7200, -10800, {2017, 10, 15}, 1508036400},  // 01:00
    {"Pacific/Apia", 50400, 46800, {2011, 12, 30}, kFehlt},
    {"Australia/Lord_Howe", 39600, 37800, {1981, 3, 1}, 352216800},  // 00:30
    // a minute, then the 24th again
    {"America/St_Johns", -12600, -9000, {1987, 10, 25}, 562127400},
    {"Pacific/Kiritimati", 50400, 50400, {1994, 12, 31}, kFehlt},
};

const char* Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert && *wert ? wert : nullptr;
}

// The zone this run was started for (DORVANE_ZONE), if it is one of ours.
const Zone* AktuelleZone() {
    const char* gewuenscht = Umgebung("DORVANE_ZONE");
    for (const Zone& z : kZonen)
        if (gewuenscht && std::string(z.name) == gewuenscht) return &z;
    return nullptr;
}

// Empty when the zone asked for is in force, else what is wrong.
std::string ZoneFehlt() {
    const char* gewuenscht = Umgebung("DORVANE_ZONE");
    if (!gewuenscht) return {};  // run by hand: whatever zone the system has
    const char* tz = Umgebung("TZ");
    if (!tz || std::string(tz) != gewuenscht)
        return std::string("TZ is '") + (tz ? tz : "") + "', not '" + gewuenscht + "'";
    const Zone* zone = AktuelleZone();
    if (!zone) return std::string("no known offsets for zone '") + gewuenscht + "'";
    const char* tzdir = Umgebung("TZDIR");
    const auto datei = std::filesystem::path(tzdir ? tzdir : "/usr/share/zoneinfo") / gewuenscht;
    if (!std::filesystem::is_regular_file(datei))
        return "zone file " + datei.string() + " is missing (tzdata installed?)";
    const long januar = orakel::Versatz(1421323200), juli = orakel::Versatz(1436961600);
    if (januar != zone->januar || juli != zone->juli)
        return std::string("zone '") + gewuenscht + "' is not in force: offsets " +
               std::to_string(januar) + "/" + std::to_string(juli) + " s";
    return {};
}

// The oracle meets the zone data on the zone's hardest day, so the walks
// that compare the core with it prove what they claim.
TEST(Zone, DasOrakelKenntDenSchwierigstenTag) {
    const Zone* zone = AktuelleZone();
    if (!zone) GTEST_SKIP() << "not started for one of the test zones";
    EXPECT_EQ(orakel::TagesAnfang(zone->tag).value_or(kFehlt), zone->anfang)
        << orakel::Schluessel(zone->tag);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tzset();
    if (const std::string fehler = ZoneFehlt(); !fehler.empty()) {
        std::fprintf(stderr, "dorvane-core-tests: %s\n", fehler.c_str());
        return 1;
    }
    const char* tz = std::getenv("TZ");
    std::printf("Time zone: %s\n", tz ? tz : "(system setting)");
    return RUN_ALL_TESTS();
}
