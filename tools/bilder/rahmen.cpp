#include "rahmen.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

const QColor kLeiste(0x3B, 0x40, 0x48);
const QColor kTitel(0xF2, 0xF2, 0xF2);
const QColor kKante(0x2A, 0x2E, 0x34);
constexpr int kKantenbreite = 1;
constexpr int kSymbol = 16;

}  // namespace

QImage MitRahmen(QWidget* pFenster) {
    const QImage inhalt = pFenster->grab().toImage();

    QFont titelSchrift = pFenster->font();
    titelSchrift.setBold(true);
    const QFontMetrics metrik(titelSchrift);
    const int leiste = qMax(kSymbol, metrik.height()) + 12;

    QImage bild(inhalt.width() + 2 * kKantenbreite, inhalt.height() + leiste + 2 * kKantenbreite,
                QImage::Format_RGB32);
    bild.fill(kKante);
    QPainter p(&bild);
    const QRect leistenFlaeche(kKantenbreite, kKantenbreite, inhalt.width(), leiste);
    p.fillRect(leistenFlaeche, kLeiste);

    const int rand = 8;
    const QRect symbol(leistenFlaeche.left() + rand, leistenFlaeche.center().y() - kSymbol / 2 + 1,
                       kSymbol, kSymbol);
    p.drawPixmap(symbol, pFenster->windowIcon().pixmap(kSymbol, kSymbol));

    // Captions longer than the bar end in an ellipsis, as in a title bar.
    QRect text =
        leistenFlaeche.adjusted(symbol.right() + rand - leistenFlaeche.left(), 0, -rand, 0);
    p.setFont(titelSchrift);
    p.setPen(kTitel);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               metrik.elidedText(pFenster->windowTitle(), Qt::ElideRight, text.width()));

    p.drawImage(kKantenbreite, kKantenbreite + leiste, inhalt);
    p.end();
    return bild;
}
