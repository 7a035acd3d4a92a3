#include "zeichenfilter.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

#include "textwandlung.h"

namespace {

// The tooltip's text, naming each refused character (invisible ones as
// U+XXXX).
QString AblehnungsText(const QString& zeichen) {
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
    const QString satz = anzahl == 1
                             ? QStringLiteral("Dieses Zeichen kann eine Notiz nicht aufnehmen: ")
                             : QStringLiteral("Diese Zeichen kann eine Notiz nicht aufnehmen: ");
    return satz + namen.join(QLatin1Char(' '));
}

}  // namespace

void ZeichenAblehnen(QWidget* feld, const QString& zeichen) {
    QApplication::beep();
    const QRect cursor = feld->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QToolTip::showText(feld->mapToGlobal(cursor.bottomLeft()), AblehnungsText(zeichen), feld);
}

QValidator::State CFilter1252::validate(QString& eingabe, int&) const {
    m_strAbgelehnt = textwandlung::NichtDarstellbar(eingabe);
    return m_strAbgelehnt.isEmpty() ? Acceptable : Invalid;
}
