#include "monatsraster.h"

#include "datum.h"
#include "textwandlung.h"

QDate MonatVon(const QDate& tag) {
    return QDate(tag.year(), tag.month(), 1);
}

static QDate RasterAnfang(const QDate& monat) {
    const QDate erster = MonatVon(monat);
    const int vorlauf = erster.dayOfWeek() - 1;  // Monday = 1
    return erster.addDays(vorlauf == 0 ? -7 : -vorlauf);
}

QDate TagImRaster(const QDate& monat, int zeile, int spalte) {
    return RasterAnfang(monat).addDays(zeile * 7 + spalte);
}

bool StelleImRaster(const QDate& monat, const QDate& tag, int& zeile, int& spalte) {
    const qint64 index = RasterAnfang(monat).daysTo(tag);
    if (index < 0 || index >= kWochenzeilen * 7) return false;
    zeile = int(index / 7);
    spalte = int(index % 7);
    return true;
}

bool ImBlockGezeigt(const QDate& monat, const QDate& tag, bool ersterBlock, bool letzterBlock) {
    const QDate erster = MonatVon(monat);
    if (tag < erster) return ersterBlock;
    if (tag > erster.addMonths(1).addDays(-1)) return letzterBlock;
    return true;
}

int WocheImRaster(const QDate& monat, int zeile, bool ersterBlock, bool letzterBlock) {
    for (int spalte = 0; spalte < 7; ++spalte) {
        const QDate tag = TagImRaster(monat, zeile, spalte);
        if (ImBlockGezeigt(monat, tag, ersterBlock, letzterBlock)) return tag.weekNumber();
    }
    return 0;
}

QString TitelVon(const QDate& monat) {
    // The core's names rather than the locale's: they must not depend on
    // which locale data the system carries.
    return textwandlung::VonKern(datum::MonatName(monat.month() - 1)) + QLatin1Char(' ') +
           QString::number(monat.year());
}

QString WochentagName(int spalte) {
    return textwandlung::VonKern(datum::WochentagName((spalte + 1) % 7));
}

QString WochentagKuerzel(int spalte) {
    return WochentagName(spalte).left(2);
}

QString HeuteText(const QDate& heute) {
    return QStringLiteral("Heute: ") + heute.toString(QStringLiteral("dd.MM.yyyy"));
}
