#include "fenstertitel.h"

#include <QWidget>
#include <QWindow>

void FenstertitelSetzen(QWidget* fenster, const QString& titel) {
    QString maskiert = titel;
    maskiert.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    fenster->setWindowTitle(maskiert);
    if (titel.isEmpty()) {
        // The platform fills an empty title with the program's name; a
        // lone blank shows as nothing.
        fenster->winId();
        fenster->windowHandle()->setTitle(QStringLiteral(" "));
    }
}
