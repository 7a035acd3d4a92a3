#pragma once
// Days between the calendar widget (QDate) and the core (day fields, date
// values). Local time is the core's, so both sides agree on "which day".

#include <QDate>

#include "datum.h"

// The day's fields at 00:00:00. A date the fields cannot hold gives year 0,
// which the core refuses.
TagesFelder FelderVon(const QDate& tag);

// The local day of a date value; invalid when the breakdown fails.
QDate TagVon(Datumswert wert);
