#pragma once
// The six-week grid of one month block: which day sits in which cell, which
// cells a block shows, and the German texts of a block.
//
// Weeks start on Monday. A month that begins on a Monday gets a whole week of
// the month before in its first row, so every block has leading days and all
// blocks share the same row positions.

#include <QDate>
#include <QString>

inline constexpr int kWochenzeilen = 6;

// First day of the month `tag` lies in.
QDate MonatVon(const QDate& tag);

// Day in row `zeile` (0..5) and column `spalte` (0 = Monday .. 6 = Sunday)
// of the grid of `monat`.
QDate TagImRaster(const QDate& monat, int zeile, int spalte);

// Row and column of `tag` in the grid of `monat`; false when not in it.
bool StelleImRaster(const QDate& monat, const QDate& tag, int& zeile, int& spalte);

// Days of the neighbouring months are shown greyed, the month before only in
// the first block and the month after only in the last, so no day appears
// twice.
bool ImBlockGezeigt(const QDate& monat, const QDate& tag, bool ersterBlock, bool letzterBlock);

// ISO 8601 week of a row, 0 when the block shows no day in that row.
int WocheImRaster(const QDate& monat, int zeile, bool ersterBlock, bool letzterBlock);

QString TitelVon(const QDate& monat);   // "März 2027"
QString WochentagName(int spalte);      // "Montag" .. "Sonntag"
QString WochentagKuerzel(int spalte);   // "Mo" .. "So"
QString HeuteText(const QDate& heute);  // "Heute: 06.12.2026"
