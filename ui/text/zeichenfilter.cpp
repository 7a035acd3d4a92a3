#include "zeichenfilter.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

#include "textwandlung.h"

namespace {

// The tooltip's text, naming each refused character (invisible ones as
// U+XXXX): "Eine Notiz kann diese Zeichen nicht aufnehmen: ..."
QString AblehnungsText(Feldinhalt inhalt, const QString& zeichen) {
    QStringList namen;
    int anzahl = 0;
    for (qsizetype i = 0; i < zeichen.size(); ++i) {
        char32_t c = zeichen.at(i).unicode();
        QString name = zeichen.mid(i, 1);
        if (zeichen.at(i).isHighSurrogate() && i + 1 < zeichen.size()) {
            c = QChar::surrogateToUcs4(zeichen.at(i), zeichen.at(i + 1));
            name = zeichen.mid(i, 2);
            ++i;
        }
        if (!QChar::isPrint(c) || QChar::isSpace(c))
            name = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
        namen << name;
        ++anzahl;
    }
    const QString zeichenWort =
        anzahl == 1 ? QStringLiteral("dieses Zeichen") : QStringLiteral("diese Zeichen");
    const QString satz = inhalt == Feldinhalt::Notiz
                             ? QStringLiteral("Eine Notiz kann %1 nicht aufnehmen: ")
                             : QStringLiteral("Ein Suchbegriff kann %1 nicht enthalten: ");
    return satz.arg(zeichenWort) + namen.join(QLatin1Char(' '));
}

}  // namespace

void ZeichenAblehnen(QWidget* feld, Feldinhalt inhalt, const QString& zeichen) {
    QApplication::beep();
    const QRect cursor = feld->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QToolTip::showText(feld->mapToGlobal(cursor.bottomLeft()), AblehnungsText(inhalt, zeichen),
                       feld);
}

QValidator::State CFilter1252::validate(QString& eingabe, int&) const {
    m_strAbgelehnt = textwandlung::NichtDarstellbar(eingabe);
    return m_strAbgelehnt.isEmpty() ? Acceptable : Invalid;
}
