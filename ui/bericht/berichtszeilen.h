#pragma once
// The lines of a report as the report box shows them: the core's bytes,
// kept as they came, and where each line starts. Only what is asked for is
// decoded, so a report of megabytes costs one pass over its bytes before
// it is shown. Positions count characters as the box does: a line end (CR
// LF, a lone CR or LF) is one character.

#include <QString>
#include <QTextBoundaryFinder>
#include <string>
#include <utility>
#include <vector>

class Berichtszeilen {
public:
    Berichtszeilen() = default;
    explicit Berichtszeilen(std::string bytes);

    qsizetype Zeilen() const { return qsizetype(m_byte.size()); }  // at least one
    qsizetype Zeichen() const { return m_zeichen; }                // line ends included
    qsizetype Anfang(qsizetype zeile) const {
        return qsizetype(m_byte[std::size_t(zeile)]) - Paare(zeile);
    }
    qsizetype Laenge(qsizetype zeile) const;  // without its line end
    qsizetype ZeileBei(qsizetype pos) const;  // the line `pos` is in or ends

    QString Zeile(qsizetype zeile) const;
    // The word (or sentence) at `pos`, a run of blanks or signs included,
    // as a double click or a screen reader takes it; never past its line.
    std::pair<qsizetype, qsizetype> Einheit(qsizetype pos,
                                            QTextBoundaryFinder::BoundaryType art) const;
    QString Text(qsizetype von, qsizetype bis) const;  // line ends as "\n"

    // As the core holds it: every line end "\r\n".
    std::string KernText() const;
    // The same, the bytes moved out where they need no change; the lines
    // are empty afterwards.
    std::string KernTextHergeben();
    bool HatNullzeichen() const;

private:
    // CR LF pairs before the line, each one byte more than it shows.
    qsizetype Paare(qsizetype zeile) const {
        return m_paare.empty() ? zeile : m_paare[std::size_t(zeile)];
    }
    std::size_t Byte(qsizetype pos) const;

    std::string m_bytes;
    // Where each line starts: one number a line, since a report has lines
    // by the hundred thousand and every one of them is held while it is open.
    std::vector<std::size_t> m_byte{0};
    std::vector<qsizetype> m_paare;  // only once a line ends other than in CR LF
    qsizetype m_zeichen = 0;
};
