// The program as a user meets it: picking days and typing, closing with and
// without the question, a day the core cannot convert, the window menu with
// the About box, help, and the three commands with their dialogs end to end.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <QWindow>
#include <memory>

#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "testhilfen.h"

namespace {

const std::string kSechster = "==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\n";
const std::string kFuenfzehnter =
    "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\nZahnarzt Kontrolle\r\n";

CNotizEdit* TextVon(QWidget* pDialog) {
    return pDialog->findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ"));
}

// What a message box showed; answers with `knopf`.
struct Box {
    QString titel, text, knoepfe;

    ModalFolge::Antwort Antwort(QMessageBox::StandardButton knopf) {
        return [this, knopf](QWidget* pFenster) {
            auto* pBox = qobject_cast<QMessageBox*>(pFenster);
            QVERIFY(pBox != nullptr);
            titel = pBox->windowTitle();
            text = pBox->text();
            for (QAbstractButton* pKnopf : pBox->buttons()) knoepfe += pKnopf->text() + '|';
            QTest::mouseClick(pBox->button(knopf), Qt::LeftButton);
        };
    }
};

}  // namespace

class TestHauptfenster : public Fenstertest {
    Q_OBJECT

    QString Text() { return m_f->Editor()->toPlainText(); }
    // Runs `befehl` of the main window with the dialogs it opens handled
    // by `antworten`, in order.
    void Befehl(const char* befehl, std::initializer_list<ModalFolge::Antwort> antworten) {
        ModalFolge folge(&m_f->m_dlg);
        for (const auto& antwort : antworten) folge.Dann(antwort);
        Klicken(&m_f->m_dlg, befehl);
        QVERIFY(folge.AlleBeantwortet());
    }

private slots:
    void init() { Oeffnen(Moment(2026, 12, 6, 14, 30)); }
    void cleanup() { Schliessen(); }

    void notizenFolgenIhrenTagen() {
        CMonatsKalender* pKalender = m_f->Kalender();
        QVERIFY(pKalender->AnzahlMonate() > 1);  // whole months, as many as fit
        const QDate letzter =
            pKalender->ErsterMonat().addMonths(pKalender->AnzahlMonate()).addDays(-1);
        QVERIFY(pKalender->rect().contains(pKalender->TagRechteck(letzter)));

        // Three blanks at start-up, two after a pick: deliberate.
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   06.12.2026"));
        QCOMPARE(QApplication::focusWidget(), m_f->Editor());
        m_f->Tippen(QStringLiteral("Zahnarzt"));
        m_f->MitMausWaehlen(QDate(2026, 12, 24));
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  24.12.2026"));
        QCOMPARE(Text(), QString());
        m_f->Tippen(QStringLiteral("Bescherung"));
        QTest::keyClick(pKalender, Qt::Key_Down);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  31.12.2026"));
        QCOMPARE(Text(), QString());
        QTest::keyClick(pKalender, Qt::Key_Up);
        QCOMPARE(Text(), QStringLiteral("Bescherung"));

        // Emptied, the editor takes the day's note with it at the next pick.
        QTest::keyClick(m_f->Editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_f->Editor(), Qt::Key_Delete);
        m_f->MitMausWaehlen(QDate(2026, 12, 6));
        QCOMPARE(Text(), QStringLiteral("Zahnarzt"));
        Suchen(QString());
        QCOMPARE(m_bericht, kSechster + "Zahnarzt\r\n");
    }

