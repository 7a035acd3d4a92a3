#pragma once
// Drives the widgets as a user would: typing any character, and running a
// dialog's DoModal with an action inside its modal loop.

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontInfo>
#include <QTimer>
#include <QtTest>

// Types `text` key by key; unlike QTest::keyClicks also characters beyond
// Latin-1.
inline void Tippen(QWidget* w, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
        const QString zeichen = text.mid(i, n);
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(zeichen.at(0).toUpper().unicode()), zeichen,
                            Qt::NoModifier);
        i += n - 1;
    }
}

// A dialog the action left open is closed afterwards, so a failing test
// cannot hang; `offenGeblieben` tells that it happened.
struct Lauf {
    int ergebnis = 0;
    bool modal = false;           // the dialog was the active modal window
    bool offenGeblieben = false;
};

template <class Dialog, class Aktion>
Lauf Ausfuehren(Dialog& dlg, Aktion aktion) {
    Lauf lauf;
    QTimer::singleShot(0, &dlg, [&] {
        lauf.modal = QApplication::activeModalWidget() == &dlg;
        aktion();
        lauf.offenGeblieben = dlg.isVisible();
        if (lauf.offenGeblieben)
            dlg.done(QDialog::Rejected);
    });
    lauf.ergebnis = dlg.DoModal();
    return lauf;
}

// A font whose metrics the tests know: DejaVu Sans at 13 px, whose 52
// letters A-Z a-z are 417 px wide and which is 15 px high, so the dialog
// base units are 8 x 15.
inline bool BekannteSchriftSetzen() {
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(13);
    QApplication::setFont(schrift);
    return QFontInfo(schrift).family() == QLatin1String("DejaVu Sans");
}
