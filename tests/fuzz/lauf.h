#pragma once
// One run of the fuzzer: a note store with an in-memory editor, driven step
// by step, beside a model of what it must hold. After every step the store
// is compared with the model:
//   - both maps hold the same keys, each with a non-empty text, and exactly
//     the model's notes; each date value is the first instant of its key's
//     day (checked when the note is filed; values never change afterwards);
//   - the editor shows the model's text (after a change of day: the new
//     day's note), m_timeAktuell and m_timeHeute are the model's;
//   - a day pick that raises changes nothing, and it raises exactly for
//     fields that name no day of 1900..9999 or a day the zone left out;
//   - the search report is the model's, byte for byte, and leaves the term
//     lower-cased; every appointment line names a marked day 0..100 days
//     after the local date of "now", and the report is the model's;
//   - no report changes the store.

#include <optional>
#include <stdexcept>
#include <string>

#include "befehle.h"
#include "modell.h"
#include "notizbuch.h"
#include "speichereditor.h"

namespace fuzz {

// A rule the store broke; the text says which, at which step.
class Verstoss : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Lauf {
public:
    // The window at start-up: "now" 06.12.2026 14:30:00, that day current,
    // the editor empty.
    static constexpr TagesFelder kHeute{2026, 12, 6, 14, 30, 0};
    static constexpr TagesFelder kStart{2026, 12, 6};

    Lauf();
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

    // The step in plain store operations: "finden aus" becomes "finden" with
    // its term, "anhaengen" becomes "editor" with the whole text.
    Befehl Aufloesen(const Befehl& befehl) const;

    // Runs one step and checks every rule; raises Verstoss at the first one
    // broken.
    void Ausfuehren(const Befehl& befehl);

    const modell::Kalendertag& Aktuell() const { return m_aktuell; }
    // For tests that break the store on purpose.
    CNotizBuch& Buch() { return m_buch; }

private:
    struct Stand;
    Stand Festhalten() const;

    void Waehlen(const TagesFelder& felder);
    void Loeschen(const TagesFelder& felder);
    void Starten(const TagesFelder& felder);
    void HeuteSetzen(const TagesFelder& felder);
    void LoeschenWert(Datumswert wert);
    void Finden(const std::string& begriff);
    void Termine();

    // The core's value for the day, checked against the model's: nothing
    // when the core raised, which it must do exactly for missing days.
    std::optional<Datumswert> Umrechnen(const TagesFelder& felder);
    std::optional<Datumswert> ErwarteterWert(const TagesFelder& felder) const;
    void Pruefen();
    [[noreturn]] void Fehler(const std::string& was) const;

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
