#pragma once
// Where each part of the calendar lies, for a font and an area.
//
// A month block's size follows from the font alone. As many whole blocks as
// fit go side by side and in rows, at least one and at most twelve; the
// "Heute:" line goes below them, and the space left over is shared out as
// margins so the whole stays centred.
//
// A block, top to bottom: the title with the arrows (back in the first block,
// forward in the last), the weekday header, six week rows. Left of the days
// runs the week-number column.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class KalenderLayout {
public:
    KalenderLayout() = default;
    KalenderLayout(const QFont& font, const QRect& flaeche);

    // The size one block and the "Heute:" line need.
    static QSize Mindestgroesse(const QFont& font);

    int Anzahl() const { return m_spalten * m_zeilen; }

    // Blocks are counted row by row, left to right.
    QRect Block(int block) const;
    QRect Titel(int block) const;
    QRect Kopfzelle(int block, int spalte) const;
    QRect Wochenzelle(int block, int zeile) const;
    QRect Tageszelle(int block, int zeile, int spalte) const;
    int KopfLinieY(int block) const;    // the line under the weekday header
    int WochenLinieX(int block) const;  // the line right of the week numbers
    QRect PfeilZurueck() const;
    QRect PfeilVor() const;
    QRect Heute() const;         // marker and text of the "Heute:" line
    QRect HeuteMarke() const;    // the marker alone, a day cell's size
    QRect HeuteSchrift() const;  // the text alone

    struct Treffer {
        enum Art { Nichts, Tag, Zurueck, Vor, HeuteZeile };
        Art art = Nichts;
        int block = -1;
        int zeile = -1;
        int spalte = -1;
    };
    Treffer Suchen(const QPoint& punkt) const;

private:
    struct Masse {
        int zelleB = 0;
        int zelleH = 0;
        int titelH = 0;
        int kopfH = 0;
        int rand = 0;     // inside a block, left, right and below
        int abstand = 0;  // between blocks
        int heuteB = 0;
        int heuteH = 0;
        int BlockB() const { return 2 * rand + 8 * zelleB; }
        int BlockH() const { return titelH + kopfH + 6 * zelleH + rand; }
    };
    static Masse MasseVon(const QFont& font);

    Masse m_masse;
    int m_spalten = 1;
    int m_zeilen = 1;
    QPoint m_ursprung;  // top left of the first block
};
