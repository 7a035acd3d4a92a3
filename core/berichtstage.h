#pragma once
// What both reports share: the days they list and how a day is named.

#include <string>
#include <vector>

#include "datum.h"
#include "schluesselmap.h"
#include "text1252.h"

using Notizen = CSchluesselMap<std::string>;

// A day found by the walk, and the entry of the note it was found in.
struct BerichtsTag {
    Datumswert tag;
    Notizen::const_iterator eintrag;
};

// The days whose note contains the pattern in any case, earliest first.
// Sorted by date value, not by key: a key's text order is not the
// calendar's. Keys without a date value are left out.
std::vector<BerichtsTag> TageMitMuster(const Notizen& notizen,
                                       const CSchluesselMap<Datumswert>& daten,
                                       const text1252::KleinSucher& muster);

// The note under the date key of `tag`, or notizen.end(): the same entry a
// lookup of the key finds, without the lookup when the walk's entry holds
// that key (keys are unique). Spares a hash probe into cold memory per day.
Notizen::const_iterator NotizVon(const Notizen& notizen, const BerichtsTag& tag);

// The texts lie on the heap, each on its own: a walk over them fetches this
// many ahead while it works on one, or it waits on memory most of the time.
inline constexpr std::ptrdiff_t kVoraus = 4;  // notes
// A walk over listed days finds each text's address in the day's entry,
// which lies out in memory too: the entry is fetched this much further
// ahead, or fetching the text waits on it.
inline constexpr std::ptrdiff_t kEintragVoraus = 16;  // days
void Vorholen(const std::string& text) noexcept;

// A day as the reports' lines name it; zeros and empty names when the local
// breakdown fails.
struct Tageskopf {
    int tag = 0;        // of the month
    std::string monat;  // the name's first three letters
    int jahr = 0;
    std::string wochentag;  // the name's first four letters
};
Tageskopf KopfVon(Datumswert tag);
