#pragma once
// Dialog templates are laid out in dialog units, as the platform's are:
// x units are a quarter of the dialog font's average character width,
// y units an eighth of its height. The .ui templates hold dialog units in
// their geometries; DialogeinheitenAnwenden turns them into pixels.

#include <QFont>
#include <QRect>

class QDialog;

struct Dialogbasis {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

Dialogbasis DialogbasisVon(const QFont& font);
QRect InPixel(const QRect& dlu, const Dialogbasis& basis);

// Converts the dialog's own size and every direct child's geometry from
// dialog units to pixels for the dialog's font, and fixes the dialog's size.
void DialogeinheitenAnwenden(QDialog* dialog);
