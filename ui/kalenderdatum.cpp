#include "kalenderdatum.h"

#include <limits>

TagesFelder FelderVon(const QDate& tag) {
    TagesFelder felder;
    if (tag.isValid() && tag.year() > 0 &&
        tag.year() <= std::numeric_limits<std::uint16_t>::max()) {
        felder.jahr = static_cast<std::uint16_t>(tag.year());
        felder.monat = static_cast<std::uint16_t>(tag.month());
        felder.tag = static_cast<std::uint16_t>(tag.day());
    }
    return felder;
}

QDate TagVon(Datumswert wert) {
    const auto z = datum::Zerlegen(wert);
    return z ? QDate(z->jahr, z->monat + 1, z->tag) : QDate();
}
