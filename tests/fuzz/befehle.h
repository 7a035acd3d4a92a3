#pragma once
// The fuzzer's input: a stream of steps on one note store, packed as bytes so
// that random mutations mostly still read as steps.
//
// Each step starts with one byte; its value modulo 16 picks the kind, so that
// day picks and editor texts come up most often:
//
//   0-4   tag        DAY          the user picks a day
//   5-7   editor     TEXT         the editor's whole text
//   8     anhaengen  TEXT         TEXT appended to the editor's text
//   9     finden     TEXT         search report for the term
//   10    finden aus I O L M      search for part of a stored note (below)
//   11-12 termine                 appointment report
//   13    loeschen   DAY          removes that day's note
//   14    notiz leer              the note dialog comes back empty: the
//                                 current day's note goes, the editor empties
//   15    one more byte modulo 3: heute DAY H M S | start DAY | wert INT64
//
// DAY is two bytes k b with k < 0xE0: year from a short list (most picks hit
// the same few years, so days are picked again often), month and day from
// the remaining 12 bits, which also yields 30 and 31 February. k from 0xE0
// to 0xEF: b picks one of a list of edge days. k >= 0xF0 is followed by a
// big-endian 16-bit year and bytes for month and day (each modulo 100),
// which reaches any year, month 13 and day 0.
// TEXT is a length byte (0xFF: a big-endian 16-bit length follows) and that
// many bytes. H M S are taken modulo 100; INT64 is big-endian.
// "finden aus" takes note I (modulo the number of notes, in date order), from
// byte O on, L bytes long (both clipped to the note), in its case (M even),
// or upper-cased (M odd). An input that ends inside a step ends the run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "datum.h"

namespace fuzz {

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

    bool operator==(const Befehl& b) const;
};

std::vector<Befehl> Lesen(const std::uint8_t* daten, std::size_t groesse);

// The bytes that Lesen reads back as these steps. Texts longer than 65535
// bytes are cut to that length.
std::string Schreiben(const std::vector<Befehl>& befehle);

}  // namespace fuzz
