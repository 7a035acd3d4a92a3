#pragma once
// How a modal dialog ended, in the numbers its opener acts on: IDOK when
// "OK" accepted it; IDCANCEL for "Abbrechen", Escape and the close box.

#include <QDialog>

#include "resource.h"

inline int DialogErgebnis(int ergebnis) {
    return ergebnis == QDialog::Accepted ? res::IDOK : res::IDCANCEL;
}
