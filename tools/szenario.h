#pragma once
// Runs a scenario: one fresh note store with an in-memory editor, driven
// line by line, so that its behaviour can be pinned down as text.
//
// A line is a command word, then after one blank its argument exactly as it
// stands (escapes \r \n \t \\ \xHH; dates YYYY-MM-DD). Empty lines and
// lines starting with "#" are skipped.
//
//   heute YYYY-MM-DD HH:MM:SS  the appointment report's "now"
//   start YYYY-MM-DD           start-up: that day current, editor empty
//   editor [TEXT]              the editor's whole text
//   tag YYYY-MM-DD             the user picks that day
//   loeschen YYYY-MM-DD        removes that day's note
//   finden TEXT                prints the search report for TEXT
//   termine                    prints the appointment report
//   zeige                      prints the editor's text
//   suchtext                   prints the global dialog text
//   notizen                    prints "key value text" per note, by date
//
// Every printed text is one escaped line. A command that raises the
// invalid-argument error prints "fehler 0x80070057" and the run goes on.

#include <iosfwd>
#include <string>
#include <string_view>

#include "datum.h"

namespace szenario {

// A line taken apart: the command word (empty for a line that is skipped)
// and its argument as fields or as the bytes it spells.
struct Zeile {
    std::string wort;
    TagesFelder felder;  // heute, start, tag, loeschen
    std::string text;    // editor, finden
};

// Raises Lesefehler for a line that cannot be read.
Zeile ZeileLesen(std::string_view zeile);

inline constexpr int kLesefehler = 2;

// Returns 0, or kLesefehler after writing "line N: ..." to `fehler` for the
// first line that cannot be read; the lines before it have run.
int Ausfuehren(std::istream& ein, std::ostream& aus, std::ostream& fehler);

}  // namespace szenario
