// The program as a user meets it: picking days by click and key (only
// within the range) and typing, closing with and without the question, a
// day the core cannot convert, the window menu with the About box, and the
// three commands with their dialogs end to end (help is tst_zugang's).
#include <sys/prctl.h>
#include <sys/resource.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "berichtsansicht.h"
#include "fenstertreiber.h"
#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"

using namespace fenster;

namespace {

std::string Sechster(const std::string& notiz) {
    return orakel::Suchabschnitt({2026, 12, 6}, notiz);
}

CNotizEdit* TextVon(QWidget* pDialog) {
    return Steuerelement<CNotizEdit>(pDialog, "IDC_NOTIZ");
}

CBerichtsansicht* BerichtVon(QWidget* pDialog) {
    return Steuerelement<CBerichtsansicht>(pDialog, "IDC_NOTIZ");
}

// What a screen reader calls the box (tst_zugang hears the rest).
QString Name(QWidget* pFeld) {
    return QAccessible::queryAccessibleInterface(pFeld)->text(QAccessible::Name);
}

}  // namespace

class TestHauptfenster : public Fenstertest {
    Q_OBJECT

    QString Text() { return m_f->Editor()->toPlainText(); }
    // The calendar announced one pick since `spy` was last asked: `tag`.
    void GewaehltGenau(QSignalSpy& spy, const QDate& tag) {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.takeFirst().at(0).toDate(), tag);
        QCOMPARE(m_f->Kalender()->Auswahl(), tag);
    }
    std::string Alle() { return m_f->Suchen(QString()).text; }
    void FensterMenue() {
        Rechtsklick(&m_f->m_dlg,
                    Steuerelement<QLabel>(&m_f->m_dlg, "IDC_TAG")->geometry().center());
    }

