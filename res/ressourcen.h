#pragma once
// The program's resources, loaded by their number (resource.h).

#include <QIcon>
#include <QString>
#include <QUrl>

// IDR_MAINFRAME: the program icon in all its sizes; null for other numbers.
QIcon SymbolLaden(int nID);

// A text of the string table; empty when the number has none.
QString StringLaden(int nID);

// The help manual.
QUrl HandbuchAdresse();
