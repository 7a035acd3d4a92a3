#include <QtTest>
#include <QLineEdit>
#include <QPushButton>

#include "dia_finden.h"
#include "dia_notiz.h"
#include "dialogeinheiten.h"
#include "bedienen.h"
#include "notizedit.h"

class DialogeinheitenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!BekannteSchriftSetzen())
            QSKIP("DejaVu Sans fehlt (fonts-dejavu-core)");
    }

    void basisAusDenBuchstabenbreiten() {
        const Dialogbasis basis = DialogbasisVon(QApplication::font());
        QCOMPARE(basis.x, 8);   // (417 / 26 + 1) / 2
        QCOMPARE(basis.y, 15);
    }

    void umrechnungRundetHalbeAufwaerts() {
        QCOMPARE(InPixel(QRect(1, 1, 3, 5), {6, 12}), QRect(2, 2, 5, 8));
        QCOMPARE(InPixel(QRect(7, 7, 432, 291), {7, 14}), QRect(12, 12, 756, 509));
    }

    void notizdialogInPixeln() {
        CDia_Notiz dlg;
        QCOMPARE(dlg.minimumSize(), QSize(892, 613));
        QCOMPARE(dlg.maximumSize(), QSize(892, 613));
        QCOMPARE(dlg.findChild<CNotizEdit*>("IDC_NOTIZ")->geometry(), QRect(14, 13, 864, 546));
        QCOMPARE(dlg.findChild<QPushButton*>("IDC_LEEREN")->geometry(), QRect(14, 574, 100, 26));
        QCOMPARE(dlg.findChild<QPushButton*>("IDCANCEL")->geometry(), QRect(658, 574, 100, 26));
        QCOMPARE(dlg.findChild<QPushButton*>("IDOK")->geometry(), QRect(778, 574, 100, 26));
        // Tab stops every 32 dialog units.
        QCOMPARE(dlg.findChild<CNotizEdit*>("IDC_NOTIZ")->tabStopDistance(), 64.0);
    }

    void findendialogInPixeln() {
        CDia_Finden dlg;
        QCOMPARE(dlg.minimumSize(), QSize(570, 92));
        QCOMPARE(dlg.maximumSize(), QSize(570, 92));
        QCOMPARE(dlg.findChild<QLineEdit*>("IDC_SUCHE")->geometry(), QRect(14, 13, 542, 26));
        QCOMPARE(dlg.findChild<QPushButton*>("IDOK")->geometry(), QRect(456, 53, 100, 26));
        QCOMPARE(dlg.findChild<QPushButton*>("IDCANCEL")->geometry(), QRect(340, 53, 100, 26));
    }
};

QTEST_MAIN(DialogeinheitenTest)
#include "dialogeinheiten_test.moc"