private slots:
    void init() { Oeffnen(Moment(2026, 12, 6, 14, 30)); }
    void cleanup() { Schliessen(); }

    // The label shows three blanks at start-up and two after a pick:
    // deliberate.
    void notizenFolgenIhrenTagen() {
        CMonatsKalender* pKalender = m_f->Kalender();
        QVERIFY(pKalender->AnzahlMonate() > 1);  // whole months, as many as fit
        const QDate letzter =
            pKalender->ErsterMonat().addMonths(pKalender->AnzahlMonate()).addDays(-1);
        QVERIFY(pKalender->rect().contains(pKalender->TagRechteck(letzter)));

        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   06.12.2026"));
        QCOMPARE(QApplication::focusWidget(), m_f->Editor());
        m_f->Tippen(QStringLiteral("Zahnarzt"));
        m_f->Waehlen(QDate(2026, 12, 24));
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  24.12.2026"));
        QCOMPARE(Text(), QString());
        m_f->Tippen(QStringLiteral("Bescherung"));
        m_f->Waehlen(QDate(2026, 12, 31));
        m_f->Waehlen(QDate(2026, 12, 24));
        QCOMPARE(Text(), QStringLiteral("Bescherung"));

        // Emptied, the editor takes the day's note with it at the next pick.
        QTest::keyClick(m_f->Editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_f->Editor(), Qt::Key_Delete);
        m_f->Waehlen(QDate(2026, 12, 6));
        QCOMPARE(Text(), QStringLiteral("Zahnarzt"));
        QCOMPARE(Alle(), Sechster("Zahnarzt"));
    }

    void textGehtAlsWindows1252MitCrLfInDenKern() {
        m_f->Tippen(QStringLiteral("Grüße € «ok»\nZeile 2"));
        QTest::keyClick(m_f->Editor(), Qt::Key_Return, Qt::ShiftModifier);
        QApplication::clipboard()->setText(QStringLiteral("Küsse"));
        QTest::keyClick(m_f->Editor(), Qt::Key_V, Qt::ControlModifier);
        m_f->Waehlen(QDate(2026, 12, 7));
        // Deliberately, the caption shows the term as the search left it, lowered.
        const auto bericht = m_f->Suchen(QStringLiteral("GRÜ"));
        QCOMPARE(bericht.titel, QStringLiteral("Gefundene Notizen mit \"grü\""));
        // the caption as shown: "[*]" is no marker of changes here
        QCOMPARE(m_f->Suchen(QStringLiteral("[*]")).titel,
                 QStringLiteral("Gefundene Notizen mit \"[*]\""));
        QCOMPARE(bericht.text, Sechster("Gr\xFC\xDF"
                                        "e \x80 \xABok\xBB\r\nZeile 2\r\nK\xFCsse"));
        QCOMPARE(m_f->Suchen(QString()).titel, QStringLiteral("Alle eingegebene Notizen"));
        m_f->Waehlen(QDate(2026, 12, 6));
        QCOMPARE(Text(), QStringLiteral("Grüße € «ok»\nZeile 2\nKüsse"));
    }

    // Every click on a day is a pick, the same day again too (the window
    // files its editor then), a greyed day of a neighbouring month as well;
    // a week number is none.
    void kalenderKlickWaehltJedesMal() {
        QSignalSpy gewaehlt(m_f->Kalender(), &CMonatsKalender::TagGewaehlt);
        m_f->Waehlen(QDate(2027, 2, 17));
        GewaehltGenau(gewaehlt, QDate(2027, 2, 17));
        m_f->Waehlen(QDate(2027, 2, 17));
        GewaehltGenau(gewaehlt, QDate(2027, 2, 17));
        const QRect mittwoch = m_f->Kalender()->TagRechteck(QDate(2027, 2, 17));
        QTest::mouseClick(m_f->Kalender(), Qt::LeftButton, {},
                          mittwoch.center() - QPoint(3 * mittwoch.width(), 0));  // its week
        QCOMPARE(gewaehlt.count(), 0);
        m_f->Waehlen(QDate(2026, 11, 30));
        GewaehltGenau(gewaehlt, QDate(2026, 11, 30));
        QCOMPARE(m_f->Kalender()->ErsterMonat(), QDate(2026, 11, 1));
    }

    // Each key from Sunday, 6 December 2026, and the month keys where a
    // month is not 30 or 31 days on: they keep the day of the month, or
    // take the month's last; a key that leaves the months on show brings
    // the new day into view.
    void kalenderTastenWaehlen() {
        CMonatsKalender* pKalender = m_f->Kalender();
        QSignalSpy gewaehlt(pKalender, &CMonatsKalender::TagGewaehlt);
        const QDate sechster(2026, 12, 6);
        struct Zug {
            QDate von;
            Qt::Key taste;
            QDate nach;
        };
        for (auto [von, taste, tag] : {Zug{sechster, Qt::Key_Left, QDate(2026, 12, 5)},
                                       {sechster, Qt::Key_Right, QDate(2026, 12, 7)},
                                       {sechster, Qt::Key_Up, QDate(2026, 11, 29)},
                                       {sechster, Qt::Key_Down, QDate(2026, 12, 13)},
                                       {sechster, Qt::Key_PageUp, QDate(2026, 11, 6)},
                                       {sechster, Qt::Key_PageDown, QDate(2027, 1, 6)},
                                       {sechster, Qt::Key_Home, QDate(2026, 12, 1)},
                                       {sechster, Qt::Key_End, QDate(2026, 12, 31)},
                                       {QDate(2027, 3, 31), Qt::Key_PageUp, QDate(2027, 2, 28)},
                                       {QDate(2027, 3, 1), Qt::Key_PageUp, QDate(2027, 2, 1)},
                                       {QDate(2027, 1, 31), Qt::Key_PageDown, QDate(2027, 2, 28)},
                                       {QDate(2027, 2, 1), Qt::Key_PageDown, QDate(2027, 3, 1)},
                                       {QDate(2028, 2, 3), Qt::Key_End, QDate(2028, 2, 29)},
                                       {QDate(2027, 4, 3), Qt::Key_End, QDate(2027, 4, 30)}}) {
            pKalender->AuswahlSetzen(von);
            QTest::keyClick(pKalender, taste);
            GewaehltGenau(gewaehlt, tag);
            QVERIFY(pKalender->TagRechteck(tag).isValid());
        }
        pKalender->AuswahlSetzen(QDate(2026, 12, 6));  // the months on show at start
        pKalender->AuswahlSetzen(QDate(2027, 5, 31));  // last day of the last month
        QTest::keyClick(pKalender, Qt::Key_Right);
        GewaehltGenau(gewaehlt, QDate(2027, 6, 1));
        QCOMPARE(pKalender->ErsterMonat(), QDate(2027, 1, 1));
    }

    // Days outside the range are neither offered nor reached by arrow or
    // key (a pick there would bring up the error).
    void kalenderNichtsAusserhalbDesBereichs() {
        CMonatsKalender* pKalender = m_f->Kalender();
        QSignalSpy gewaehlt(pKalender, &CMonatsKalender::TagGewaehlt);
        m_f->Mit({}, [&] {
            pKalender->AuswahlSetzen(QDate(1900, 1, 1));
            QTest::mouseClick(pKalender, Qt::LeftButton, {},
                              pKalender->PfeilZurueckRechteck().center());
            QCOMPARE(pKalender->ErsterMonat(), QDate(1900, 1, 1));
            m_f->Waehlen(QDate(1899, 12, 31));  // shown greyed
            QTest::keyClick(pKalender, Qt::Key_Left);
            pKalender->AuswahlSetzen(QDate(9999, 12, 31));
            QTest::mouseClick(pKalender, Qt::LeftButton, {},
                              pKalender->PfeilVorRechteck().center());
            QCOMPARE(pKalender->ErsterMonat(), QDate(9999, 7, 1));  // December in the last block
            m_f->Waehlen(QDate(10000, 1, 1));
            QTest::keyClick(pKalender, Qt::Key_Right);
        });
        QCOMPARE(gewaehlt.count(), 0);
        QCOMPARE(pKalender->Auswahl(), QDate(9999, 12, 31));
    }

    void abbrechenFragtErst_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("ja");
        for (const char* weg : {"Abbrechen", "Escape", "close box", "window menu"})
            for (bool ja : {true, false}) QTest::addRow("%s, %d", weg, ja) << weg << ja;
    }
    void abbrechenFragtErst() {
        QFETCH(QString, weg);
        QFETCH(bool, ja);
        m_f->Tippen(QStringLiteral("Zahnarzt\n10 Uhr"));
        Meldung frage;
        Fensterfolge folge(&m_f->m_dlg);
        if (weg == "window menu")
            folge.Dann(
                [](QWidget* pMenue) { MenuePunktKlicken(pMenue, QStringLiteral("Schließen")); });
        folge.Dann(frage.Antwort(ja ? QMessageBox::Yes : QMessageBox::No));
        folge.Ausfuehren([&] {
            if (weg == "Abbrechen")
                Klicken(&m_f->m_dlg, "IDCANCEL");
            else if (weg == "Escape")
                QTest::keyClick(m_f->Editor(), Qt::Key_Escape);
            else if (weg == "close box")
                m_f->m_dlg.windowHandle()->close();
            else
                FensterMenue();
        });
        QCOMPARE(frage.titel, QStringLiteral("Dorvane"));
        QCOMPARE(frage.text,
                 QStringLiteral(
                     "Die eingegebene Änderungen werden nicht gespeichert sein!\n"
                     "Möchten Sie wirklich das Programm verlassen ohne Änderungen zu speichern?"));
        QCOMPARE(frage.knoepfe, QStringLiteral("&Ja|&Nein|"));
        QCOMPARE(m_f->m_dlg.isVisible(), !ja);
        QCOMPARE(Text(), QStringLiteral("Zahnarzt\n10 Uhr"));
    }

    // Samoa skipped 30 December 2011. Picking it shows the error; the
    // calendar goes back to the day the editor shows, so the text typed next
    // is filed under the day on show, and every filed note stays.
    void tagDenDieZoneAuslaesst() {
        m_f.reset();
        m_zone = std::make_unique<orakel::Zone>("Pacific/Apia");
        Oeffnen(Moment(2011, 12, 29, 12));
        m_f->NotizenAnlegen({{QDate(2011, 12, 31), QStringLiteral("Silvester")}},
                            QDate(2011, 12, 29));
        m_f->Tippen(QStringLiteral("Jahreswechsel"));
        Meldung fehler;
        m_f->Mit({fehler.Antwort(QMessageBox::Ok)}, [&] { m_f->Waehlen(QDate(2011, 12, 30)); });
        QCOMPARE(fehler.text, QStringLiteral("Falscher Parameter."));
        QCOMPARE(m_f->Kalender()->Auswahl(), QDate(2011, 12, 29));
        QCOMPARE(m_f->Tag(), Beschriftung(QDate(2011, 12, 29)));

        m_f->Tippen(QStringLiteral(" fällt aus"));
        QTest::keyClick(m_f->Kalender(), Qt::Key_Left);
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        QCOMPARE(Text(), QStringLiteral("Jahreswechsel fällt aus"));
        BYTEGLEICH(Alle(), orakel::Suchabschnitt({2011, 12, 29}, "Jahreswechsel f\xE4llt aus") +
                               orakel::Suchabschnitt({2011, 12, 31}, "Silvester"));
    }

    void fensterMenueOeffnetInfo() {
        QString titel, produkt;
        m_f->Mit({[](QWidget* pMenue) {
                      MenuePunktKlicken(pMenue, QStringLiteral("&Info über Dorvane..."));
                  },
                  [&](QWidget* pInfo) {
                      titel = pInfo->windowTitle();
                      produkt = Steuerelement<QLabel>(pInfo, "IDC_STATIC")->text();
                      QVERIFY(!Steuerelement<QLabel>(pInfo, "IDR_MAINFRAME")->pixmap().isNull());
                      QTest::keyClick(pInfo, Qt::Key_Return);
                  }},
                 [&] { FensterMenue(); });
        QCOMPARE(titel, QStringLiteral("Info über Dorvane"));
        QCOMPARE(produkt, QStringLiteral("Dorvane Version 1.0"));
        QVERIFY(m_f->m_dlg.isVisible());
    }

    // From the application's start no crash can dump the notes: the
    // process is not dumpable, even where a core limit would allow it
    // (tests/absturz/keine-spuren crashes the real program).
    void keinSpeicherabbild() {
        QCOMPARE(prctl(PR_GET_DUMPABLE, 0, 0, 0, 0), 0);
        rlimit grenze{};
        QCOMPARE(getrlimit(RLIMIT_CORE, &grenze), 0);
        QCOMPARE(grenze.rlim_max, rlim_t{0});
    }

    // Enter in the editor is a new line; elsewhere it is "OK", which asks
    // nothing, and the program ends with the main window.
    void okEndetOhneFrage() {
        m_f.reset();
        Fensterfolge(nullptr)
            .Dann([](QWidget* pFenster) {
                QCOMPARE(pFenster->windowTitle(), QStringLiteral("Dorvane"));
                auto* pEditor = Steuerelement<CNotizEdit>(pFenster, "IDC_NOTIZ");
                Tippen(pEditor, QStringLiteral("erste\nzweite"));
                QCOMPARE(pEditor->toPlainText(), QStringLiteral("erste\nzweite"));
                auto* pKalender = Steuerelement<CMonatsKalender>(pFenster, "IDC_KALENDER");
                pKalender->setFocus();
                QTest::keyClick(pKalender, Qt::Key_Return);
            })
            .Ausfuehren([] { QVERIFY(!static_cast<CKalenderApp*>(qApp)->InitInstance()); });
    }

    // The note dialog edits the editor's text, Enter a new line there; the
    // text reaches the store with the next change of day. "Leeren" and "OK"
    // remove the day's note at once; cancelled, nothing changes.
    void notizDialog_data() {
        QTest::addColumn<bool>("leeren");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("danach");  // the editor's bytes
        QTest::newRow("ergänzt, OK")
            << false << true << QByteArray("Zahnarzt\r\n10 Uhr\r\nPraxis M\xFCller");
        QTest::newRow("geleert, OK") << true << true << QByteArray();
        QTest::newRow("geleert, Abbrechen") << true << false << QByteArray("Zahnarzt\r\n10 Uhr");
    }
    void notizDialog() {
        QFETCH(bool, leeren);
        QFETCH(bool, ok);
        QFETCH(QByteArray, danach);
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 6));
        QTest::keyClick(m_f->Editor(), Qt::Key_End, Qt::ControlModifier);
        m_f->Tippen(QStringLiteral("\n10 Uhr"));
        QString titel, name;
        std::string text;
        QStringList tabfolge;  // from the focus at opening, Tab by Tab, in the form's order
        m_f->Befehl("ID_NOTIZ", {[&](QWidget* pNotiz) {
                        for (int i = 0; i < 4; ++i) {
                            tabfolge += QApplication::focusWidget()->objectName();
                            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                        }
                        titel = pNotiz->windowTitle();
                        name = Name(TextVon(pNotiz));
                        text = TextVon(pNotiz)->KernText();
                        QTest::keyClick(TextVon(pNotiz), Qt::Key_End, Qt::ControlModifier);
                        Tippen(TextVon(pNotiz), QStringLiteral("\nPraxis Müller"));
                        if (leeren) Klicken(pNotiz, "IDC_LEEREN");
                        Klicken(pNotiz, ok ? "IDOK" : "IDCANCEL");
                    }});
        QCOMPARE(titel,
                 QStringLiteral(
                     "Notiz für 06. Dezember 2026,   Sonntag,   Woche = 49,   Jahrestag = 340"));
        QCOMPARE(name, titel);  // what a screen reader calls the box
        QCOMPARE(tabfolge, QStringList({"IDC_NOTIZ", "IDC_LEEREN", "IDCANCEL", "IDOK"}));
        QCOMPARE(text, std::string("Zahnarzt\r\n10 Uhr"));
        QCOMPARE(m_f->Editor()->KernText(), danach.toStdString());
        QCOMPARE(Alle(), leeren && ok ? std::string() : Sechster("Zahnarzt"));
        m_f->Waehlen(QDate(2026, 12, 7));
        QCOMPARE(Alle(), danach.isEmpty() ? std::string() : Sechster(danach.toStdString()));
    }

    // Enter is "OK" and a character Windows-1252 cannot hold is refused; the
    // next search starts empty, and cancelled it opens no report.
    void suchfeldEnterAblehnenUndAbbrechen() {
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 7));
        QString tooltip, name, zweiterAnfang = QStringLiteral("?");
        std::string bericht;
        m_f->Befehl("ID_FINDEN",
                    {[&](QWidget* pFinden) {
                         auto* pSuche = Steuerelement<QLineEdit>(pFinden, "IDC_SUCHE");
                         Tippen(pSuche, QStringLiteral("Zahnő"));
                         tooltip = QToolTip::isVisible() ? QToolTip::text() : QString();
                         QTest::keyClick(pSuche, Qt::Key_Return);
                     },
                     [&](QWidget* pBericht) {
                         bericht = BerichtVon(pBericht)->Zeilen().KernText();
                         Klicken(pBericht, "IDOK");  // leaves the report in the dialog text
                     }});
        QCOMPARE(tooltip, QStringLiteral("Ein Suchbegriff kann dieses Zeichen nicht enthalten: ő"));
        QCOMPARE(bericht, Sechster("Zahnarzt"));
        m_f->Befehl("ID_FINDEN", {[&](QWidget* pFinden) {
                        auto* pSuche = Steuerelement<QLineEdit>(pFinden, "IDC_SUCHE");
                        zweiterAnfang = pSuche->text();
                        name = Name(pSuche);
                        Klicken(pFinden, "IDCANCEL");
                    }});
        QCOMPARE(zweiterAnfang, QString());
        QCOMPARE(name, QStringLiteral("Suchbegriff"));
    }

    // The report opens also when empty, under its caption; it can be
    // selected and copied, not changed. "Heute" follows the clock.
    void termineNurLesenAberKopierbar() {
        m_f->Tippen(QStringLiteral("[TERMIN] Zahnarzt 10 Uhr"));
        const auto leer = m_f->Termine();
        QCOMPARE(leer.titel, QStringLiteral("Termine für die nächste 100 Tage"));
        QCOMPARE(leer.text, std::string());  // not filed yet
        m_f->NotizenAnlegen({{QDate(2026, 12, 8), "[Termin] Elternabend\nKuchen backen"}},
                            QDate(2026, 12, 6));
        const std::string erwartet = orakel::Terminzeile({2026, 12, 6}, 0, "Zahnarzt 10 Uhr") +
                                     orakel::Terminzeile({2026, 12, 8}, 2, "Elternabend");
        bool offenUndLeerenGrau = false;
        std::string bericht;
        QApplication::clipboard()->clear();
        m_f->Befehl("ID_TERMINE", {[&](QWidget* pBericht) {
                        CBerichtsansicht* pText = BerichtVon(pBericht);
                        Tippen(pText, QStringLiteral("x\n"));
                        QTest::keyClick(pText, Qt::Key_Delete);
                        Klicken(pBericht, "IDC_LEEREN");
                        offenUndLeerenGrau =
                            pBericht->isVisible() &&
                            !Steuerelement<QPushButton>(pBericht, "IDC_LEEREN")->isEnabled();
                        QTest::keyClick(pText, Qt::Key_A, Qt::ControlModifier);
                        QTest::keyClick(pText, Qt::Key_C, Qt::ControlModifier);
                        bericht = pText->Zeilen().KernText();
                        Klicken(pBericht, "IDOK");
                    }});
        QVERIFY(offenUndLeerenGrau);
        BYTEGLEICH(bericht, erwartet);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromLatin1(erwartet).replace("\r\n", "\n"));

        m_f->m_jetzt = Moment(2026, 12, 7, 0, 30);  // left open past midnight
        const std::string morgen = orakel::Terminzeile({2026, 12, 8}, 1, "Elternabend");
        QCOMPARE(m_f->Termine().text.substr(0, morgen.size()), morgen);
        QCOMPARE(m_f->Kalender()->Heute(), QDate(2026, 12, 7));
    }
};

FENSTERTEST_MAIN(TestHauptfenster)

#include "tst_hauptfenster.moc"
