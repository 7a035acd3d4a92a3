#pragma once
// The one place where text crosses between Qt and the diary core.
// The core holds Windows-1252 bytes with "\r\n" line ends; Qt widgets hold
// QString with "\n". The conversion uses Qt's own Windows-1252 codec.

#include <QString>
#include <string>
#include <string_view>

namespace textwandlung {

// QString -> Windows-1252 bytes. Every line end (CR LF, lone CR, lone LF,
// U+2028, U+2029) becomes "\r\n". Characters Windows-1252 cannot hold must
// have been refused before (see NichtDarstellbar); should one slip through,
// it throws std::invalid_argument rather than store a changed text.
std::string NachKern(const QString& text);

// Windows-1252 bytes -> QString; "\r\n" becomes "\n". A text of more
// than `zeilenJeAbsatz` lines (if not 0) comes in groups of lines, as
// InAbsaetze makes them, in the same pass.
QString VonKern(std::string_view bytes, qsizetype zeilenJeAbsatz = 0);

// Qt's document costs microseconds per paragraph, seconds for a report of
// megabytes with a paragraph per line. A text of more than
// `zeilenJeAbsatz` lines is therefore set as paragraphs of that many lines,
// joined within by line separators (U+2028), which Qt's text box shows, and
// hands back (toPlainText, copy, NachKern), as line ends. CR LF and a lone
// CR end a line first, as Qt takes them.
void InAbsaetze(QString& text, qsizetype zeilenJeAbsatz);

// The characters of `text` that Windows-1252 cannot hold, each once, in
// order of appearance; empty when all can be held. Line ends count as
// holdable, NUL does not (the reports would end a note there). The five
// bytes Windows-1252 leaves undefined map to U+0081, U+008D, U+008F, U+0090
// and U+009D and back, so every byte string survives a round trip.
QString NichtDarstellbar(const QString& text);

}  // namespace textwandlung
