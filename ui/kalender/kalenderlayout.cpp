#include "kalenderlayout.h"

#include "monatsraster.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

// More months than a year's worth make a wall of digits, not a calendar.
static constexpr int kHoechstensMonate = 12;

KalenderLayout::Masse KalenderLayout::MasseVon(const QFont& font) {
    const QFontMetrics fm(font);
    QFont fett(font);
    fett.setBold(true);
    const QFontMetrics fmFett(fett);

    int breitester = fm.horizontalAdvance(QStringLiteral("00"));
    for (char ziffer = '0'; ziffer <= '9'; ++ziffer)
        breitester = std::max(breitester, fm.horizontalAdvance(QString(2, QLatin1Char(ziffer))));
    for (int spalte = 0; spalte < 7; ++spalte)
        breitester = std::max(breitester, fm.horizontalAdvance(WochentagKuerzel(spalte)));

    const int zeichen = std::max(1, fm.averageCharWidth());
    Masse m;
    m.zelleB = breitester + zeichen + zeichen / 2;
    m.zelleH = fm.height() + fm.height() / 3;
    m.titelH = fmFett.height() * 2;
    m.kopfH = m.zelleH + 3;
    m.rand = zeichen;
    m.abstand = 2 * zeichen;
    m.heuteH = fmFett.height() + fm.height() / 2;
    m.heuteB = m.zelleB + m.rand / 2 + fmFett.horizontalAdvance(HeuteText(QDate(2000, 12, 31)));
    return m;
}

QSize KalenderLayout::Mindestgroesse(const QFont& font) {
    const Masse m = MasseVon(font);
    return {std::max(m.BlockB(), m.heuteB), m.BlockH() + m.heuteH};
}

KalenderLayout::KalenderLayout(const QFont& font, const QRect& flaeche) : m_masse(MasseVon(font)) {
    const Masse& m = m_masse;
    const int hoeheFuerBloecke = flaeche.height() - m.heuteH;
    m_spalten =
        std::clamp((flaeche.width() + m.abstand) / (m.BlockB() + m.abstand), 1, kHoechstensMonate);
    m_zeilen = std::clamp((hoeheFuerBloecke + m.abstand) / (m.BlockH() + m.abstand), 1,
                          kHoechstensMonate / m_spalten);

    const int gesamtB = m_spalten * m.BlockB() + (m_spalten - 1) * m.abstand;
    const int gesamtH = m_zeilen * m.BlockH() + (m_zeilen - 1) * m.abstand + m.heuteH;
    m_ursprung = flaeche.topLeft() + QPoint(std::max(0, (flaeche.width() - gesamtB) / 2),
                                            std::max(0, (flaeche.height() - gesamtH) / 2));
}

QRect KalenderLayout::Block(int block) const {
    const Masse& m = m_masse;
    const int spalte = block % m_spalten;
    const int zeile = block / m_spalten;
    return {m_ursprung.x() + spalte * (m.BlockB() + m.abstand),
            m_ursprung.y() + zeile * (m.BlockH() + m.abstand), m.BlockB(), m.BlockH()};
}

QRect KalenderLayout::Titel(int block) const {
    const QRect b = Block(block);
    return {b.left(), b.top(), b.width(), m_masse.titelH};
}

QRect KalenderLayout::Kopfzelle(int block, int spalte) const {
    const QRect b = Block(block);
    return {b.left() + m_masse.rand + (spalte + 1) * m_masse.zelleB, b.top() + m_masse.titelH,
            m_masse.zelleB, m_masse.zelleH};
}

QRect KalenderLayout::Wochenzelle(int block, int zeile) const {
    const QRect b = Block(block);
    return {b.left() + m_masse.rand,
            b.top() + m_masse.titelH + m_masse.kopfH + zeile * m_masse.zelleH, m_masse.zelleB,
            m_masse.zelleH};
}

QRect KalenderLayout::Tageszelle(int block, int zeile, int spalte) const {
    return Wochenzelle(block, zeile).translated((spalte + 1) * m_masse.zelleB, 0);
}

int KalenderLayout::KopfLinieY(int block) const {
    return Block(block).top() + m_masse.titelH + m_masse.zelleH + 1;
}

int KalenderLayout::WochenLinieX(int block) const {
    return Block(block).left() + m_masse.rand + m_masse.zelleB - 1;
}

QRect KalenderLayout::PfeilZurueck() const {
    const QRect t = Titel(0);
    return {t.left() + m_masse.rand, t.top(), m_masse.titelH, m_masse.titelH};
}

QRect KalenderLayout::PfeilVor() const {
    const QRect t = Titel(Anzahl() - 1);
    return {t.right() - m_masse.rand - m_masse.titelH + 1, t.top(), m_masse.titelH, m_masse.titelH};
}

QRect KalenderLayout::Heute() const {
    const QRect letzteZeile = Block((m_zeilen - 1) * m_spalten);
    return {letzteZeile.left() + m_masse.rand, letzteZeile.bottom() + 1, m_masse.heuteB,
            m_masse.heuteH};
}

QRect KalenderLayout::HeuteMarke() const {
    const QRect h = Heute();
    return {h.left(), h.top() + (h.height() - m_masse.zelleH) / 2, m_masse.zelleB, m_masse.zelleH};
}

QRect KalenderLayout::HeuteSchrift() const {
    return Heute().adjusted(m_masse.zelleB + m_masse.rand / 2, 0, 0, 0);
}

KalenderLayout::Treffer KalenderLayout::Suchen(const QPoint& punkt) const {
    Treffer t;
    if (PfeilZurueck().contains(punkt)) {
        t.art = Treffer::Zurueck;
        return t;
    }
    if (PfeilVor().contains(punkt)) {
        t.art = Treffer::Vor;
        return t;
    }
    if (Heute().contains(punkt)) {
        t.art = Treffer::HeuteZeile;
        return t;
    }
    for (int block = 0; block < Anzahl(); ++block) {
        if (!Block(block).contains(punkt)) continue;
        const QRect erste = Tageszelle(block, 0, 0);
        const int dx = punkt.x() - erste.left();
        const int dy = punkt.y() - erste.top();
        if (dx < 0 || dy < 0) return t;
        const int spalte = dx / m_masse.zelleB;
        const int zeile = dy / m_masse.zelleH;
        if (spalte < 7 && zeile < kWochenzeilen) {
            t.art = Treffer::Tag;
            t.block = block;
            t.zeile = zeile;
            t.spalte = spalte;
        }
        return t;
    }
    return t;
}
