#pragma once
// Generated note stores for the benchmarks: one note a day from 1 January
// 2026, about 400 bytes of German-like Windows-1252 text in CR LF lines,
// every seventh note with one or two "[TERMIN]" lines. The same seed always
// gives the same bytes, whatever the standard library.

#include <string>
#include <vector>

#include "datum.h"

namespace korpus {

// In about 1 % of the notes, and in about half of them.
inline constexpr const char* kSelten = "Schornsteinfeger";
inline constexpr const char* kHaeufig = "Einkauf";

struct Notiz {
    TagesFelder tag;
    std::string text;
};

// The first `anzahl` notes; a shorter store is the start of a longer one.
std::vector<Notiz> Erzeugen(int anzahl);

}  // namespace korpus
