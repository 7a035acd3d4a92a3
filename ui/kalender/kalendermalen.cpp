// How the calendar looks: colours from the palette, so it fits the desktop.
#include "monatskalender.h"

#include "kalenderlayout.h"
#include "kontrast.h"
#include "monatsraster.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

QColor Mischen(const QColor& vorn, const QColor& hinten, qreal anteilVorn) {
    const qreal h = 1.0 - anteilVorn;
    return QColor::fromRgbF(float(vorn.redF() * anteilVorn + hinten.redF() * h),
                            float(vorn.greenF() * anteilVorn + hinten.greenF() * h),
                            float(vorn.blueF() * anteilVorn + hinten.blueF() * h));
}

void PfeilMalen(QPainter& p, const QRect& feld, bool zurueck, const QColor& farbe) {
    const QPointF mitte = QRectF(feld).center();
    const qreal h = feld.height() / 5.0;  // half the arrow's height
    const qreal b = h * 0.9;              // half its width
    QPolygonF dreieck;
    if (zurueck)
        dreieck << mitte + QPointF(-b, 0) << mitte + QPointF(b, -h) << mitte + QPointF(b, h);
    else
        dreieck << mitte + QPointF(b, 0) << mitte + QPointF(-b, -h) << mitte + QPointF(-b, h);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(dreieck);
    p.restore();
}

void HeuteRahmen(QPainter& p, const QRect& zelle, const QColor& farbe) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(farbe, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(zelle).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    p.restore();
}

}  // namespace

void CMonatsKalender::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const QColor schrift = pal.color(QPalette::Text);
    const QColor grund = pal.color(QPalette::Base);
    const QColor nachbar = Mischen(schrift, grund, 0.45);
    const QColor gesperrt = Mischen(schrift, grund, 0.22);
    // The selected day and the "Heute" frame are marks that must stand out
    // from the background by 3:1, the day's number on the mark by 4.5:1:
    // on a dark palette the highlight moves toward the text colour.
    const QColor auswahl =
        kontrast::Mindestens(pal.color(QPalette::Highlight), grund, schrift, 3.0);
    const QColor hell = pal.color(QPalette::HighlightedText);
    const QColor auswahlSchrift =
        kontrast::Verhaeltnis(hell, auswahl) >= std::min(4.5, kontrast::Verhaeltnis(grund, auswahl))
            ? hell
            : grund;
    const QColor heute =
        kontrast::Mindestens(pal.color(QPalette::Highlight).darker(140), grund, schrift, 3.0);
    const QColor linie = pal.color(QPalette::Mid);
    QFont fett = font();
    fett.setBold(true);

    // the thin edge of the control
    p.setPen(linie);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const KalenderLayout layout = Layout();
    const int anzahl = layout.Anzahl();
    const QDate erster = ErsterMonatFuer(anzahl);
    QRect fokus;

    for (int block = 0; block < anzahl; ++block) {
        const QDate monat = erster.addMonths(block);
        const bool ersterBlock = block == 0;
        const bool letzterBlock = block == anzahl - 1;

        p.setFont(fett);
        p.setPen(schrift);
        p.drawText(layout.Titel(block), Qt::AlignCenter, TitelVon(monat));

        p.setFont(font());
        for (int spalte = 0; spalte < 7; ++spalte)
            p.drawText(layout.Kopfzelle(block, spalte), Qt::AlignCenter, WochentagKuerzel(spalte));

        p.setPen(linie);
        const int kopfY = layout.KopfLinieY(block);
        p.drawLine(layout.Kopfzelle(block, 0).left(), kopfY, layout.Kopfzelle(block, 6).right(),
                   kopfY);
        const int wochenX = layout.WochenLinieX(block);
        p.drawLine(wochenX, layout.Wochenzelle(block, 0).top(), wochenX,
                   layout.Wochenzelle(block, kWochenzeilen - 1).bottom());

        for (int zeile = 0; zeile < kWochenzeilen; ++zeile) {
            const int woche = WocheImRaster(monat, zeile, ersterBlock, letzterBlock);
            if (woche != 0) {
                p.setPen(nachbar);
                p.drawText(layout.Wochenzelle(block, zeile), Qt::AlignCenter,
                           QString::number(woche));
            }
            for (int spalte = 0; spalte < 7; ++spalte) {
                const QDate tag = TagImRaster(monat, zeile, spalte);
                if (!ImBlockGezeigt(monat, tag, ersterBlock, letzterBlock)) continue;
                const QRect zelle = layout.Tageszelle(block, zeile, spalte);
                const bool offen = ImBereich(tag);
                QColor farbe = !offen ? gesperrt : MonatVon(tag) == monat ? schrift : nachbar;
                if (tag == m_auswahl) {
                    p.fillRect(zelle.adjusted(1, 1, -1, -1), auswahl);
                    farbe = auswahlSchrift;
                    fokus = zelle;
                }
                if (tag == m_heute) HeuteRahmen(p, zelle, heute);
                p.setPen(farbe);
                p.drawText(zelle, Qt::AlignCenter, QString::number(tag.day()));
            }
        }
    }

    PfeilMalen(p, layout.PfeilZurueck(), true, ZurueckMoeglich() ? schrift : gesperrt);
    PfeilMalen(p, layout.PfeilVor(), false, VorMoeglich() ? schrift : gesperrt);

    HeuteRahmen(p, layout.HeuteMarke(), heute);
    p.setFont(fett);
    p.setPen(ImBereich(m_heute) ? schrift : gesperrt);
    p.drawText(layout.HeuteSchrift(), Qt::AlignLeft | Qt::AlignVCenter, HeuteText(m_heute));

    if (hasFocus()) {
        // the classic dotted focus cue: inside the selected day, or
        // round the whole control while the arrows have moved the day out
        // of view
        p.setPen(QPen(fokus.isNull() ? schrift : auswahlSchrift, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(fokus.isNull() ? rect().adjusted(2, 2, -3, -3) : fokus.adjusted(2, 2, -3, -3));
    }
}
