#pragma once
// One fuzz run: a note store with an in-memory editor, driven step by step,
// beside a model of what it must hold. After every step:
//   - both maps hold the same keys, each with a non-empty text: exactly the
//     model's notes, each date value the first instant of its key's day;
//   - the editor shows the model's text (after a change of day: the new
//     day's note); m_timeAktuell and m_timeHeute are the model's;
//   - a day pick that raises changes nothing, and it raises exactly for
//     fields that name no day of 1900..9999 or a day the zone left out;
//   - the search report is the model's byte for byte and leaves the term
//     lower-cased; so is the appointment report, whose model lists only
//     marked days 0..100 days after the local date of "now";
//   - no report changes the store.

#include <cstdint>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "modell.h"
#include "notizbuch.h"
#include "speichereditor.h"

namespace fuzz {

// The input is a stream of steps packed as bytes, so that random mutations
// mostly still read as steps. A step's first byte modulo 16 picks its kind
// (day picks and editor texts come up most often):
//   0-4 Tag DAY   5-7 Editor TEXT   8 Anhaengen TEXT (appended to the editor)
//   9 Finden TEXT   10 FindenAus I O L M   11-12 Termine   13 Loeschen DAY
//   14 NotizLeer (the note dialog came back empty)
//   15 and a byte modulo 3: Heute DAY H M S | Start DAY | LoeschenWert INT64
// DAY is k b with k < 0xE0: a year from a short list (so days come up again)
// and month and day from the other 12 bits, which yields 30 and 31 February;
// 0xE0 <= k < 0xF0: b picks an edge day; k >= 0xF0: a big-endian 16-bit year
// and bytes for month and day (each modulo 100): any year, month 13, day 0.
// TEXT is a length byte (0xFF: a big-endian 16-bit length follows) and that
// many bytes. H M S are taken modulo 100; INT64 is big-endian. FindenAus
// searches note I (modulo their number, by date) from byte O, L bytes long,
// upper-cased for odd M. An input that ends inside a step ends the run.
enum class Art : std::uint8_t {
    Tag,
    Editor,
    Anhaengen,
    Finden,
    FindenAus,
    Termine,
    Loeschen,
    NotizLeer,
    Heute,
    Start,
    LoeschenWert,
};

struct Befehl {
    Art art = Art::Termine;
    TagesFelder felder;     // Tag, Loeschen, Start; Heute with its time
    std::string text;       // Editor, Anhaengen, Finden
    std::int64_t wert = 0;  // LoeschenWert
    std::uint8_t notiz = 0, ab = 0, laenge = 0, gross = 0;  // FindenAus
};

std::vector<Befehl> Lesen(const std::uint8_t* daten, std::size_t groesse);

// The bytes that Lesen reads as this step (Tag, Loeschen, Start, Heute,
// Editor, Finden, Termine: what scenarios hold).
std::string Schreiben(const Befehl& befehl);

// A rule the store broke; the text says which, at which step.
class Verstoss : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Lauf {
public:
    // The window at start-up: "now" 06.12.2026 14:30:00, that day current,
    // the editor empty.
    static constexpr TagesFelder kHeute{2026, 12, 6, 14, 30, 0}, kStart{2026, 12, 6};

    Lauf();
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

    // FindenAus as Finden with its term, Anhaengen as Editor with the text.
    Befehl Aufloesen(const Befehl& befehl) const;

    // Raises Verstoss at the first rule broken.
    void Ausfuehren(const Befehl& befehl);

    const modell::Kalendertag& Aktuell() const { return m_aktuell; }
    // For tests that break the store on purpose.
    CNotizBuch& Buch() { return m_buch; }

private:
    struct Stand;
    Stand Festhalten() const;

    void Waehlen(const TagesFelder& felder);
    void Starten(const TagesFelder& felder);
    void HeuteSetzen(const TagesFelder& felder);
    void Bericht(const std::string& was, const std::string& ist, const std::string& soll);
    // The core's value for the day: nothing when it raised, which it must do
    // exactly when the model knows no such day.
    std::optional<Datumswert> Umrechnen(const TagesFelder& felder);
    void Pruefen();
    template <class... Teile>
    [[noreturn]] void Fehler(const Teile&... teile) const {
        std::ostringstream was;
        was << "step " << m_schritt << ": ";
        (was << ... << teile);
        throw Verstoss(was.str());
    }

    CSpeicherEditor m_editor;
    CNotizBuch m_buch;
    int m_schritt = 0;

    modell::Notizen m_notizen;
    modell::Kalendertag m_aktuell{0, 0, 0};
    Datumswert m_aktuellWert = 0;
    Datumswert m_heute = 0;
    std::string m_editorText;
};

}  // namespace fuzz
