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

    qsizetype Zeilen() const { return qsizetype(m_anfang.size()); }  // at least one
    qsizetype Zeichen() const { return m_zeichen; }                  // line ends included
    qsizetype Anfang(qsizetype zeile) const { return m_anfang[std::size_t(zeile)].zeichen; }
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
    bool HatNullzeichen() const;

private:
    struct Anfangsstelle {
        std::size_t byte;
        qsizetype zeichen;
    };
    std::size_t Byte(qsizetype pos) const;

    std::string m_bytes;
    std::vector<Anfangsstelle> m_anfang{{0, 0}};
    qsizetype m_zeichen = 0;
    bool m_nurCrLf = true;
};
