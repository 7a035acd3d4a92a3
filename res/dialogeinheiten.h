#pragma once
// The forms in res/ are laid out in dialog units, so that the windows keep
// their proportions with any font: x units are a quarter of the dialog
// font's average character width, y units an eighth of its height.
// DialogeinheitenAnwenden turns a form's geometries into pixels.

#include <QFont>
#include <QRect>

class QDialog;

struct Dialogbasis {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

Dialogbasis DialogbasisVon(const QFont& font);
QRect InPixel(const QRect& dlu, const Dialogbasis& basis);

// The text boxes' tab stops: every 32 dialog units of `font`.
qreal Tabstoppabstand(const QFont& font);

// Converts the dialog's own size and every direct child's geometry from
// dialog units to pixels for the dialog's font, and fixes the dialog's size.
void DialogeinheitenAnwenden(QDialog* dialog);
