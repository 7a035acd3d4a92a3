#pragma once
// One fuzz run: a note store with an in-memory editor, driven by the lines
// of a scenario (read by the scenario driver's own line reader) and
// checked after each against the store's rules and the oracle: both maps
// hold the same keys, each with a non-empty text and the first instant of
// that key's day; a day is accepted exactly when the zone has it within
// 1900..9999, and a day refused changes nothing; both reports are the
// oracle's, made from the notes the store holds, byte for byte, and change
// nothing.

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
