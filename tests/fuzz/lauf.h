#pragma once
// One fuzz run: a note store with an in-memory editor, driven step by step
// and checked after each against the store's rules and the oracle: both
// maps hold the same keys, each with a non-empty text and the first instant
// of that key's day; a day is accepted exactly when the zone has it within
// 1900..9999, and a day refused changes nothing; both reports are the
// oracle's, made from the notes the store holds, byte for byte, and change
// nothing.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "notizbuch.h"
#include "speichereditor.h"

namespace fuzz {

// A step is a byte (its kind, modulo kArten), then: DAY a big-endian year,
// a month byte and a day byte; TIME three bytes; TEXT a length byte (0xFF:
// a big-endian 16-bit length follows) and that many bytes; INT64
// big-endian. An input that ends inside a step ends the run.
enum class Art : std::uint8_t {
    Tag,           // DAY, picked by the user
    Editor,        // TEXT: the editor's whole text
    Finden,        // TEXT
    Termine,       //
    Loeschen,      // DAY
    Heute,         // DAY TIME: the appointment report's "now"
    LoeschenWert,  // INT64: NotizLoeschen of any value
};
inline constexpr int kArten = 7;

struct Befehl {
    Befehl(Art a = Art::Termine, TagesFelder f = {}, std::string t = {}, std::int64_t w = 0)
        : art(a), felder(f), text(std::move(t)), wert(w) {}
    Art art;
    TagesFelder felder;
    std::string text;
    std::int64_t wert;
};

std::vector<Befehl> Lesen(const std::uint8_t* daten, std::size_t groesse);
std::string Schreiben(const Befehl& befehl);  // the bytes Lesen reads as it

// A rule the store broke; the text says which, at which step.
class Verstoss : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Lauf {
public:
    Lauf();  // as the window starts: "now" 06.12.2026 14:30:00, that day current
    void Ausfuehren(const Befehl& befehl);  // raises Verstoss at the first rule broken
    CNotizBuch& Buch() { return m_buch; }   // for tests that break it on purpose

private:
    CSpeicherEditor m_editor;
    CNotizBuch m_buch;
    int m_schritt = 0;
};

}  // namespace fuzz
