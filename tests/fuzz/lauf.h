#pragma once
// One fuzz run: a note store with an in-memory editor, driven step by step
// beside the oracle's account of what it must hold. After every step both
// maps hold exactly the oracle's notes under the first instant of their
// day, the editor, m_timeAktuell and m_timeHeute are the oracle's, a day
// pick has raised exactly for fields that name no day the zone has in
// 1900..9999, and any report was the oracle's, byte for byte, and left the
// store as it was.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "notizbuch.h"
#include "orakel.h"
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
    NotizLeer,     // the note dialog came back empty
    Heute,         // DAY TIME: the appointment report's "now"
    Start,         // DAY: start-up on that day
    LoeschenWert,  // INT64: NotizLoeschen of any value
};
inline constexpr int kArten = 9;

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
    // The window at start-up: "now" 06.12.2026 14:30:00, that day current.
    static constexpr TagesFelder kHeute{2026, 12, 6, 14, 30, 0}, kStart{2026, 12, 6};

    Lauf();
    void Ausfuehren(const Befehl& befehl);  // raises Verstoss at the first rule broken
    CNotizBuch& Buch() { return m_buch; }   // for tests that break it on purpose

private:
    void Waehlen(const TagesFelder& felder);
    void HeuteSetzen(const TagesFelder& felder);
    std::optional<Datumswert> Umrechnen(const TagesFelder& felder);
    void Bericht(const char* was, std::string (CNotizBuch::*bericht)(), const std::string& soll);
    void Pruefen();

    CSpeicherEditor m_editor;
    CNotizBuch m_buch;
    orakel::Notizen m_notizen;
    orakel::Datum m_aktuell{0, 0, 0};
    Datumswert m_heute = 0;
    std::string m_editorText;
};

}  // namespace fuzz
