#pragma once
// What the store tests share: an editor that only remembers its text, and
// days by their fields.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "datum.h"
#include "notizbuch.h"
#include "notizeditor.h"
#include "orakel.h"

class TestEditor : public CNotizEditor {
public:
    std::string text;
    int gesetzt = 0;  // how often the store replaced the text

    std::string TextLesen() const override { return text; }
    void TextSetzen(const std::string& neu) override {
        text = neu;
        ++gesetzt;
    }
};

inline TagesFelder Tag(int jahr, int monat, int tag) {
    TagesFelder f;
    f.jahr = static_cast<std::uint16_t>(jahr);
    f.monat = static_cast<std::uint16_t>(monat);
    f.tag = static_cast<std::uint16_t>(tag);
    return f;
}

// The first instant of a day, reckoned without the core.
inline Datumswert Anfang(int jahr, int monat, int tag) {
    auto a = orakel::TagesAnfang(jahr, monat, tag);
    if (!a) throw std::logic_error("day does not exist in this zone");
    return a->wert;
}

// A store attached to an editor, showing the given day, as the window sets
// it up at start-up.
struct Tagebuch {
    TestEditor editor;
    CNotizBuch buch;

    Tagebuch(int jahr, int monat, int tag) {
        buch.m_pEditor = &editor;
        buch.m_timeAktuell = Anfang(jahr, monat, tag);
    }
    Tagebuch(const Tagebuch&) = delete;

    // Picks the day, types the note and picks the day again, which files it.
    void Eintragen(int jahr, int monat, int tag, const std::string& notiz) {
        buch.DatumWechseln(Tag(jahr, monat, tag));
        editor.text = notiz;
        buch.DatumWechseln(Tag(jahr, monat, tag));
    }

    // Types a note for the current day and moves on to the given one.
    void Schreiben(const std::string& notiz, int jahr, int monat, int tag) {
        editor.text = notiz;
        buch.DatumWechseln(Tag(jahr, monat, tag));
    }
};