    // What Windows-1252 cannot hold is refused, typed or pasted, and said so.
    void textGehtAlsWindows1252MitCrLfInDenKern() {
        m_f->Tippen(QStringLiteral("Grüße € «ok»\nZeile 2→"));
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("Dieses Zeichen kann eine Notiz nicht aufnehmen: →"));
        QTest::keyClick(m_f->Editor(), Qt::Key_Return, Qt::ShiftModifier);
        for (const char* eingefuegt : {"Łódź", "Küsse"}) {
            QApplication::clipboard()->setText(QString::fromUtf8(eingefuegt));
            QTest::keyClick(m_f->Editor(), Qt::Key_V, Qt::ControlModifier);
        }
        m_f->MitMausWaehlen(QDate(2026, 12, 7));
        Suchen(QStringLiteral("GRÜ"));
        QCOMPARE(m_titel, QStringLiteral("Gefundene Notizen mit \"grü\""));
        QCOMPARE(m_bericht, kSechster +
                                "Gr\xFC\xDF"
                                "e \x80 \xABok\xBB\r\nZeile 2\r\nK\xFCsse\r\n");
        m_f->MitMausWaehlen(QDate(2026, 12, 6));
        QCOMPARE(Text(), QStringLiteral("Grüße € «ok»\nZeile 2\nKüsse"));
    }

    // Enter in the editor is a new line; elsewhere it is "OK", which asks nothing.
    void okEndetOhneFrage() {
        ModalFolge keinFenster(&m_f->m_dlg);
        m_f->Tippen(QStringLiteral("erste\nzweite"));
        QCOMPARE(Text(), QStringLiteral("erste\nzweite"));
        m_f->Kalender()->setFocus();
        QTest::keyClick(m_f->Kalender(), Qt::Key_Return);
        QVERIFY(!m_f->m_dlg.isVisible());
        QCOMPARE(m_f->m_dlg.result(), int(QDialog::Accepted));
    }

    void abbrechenFragtErst_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("ja");
        for (const char* weg : {"Abbrechen", "Escape", "close box", "window menu"}) {
            QTest::addRow("%s, Ja", weg) << weg << true;
            QTest::addRow("%s, Nein", weg) << weg << false;
        }
    }
    void abbrechenFragtErst() {
        QFETCH(QString, weg);
        QFETCH(bool, ja);
        m_f->Tippen(QStringLiteral("Zahnarzt\n10 Uhr"));
        Box frage;
        ModalFolge folge(&m_f->m_dlg);
        if (weg == "window menu")
            folge.Dann(
                [](QWidget* pMenue) { MenuePunktKlicken(pMenue, QStringLiteral("Schließen")); });
        folge.Dann(frage.Antwort(ja ? QMessageBox::Yes : QMessageBox::No));
        if (weg == "Abbrechen")
            Klicken(&m_f->m_dlg, "IDCANCEL");
        else if (weg == "Escape")
            QTest::keyClick(m_f->Editor(), Qt::Key_Escape);
        else if (weg == "close box")
            m_f->m_dlg.windowHandle()->close();
        else
            m_f->Rechtsklick(m_f->m_dlg.findChild<QLabel*>("IDC_TAG")->geometry().center());
        QVERIFY(folge.AlleBeantwortet());

        QCOMPARE(frage.titel, QStringLiteral("Dorvane"));
        QCOMPARE(frage.text,
                 QStringLiteral(
                     "Die eingegebene Änderungen werden nicht gespeichert sein!\n"
                     "Möchten Sie wirklich das Programm verlassen ohne Änderungen zu speichern?"));
        QCOMPARE(frage.knoepfe, QStringLiteral("&Ja|&Nein|"));
        QCOMPARE(m_f->m_dlg.isVisible(), !ja);
        QCOMPARE(Text(), QStringLiteral("Zahnarzt\n10 Uhr"));
    }

    // The error is shown, and the calendar goes back to the day the editor
    // shows, so the text typed next is filed under the day on show.
    void fehlerFuehrtKalenderZurueck() {
        qputenv("TZ", "Pacific/Apia");  // went from 29 to 31 December 2011
        Oeffnen(Moment(2011, 12, 29, 12, 0));
        m_f->Tippen(QStringLiteral("Jahreswechsel"));
        Box fehler;
        ModalFolge folge(&m_f->m_dlg);
        folge.Dann(fehler.Antwort(QMessageBox::Ok));
        m_f->Kalender()->setFocus();
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(fehler.text, QStringLiteral("Falscher Parameter."));
        QCOMPARE(m_f->Kalender()->Auswahl(), QDate(2011, 12, 29));
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   29.12.2011"));

        m_f->Tippen(QStringLiteral(" fällt aus"));
        QTest::keyClick(m_f->Kalender(), Qt::Key_Left);
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  29.12.2011"));
        QCOMPARE(Text(), QStringLiteral("Jahreswechsel fällt aus"));
    }

    void fensterMenueOeffnetInfo() {
        QString titel, produkt;
        ModalFolge folge(&m_f->m_dlg);
        folge
            .Dann([](QWidget* pMenue) {
                MenuePunktKlicken(pMenue, QStringLiteral("&Info über Dorvane..."));
            })
            .Dann([&](QWidget* pInfo) {
                titel = pInfo->windowTitle();
                produkt = pInfo->findChild<QLabel*>("IDC_STATIC")->text();
                QVERIFY(!pInfo->findChild<QLabel*>("IDR_MAINFRAME")->pixmap().isNull());
                QTest::keyClick(pInfo, Qt::Key_Return);
            });
        m_f->Rechtsklick(m_f->m_dlg.findChild<QLabel*>("IDC_TAG")->geometry().center());
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(titel, QStringLiteral("Info über Dorvane"));
        QCOMPARE(produkt, QStringLiteral("Dorvane Version 1.0"));
        QVERIFY(m_f->m_dlg.isVisible());
    }

    // The manual opens in a window of its own that takes input while the
    // main window runs modally; the main window stays as it was.
    void hilfeOeffnetDasHandbuch() {
        m_f->Tippen(QStringLiteral("Zahnarzt"));
        Klicken(&m_f->m_dlg, "ID_HELP");
        QWidget* pHilfe = Hilfefenster();
        QVERIFY(pHilfe != nullptr);
        QCOMPARE(pHilfe->windowTitle(), QStringLiteral("Dorvane-Hilfe"));
        auto* pText = pHilfe->findChild<QTextBrowser*>();
        QVERIFY(pText->toPlainText().contains(QStringLiteral("Dorvane")));
        QTest::mouseClick(pHilfe->windowHandle(), Qt::LeftButton, {},
                          pText->viewport()->mapTo(pHilfe, pText->viewport()->rect().center()));
        QVERIFY(pText->textCursor().position() > 0);  // the click got through
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   06.12.2026"));
        QCOMPARE(Text(), QStringLiteral("Zahnarzt"));
    }

    void programmEndetMitDemHauptfenster() {
        m_f.reset();
        ModalFolge folge;
        folge.Dann([](QWidget* pFenster) {
            QCOMPARE(pFenster->windowTitle(), QStringLiteral("Dorvane"));
            Klicken(pFenster, "IDOK");
        });
        QVERIFY(!static_cast<CKalenderApp*>(qApp)->InitInstance());
        QVERIFY(folge.AlleBeantwortet());
    }

    // Enter in the note dialog is a new line; its text comes back to the
    // editor, and reaches the store with the next change of day.
    void notizBearbeitetDenTextDesEditors() {
        m_f->Tippen(QStringLiteral("Zahnarzt\n10 Uhr"));
        std::string text;
        Befehl("ID_NOTIZ", {[&](QWidget* pNotiz) {
                   m_titel = pNotiz->windowTitle();
                   text = TextVon(pNotiz)->KernText();
                   QTest::keyClick(TextVon(pNotiz), Qt::Key_End, Qt::ControlModifier);
                   Tippen(TextVon(pNotiz), QStringLiteral("\nPraxis Müller"));
                   Klicken(pNotiz, "IDOK");
               }});
        QCOMPARE(m_titel,
                 QStringLiteral(
                     "Notiz für 06. Dezember 2026,   Sonntag,   Woche = 49,   Jahrestag = 340"));
        QCOMPARE(text, std::string("Zahnarzt\r\n10 Uhr"));
        QCOMPARE(m_f->Editor()->KernText(), std::string("Zahnarzt\r\n10 Uhr\r\nPraxis M\xFCller"));
        Suchen(QString());
        QCOMPARE(m_bericht, std::string());
        m_f->MitMausWaehlen(QDate(2026, 12, 7));
        Suchen(QString());
        QCOMPARE(m_bericht, kSechster + "Zahnarzt\r\n10 Uhr\r\nPraxis M\xFCller\r\n");
    }

    // "Leeren" and "OK" remove the day's note at once; cancelled, nothing changes.
    void notizGeleert_data() {
        QTest::addColumn<QString>("weg");
        for (const char* weg : {"OK", "Abbrechen", "Escape"}) QTest::newRow(weg) << weg;
    }
    void notizGeleert() {
        QFETCH(QString, weg);
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 6));
        QTest::keyClick(m_f->Editor(), Qt::Key_End, Qt::ControlModifier);
        m_f->Tippen(QStringLiteral(" morgen"));
        Befehl("ID_NOTIZ", {[weg](QWidget* pNotiz) {
                   Klicken(pNotiz, "IDC_LEEREN");
                   if (weg == "Escape")
                       QTest::keyClick(TextVon(pNotiz), Qt::Key_Escape);
                   else
                       Klicken(pNotiz, weg == "OK" ? "IDOK" : "IDCANCEL");
               }});
        const bool ok = weg == "OK";
        QCOMPARE(Text(), ok ? QString() : QStringLiteral("Zahnarzt morgen"));
        Suchen(QString());
        QCOMPARE(m_bericht, ok ? std::string() : kSechster + "Zahnarzt\r\n");
    }

    // The term as typed, blanks included; the caption deliberately shows it
    // as the search left it, lower-cased.
    void findenZeigtTrefferUnterKleinemBegriff() {
        m_f->NotizenAnlegen({{QDate(2027, 1, 15), "Zahnarzt Kontrolle"},
                             {QDate(2026, 12, 24), "[TERMIN] Bescherung"},
                             {QDate(2026, 12, 6), "Zahnarzt"}},
                            QDate(2026, 12, 7));
        Suchen(QStringLiteral("ZAHN"));
        QCOMPARE(m_titel, QStringLiteral("Gefundene Notizen mit \"zahn\""));
        QCOMPARE(m_bericht, kSechster + "Zahnarzt\r\n" + kFuenfzehnter);
        Suchen(QStringLiteral("ARZT "));
        QCOMPARE(m_titel, QStringLiteral("Gefundene Notizen mit \"arzt \""));
        QCOMPARE(m_bericht, kFuenfzehnter);
        Suchen(QStringLiteral("[*]"));
        QCOMPARE(m_titel, QStringLiteral("Gefundene Notizen mit \"[*]\""));
        Suchen(QString());
        QCOMPARE(m_titel, QStringLiteral("Alle eingegebene Notizen"));
        QCOMPARE(m_bericht,
                 kSechster +
                     "Zahnarzt\r\n==========\tNotiz f\xFCr 24. Dez 2026, Donn\t==========\r\n"
                     "[TERMIN] Bescherung\r\n" +
                     kFuenfzehnter);
    }

    // Enter is "OK" and a character Windows-1252 cannot hold is refused; the
    // next search starts empty, and cancelled it opens no report.
    void suchfeldEnterAblehnenUndAbbrechen() {
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 7));
        QString tooltip, zweiterAnfang = QStringLiteral("?");
        Befehl("ID_FINDEN", {[&](QWidget* pFinden) {
                                 auto* pSuche =
                                     pFinden->findChild<QLineEdit*>(QStringLiteral("IDC_SUCHE"));
                                 Tippen(pSuche, QStringLiteral("Zahnő"));
                                 tooltip = QToolTip::isVisible() ? QToolTip::text() : QString();
                                 QTest::keyClick(pSuche, Qt::Key_Return);
                             },
                             [&](QWidget* pBericht) {
                                 m_bericht = TextVon(pBericht)->KernText();
                                 Klicken(pBericht, "IDOK");  // leaves the report in the dialog text
                             }});
        QCOMPARE(tooltip, QStringLiteral("Dieses Zeichen kann eine Notiz nicht aufnehmen: ő"));
        QCOMPARE(m_bericht, kSechster + "Zahnarzt\r\n");
        Befehl("ID_FINDEN", {[&](QWidget* pFinden) {
                   zweiterAnfang =
                       pFinden->findChild<QLineEdit*>(QStringLiteral("IDC_SUCHE"))->text();
                   Klicken(pFinden, "IDCANCEL");
               }});
        QCOMPARE(zweiterAnfang, QString());
    }

    // The report opens also when empty, under its caption; it can be
    // selected and copied, not changed. "Heute" follows the clock.
    void termineNurLesenAberKopierbar() {
        m_f->Tippen(QStringLiteral("[TERMIN] Zahnarzt 10 Uhr"));
        m_f->Bericht(nullptr, m_titel, m_bericht);
        QCOMPARE(m_titel, QStringLiteral("Termine für die nächste 100 Tage"));
        QCOMPARE(m_bericht, std::string());  // not filed yet
        m_f->NotizenAnlegen({{QDate(2026, 12, 5), "[TERMIN] Altpapier"},
                             {QDate(2026, 12, 8), "[Termin] Elternabend\nKuchen backen"},
                             {QDate(2027, 3, 16), "[TERMIN] Steuerberater"},
                             {QDate(2027, 3, 17), "[TERMIN] Zeugnisse"}},
                            QDate(2026, 12, 6));
        const std::string erwartet =
            "06. Dez\t2026\tSonn\tHeute\t\tZahnarzt 10 Uhr\r\n"
            "08. Dez\t2026\tDien\t\xDC"
            "bermorgen\tElternabend\r\n"
            "16. M\xE4r\t2027\tDien\t100\t\tSteuerberater\r\n";
        bool offenUndLeerenGrau = false;
        QApplication::clipboard()->clear();
        Befehl("ID_TERMINE", {[&](QWidget* pBericht) {
                   CNotizEdit* pText = TextVon(pBericht);
                   Tippen(pText, QStringLiteral("x\n"));
                   QTest::keyClick(pText, Qt::Key_Delete);
                   Klicken(pBericht, "IDC_LEEREN");
                   offenUndLeerenGrau =
                       pBericht->isVisible() &&
                       !pBericht->findChild<QPushButton*>("IDC_LEEREN")->isEnabled();
                   QTest::keyClick(pText, Qt::Key_A, Qt::ControlModifier);
                   QTest::keyClick(pText, Qt::Key_C, Qt::ControlModifier);
                   m_bericht = pText->KernText();
                   Klicken(pBericht, "IDOK");
               }});
        QVERIFY(offenUndLeerenGrau);
        QCOMPARE(m_bericht, erwartet);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromLatin1(erwartet).replace("\r\n", "\n"));

        m_f->m_jetzt = Moment(2026, 12, 7, 0, 30);  // left open past midnight
        m_f->Bericht(nullptr, m_titel, m_bericht);
        const std::string morgen = "08. Dez\t2026\tDien\tMorgen\t\tElternabend\r\n";
        QCOMPARE(m_bericht.substr(0, morgen.size()), morgen);
        QCOMPARE(m_f->Kalender()->Heute(), QDate(2026, 12, 7));
    }
};

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    TestHauptfenster test;
    return FenstertestAusfuehren(test, argc, argv);
}

#include "tst_hauptfenster.moc"
