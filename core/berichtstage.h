#pragma once
// What both reports share: the days they list and how a day is named.

#include <string>
#include <vector>

#include "datum.h"
#include "schluesselmap.h"
#include "text1252.h"

// The days whose note contains the pattern in any case, earliest first.
// Sorted by date value, not by key: a key's text order is not the
// calendar's. Keys without a date value are left out.
std::vector<Datumswert> TageMitMuster(const CSchluesselMap<std::string>& notizen,
                                      const CSchluesselMap<Datumswert>& daten,
                                      const text1252::KleinSucher& muster);

// A day as the reports' lines name it; zeros and empty names when the local
// breakdown fails.
struct Tageskopf {
    int tag = 0;        // of the month
    std::string monat;  // the name's first three letters
    int jahr = 0;
    std::string wochentag;  // the name's first four letters
};
Tageskopf KopfVon(Datumswert tag);
