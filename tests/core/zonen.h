#pragma once
// The zones the core's tests run in, what is known of each from the zone
// data, and the check that the zone asked for is the one in force.

#include <optional>
#include <string>
#include <vector>

namespace zonen {

// A day whose first instant the zone data fixes (nothing: the day does not
// exist there).
struct Merkpunkt {
    int jahr, monat, tag;
    std::optional<long long> wert;
};

struct Zone {
    const char* name;
    long versatzJanuar;  // UTC offsets on 2015-01-15 and 2015-07-15, 12:00 UTC
    long versatzJuli;
    // What a walk over every day of 1900..2100 meets: days left out, and
    // whether any midnight is skipped or shows twice.
    int fehlendeTage;
    bool uebersprungeneMitternacht;
    bool doppelteMitternacht;
    std::vector<Merkpunkt> merkpunkte;
};

const std::vector<Zone>& Alle();

// The zone this run was started for (DORVANE_ZONE), if it is one of ours.
const Zone* Aktuelle();

// Empty when the zone asked for is in force, else what is wrong.
std::string Pruefen();

}  // namespace zonen
