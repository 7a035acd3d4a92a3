#include <QtTest>
#include <QClipboard>
#include <QPushButton>
#include <QWindow>

#include "bedienen.h"
#include "dia_notiz.h"
#include "dialogtext.h"
#include "notizedit.h"
#include "resource.h"

namespace {

CNotizEdit* Box(QDialog& dlg) { return dlg.findChild<CNotizEdit*>("IDC_NOTIZ"); }
void Klick(QDialog& dlg, const char* id) {
    QTest::mouseClick(dlg.findChild<QPushButton*>(id), Qt::LeftButton);
}

// Appointment report lines: "Heute" takes two tabs, "Übermorgen" one.
const std::string kTermine =
    "06. Dez\t2026\tSonn\tHeute\t\tZahnarzt 10 Uhr\r\n"
    "08. Dez\t2026\tDien\t\xDC" "bermorgen\tElternabend\r\n";

}  // namespace

class DiaNotizTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { BekannteSchriftSetzen(); }
    void init() { g_strDialogText = "zahnarzt"; }

    void enterMachtNeueZeileUndOkGibtDenTextZurueck() {
        CDia_Notiz dlg;
        dlg.m_strText = "Zeile 1\r\nGr\xFC\xDF" "e";
        const Lauf lauf = Ausfuehren(dlg, [&] {
            QCOMPARE(g_strDialogText, std::string());
            QCOMPARE(dlg.focusWidget(), Box(dlg));
            for (const char* id : {"IDC_LEEREN", "IDCANCEL", "IDOK", "IDC_NOTIZ"}) {
                QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
                QCOMPARE(dlg.focusWidget()->objectName(), QString::fromLatin1(id));
            }
            Box(dlg)->moveCursor(QTextCursor::End);
            QTest::keyClick(Box(dlg), Qt::Key_Return);
            Tippen(Box(dlg), QStringLiteral("Öl für 5 €"));
            QVERIFY(dlg.isVisible());
            Klick(dlg, "IDOK");
        });
        QVERIFY(lauf.modal && !lauf.offenGeblieben);
        QCOMPARE(lauf.ergebnis, IDOK);
        QCOMPARE(g_strDialogText, std::string("Zeile 1\r\nGr\xFC\xDF" "e\r\n\xD6l f\xFCr 5 \x80"));
    }

    void unveraenderterTextKommtByteGenauZurueck() {
        CDia_Notiz dlg;
        dlg.m_strText = "\t\x81\x8D\x8F\x90\x9D \xA0\xFF\r\n\r\nEnde\r\n";
        QCOMPARE(Ausfuehren(dlg, [&] { Klick(dlg, "IDOK"); }).ergebnis, IDOK);
        QCOMPARE(g_strDialogText, dlg.m_strText);
    }

    void leerenDannOk() {
        CDia_Notiz dlg;
        dlg.m_strText = "Nikolaus";
        const Lauf lauf = Ausfuehren(dlg, [&] {
            Klick(dlg, "IDC_LEEREN");
            Klick(dlg, "IDOK");
        });
        QCOMPARE(lauf.ergebnis, IDOK);
        QCOMPARE(g_strDialogText, std::string());
    }

    void abbrechenEscapeUndSchliessfeldGebenNichtsZurueck() {
        for (int weg = 0; weg < 3; ++weg) {
            g_strDialogText = "zahnarzt";
            CDia_Notiz dlg;
            dlg.m_strText = "Nikolaus";
            const Lauf lauf = Ausfuehren(dlg, [&] {
                Klick(dlg, "IDC_LEEREN");
                Tippen(Box(dlg), QStringLiteral("neu"));
                if (weg == 0)
                    Klick(dlg, "IDCANCEL");
                else if (weg == 1)
                    QTest::keyClick(Box(dlg), Qt::Key_Escape);
                else
                    dlg.close();
            });
            QVERIFY(!lauf.offenGeblieben);
            QCOMPARE(lauf.ergebnis, IDCANCEL);
            QCOMPARE(g_strDialogText, std::string());
        }
    }

    void berichtNurLesenAberKopierbarUndSpaltenGerade() {
        CDia_Notiz dlg;
        dlg.m_bNurLesen = true;
        dlg.m_strText = kTermine;
        const Lauf lauf = Ausfuehren(dlg, [&] {
            CNotizEdit* box = Box(dlg);
            Tippen(box, QStringLiteral("xyz"));
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClick(box, Qt::Key_Return);  // taken by the box, closes nothing
            Klick(dlg, "IDC_LEEREN");              // greyed
            QCOMPARE(box->KernText(), kTermine);
            QVERIFY(dlg.isVisible());

            QApplication::clipboard()->clear();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), QString::fromLatin1(kTermine).replace("\r\n", "\n"));

            auto x = [&](const QString& wort) {
                QTextCursor c = box->document()->find(wort);
                c.setPosition(c.selectionStart());
                return box->cursorRect(c).x();
            };
            QCOMPARE(x(QStringLiteral("Zahnarzt")), x(QStringLiteral("Elternabend")));

            QTest::keyClick(box, Qt::Key_Tab);  // past the greyed "Leeren"
            QCOMPARE(dlg.focusWidget()->objectName(), QStringLiteral("IDCANCEL"));
            Klick(dlg, "IDOK");
        });
        QCOMPARE(lauf.ergebnis, IDOK);
    }

    void titelIstGenauDerGegebeneText() {
        const std::pair<std::string, QString> faelle[] = {
            {"Notiz f\xFCr 06. Dezember 2026,   Sonntag,   Woche = 49,   Jahrestag = 340",
             QStringLiteral("Notiz für 06. Dezember 2026,   Sonntag,   Woche = 49,   Jahrestag = 340")},
            {"Gefundene Notizen mit \"[*]\"", QStringLiteral("Gefundene Notizen mit \"[*]\"")},
            {"", QStringLiteral(" ")},  // shows as nothing, not as the program's name
        };
        for (const auto& [titel, angezeigt] : faelle) {
            CDia_Notiz dlg;
            dlg.m_strTitel = titel;
            Ausfuehren(dlg, [&] { QCOMPARE(dlg.windowHandle()->title(), angezeigt); });
        }
    }

    void fremdeZeichenAmFilterVorbeiHaltenDenDialogOffen() {
        CDia_Notiz dlg;
        const Lauf lauf = Ausfuehren(dlg, [&] {
            QSignalSpy abgelehnt(Box(dlg), &CNotizEdit::Abgelehnt);
            Box(dlg)->setPlainText(QString::fromUtf16(u"Krak\u00f3w \u0151"));
            Klick(dlg, "IDOK");
            QCOMPARE(abgelehnt.size(), 1);
        });
        QVERIFY(lauf.offenGeblieben);
        QCOMPARE(g_strDialogText, std::string());
    }
};

QTEST_MAIN(DiaNotizTest)
#include "dia_notiz_test.moc"
