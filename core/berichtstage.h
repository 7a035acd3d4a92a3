#pragma once
// The days both reports list: those whose note contains a pattern, in any
// case, earliest first.

#include <string>
#include <unordered_map>
#include <vector>

#include "datum.h"
#include "text1252.h"

// Sorted by date value, not by key: a key's text order is not the
// calendar's. Keys without a date value are left out.
std::vector<Datumswert> TageMitMuster(
    const std::unordered_map<std::string, std::string>& notizen,
    const std::unordered_map<std::string, Datumswert>& daten,
    const text1252::KleinSucher& muster);
