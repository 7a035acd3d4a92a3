#include <QtTest>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include "bedienen.h"
#include "dia_finden.h"
#include "dialogtext.h"
#include "resource.h"

namespace {
QLineEdit* Suche(QDialog& dlg) { return dlg.findChild<QLineEdit*>("IDC_SUCHE"); }
}

class DiaFindenTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_strDialogText = "vorher"; }

    void enterIstOkUndDerBegriffBleibtWieGetippt() {
        CDia_Finden dlg;
        const Lauf lauf = Ausfuehren(dlg, [&] {
            QCOMPARE(dlg.focusWidget(), Suche(dlg));
            for (const char* id : {"IDOK", "IDCANCEL", "IDC_SUCHE"}) {
                QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
                QCOMPARE(dlg.focusWidget()->objectName(), QString::fromLatin1(id));
            }
            Tippen(Suche(dlg), QStringLiteral("  Grüße an ZAHNARZT "));
            QTest::keyClick(Suche(dlg), Qt::Key_Return);
        });
        QVERIFY(lauf.modal && !lauf.offenGeblieben);
        QCOMPARE(lauf.ergebnis, IDOK);
        QCOMPARE(g_strDialogText, std::string("  Gr\xFC\xDF" "e an ZAHNARZT "));
    }

    void abbrechenLaesstDenTextStehenUndZweitesOeffnenIstLeer() {
        CDia_Finden dlg;
        Lauf lauf = Ausfuehren(dlg, [&] {
            Tippen(Suche(dlg), QStringLiteral("Zahn"));
            QTest::keyClick(Suche(dlg), Qt::Key_Escape);
        });
        QVERIFY(!lauf.offenGeblieben);
        QCOMPARE(lauf.ergebnis, IDCANCEL);
        QCOMPARE(g_strDialogText, std::string("vorher"));

        lauf = Ausfuehren(dlg, [&] {
            QCOMPARE(Suche(dlg)->text(), QString());
            QTest::mouseClick(dlg.findChild<QPushButton*>("IDCANCEL"), Qt::LeftButton);
        });
        QVERIFY(!lauf.offenGeblieben);
        QCOMPARE(g_strDialogText, std::string("vorher"));

        // An empty term is a result too.
        lauf = Ausfuehren(dlg, [&] { QTest::mouseClick(dlg.findChild<QPushButton*>("IDOK"), Qt::LeftButton); });
        QCOMPARE(lauf.ergebnis, IDOK);
        QCOMPARE(g_strDialogText, std::string());
    }

    void fremdeZeichenWerdenSichtbarAbgelehnt() {
        CDia_Finden dlg;
        const Lauf lauf = Ausfuehren(dlg, [&] {
            QLineEdit* suche = Suche(dlg);
            Tippen(suche, QString::fromUtf16(u"Kő"));
            QCOMPARE(suche->text(), QStringLiteral("K"));
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), QStringLiteral("Dieses Zeichen kann eine Notiz nicht aufnehmen: ő"));

            QApplication::clipboard()->setText(QString::fromUtf16(u"raków ő"));
            QTest::keyClick(suche, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(suche->text(), QStringLiteral("K"));
            QApplication::clipboard()->setText(QStringLiteral("raków"));
            QTest::keyClick(suche, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(suche, Qt::Key_Return);
        });
        QCOMPARE(lauf.ergebnis, IDOK);
        QCOMPARE(g_strDialogText, std::string("Krak\xF3w"));
    }
};

QTEST_MAIN(DiaFindenTest)
#include "dia_finden_test.moc"
