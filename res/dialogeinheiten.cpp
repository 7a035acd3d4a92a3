#include "dialogeinheiten.h"

#include <QDialog>
#include <QFontMetrics>

namespace {

// a * b / c to the nearest pixel, halves away from zero; 64 bits, so no
// form is too large.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p >= 0 ? p + c / 2 : p - c / 2) / c);
}

}  // namespace

Dialogbasis DialogbasisVon(const QFont& font) {
    const QFontMetrics metrik(font);
    const int breite = metrik.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(breite / 26 + 1) / 2, metrik.height()};
}

QRect InPixel(const QRect& dlu, const Dialogbasis& basis) {
    return QRect(MulDiv(dlu.x(), basis.x, 4), MulDiv(dlu.y(), basis.y, 8),
                 MulDiv(dlu.width(), basis.x, 4), MulDiv(dlu.height(), basis.y, 8));
}

qreal Tabstoppabstand(const QFont& font) {
    return InPixel(QRect(0, 0, 32, 0), DialogbasisVon(font)).width();
}

void DialogeinheitenAnwenden(QDialog* dialog) {
    const Dialogbasis basis = DialogbasisVon(dialog->font());
    for (QWidget* kind : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!kind->isWindow()) kind->setGeometry(InPixel(kind->geometry(), basis));
    }
    dialog->setFixedSize(InPixel(QRect(QPoint(0, 0), dialog->size()), basis).size());
}
