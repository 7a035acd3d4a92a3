#pragma once
// One fuzz run: a note store driven by a scenario's lines and checked after
// each: both maps hold the same keys, each with a text and the first instant
// of its day; a day is taken exactly when the zone has it in 1900..9999 (and
// one refused changes nothing); both reports are the oracle's, made from the
// notes held, and change nothing.

#include <stdexcept>
#include <string_view>

#include "maskierung.h"
#include "notizbuch.h"
#include "speichereditor.h"
#include "szenario.h"

namespace fuzz {

// A rule the store broke; the text says which, at which line.
class Verstoss : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Lauf {
public:
    Lauf();  // as the window starts: "now" 06.12.2026 14:30:00, that day current
    // Raises Verstoss at the first rule broken; a line the driver cannot
    // read ends the run (szenario::Lesefehler).
    void Ausfuehren(std::string_view zeile);
    CNotizBuch& Buch() { return m_buch; }  // for tests that break it on purpose

private:
    CSpeicherEditor m_editor;
    CNotizBuch m_buch;
    int m_zeile = 0;
};

}  // namespace fuzz
