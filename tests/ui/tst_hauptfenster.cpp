// The main window as a user meets it: start-up, picking days, typing,
// closing with and without the question, a day the core cannot convert,
// the stand-in window menu with the About box, and help.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>
#include <memory>

#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "testhilfen.h"

namespace {

const QString kFrage = QStringLiteral(
    "Die eingegebene Änderungen werden nicht gespeichert sein!\n"
    "Möchten Sie wirklich das Programm verlassen ohne Änderungen zu speichern?");

// What a message box showed; answers with `knopf`.
struct Box {
    QString titel, text, knoepfe;
    QMessageBox::Icon symbol = QMessageBox::Warning;
    bool erstesVorgewaehlt = false;

    ModalFolge::Antwort Antwort(QMessageBox::StandardButton knopf) {
        return [this, knopf](QWidget* pFenster) {
            auto* pBox = qobject_cast<QMessageBox*>(pFenster);
            QVERIFY(pBox != nullptr);
            titel = pBox->windowTitle();
            text = pBox->text();
            symbol = pBox->icon();
            for (QAbstractButton* pKnopf : pBox->buttons())
                knoepfe += pKnopf->text() + '|';
            erstesVorgewaehlt = pBox->defaultButton() == pBox->buttons().value(0);
            QTest::mouseClick(pBox->button(knopf), Qt::LeftButton);
        };
    }
};

// Counts the mouse presses that reach a widget.
struct Druecke : QObject {
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        anzahl += e->type() == QEvent::MouseButtonPress;
        return false;
    }
};

QWidgetList Hilfefenster() {
    QWidgetList hilfen;
    for (QWidget* pFenster : QApplication::topLevelWidgets())
        if (pFenster->objectName() == QLatin1String("Hilfe") && pFenster->isVisible())
            hilfen << pFenster;
    return hilfen;
}

}  // namespace

class TestHauptfenster : public QObject {
    Q_OBJECT

    std::unique_ptr<Testfenster> m_f;
    const QByteArray m_zone = qgetenv("TZ");

    void Oeffnen(Datumswert jetzt) {
        m_f = std::make_unique<Testfenster>(jetzt);
        m_f->Zeigen();
    }
    // Beside the command buttons, where no control is.
    QPoint FreieStelle() {
        const QRect termine = m_f->m_dlg.findChild<QPushButton*>("ID_TERMINE")->geometry();
        return {termine.right() + 30, termine.center().y()};
    }

private slots:
    void init() { Oeffnen(Moment(2026, 12, 6, 14, 30)); }
    void cleanup() {
        m_f.reset();
        qputenv("TZ", m_zone);
    }

    void notizenFolgenIhrenTagen() {
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   06.12.2026"));
        QCOMPARE(m_f->Kalender()->Heute(), QDate(2026, 12, 6));
        QCOMPARE(QApplication::focusWidget(), m_f->Editor());
        m_f->Tippen(QStringLiteral("Zahnarzt"));
        m_f->MitMausWaehlen(QDate(2026, 12, 24));
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  24.12.2026"));
        QCOMPARE(m_f->Editor()->toPlainText(), QString());

        m_f->Tippen(QStringLiteral("Bescherung"));
        QTest::keyClick(m_f->Kalender(), Qt::Key_Down);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  31.12.2026"));
        QCOMPARE(m_f->Editor()->toPlainText(), QString());

        m_f->MitMausWaehlen(QDate(2026, 12, 6));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Zahnarzt"));
        QTest::keyClick(m_f->Kalender(), Qt::Key_PageDown);  // 6 January
        for (int i = 0; i < 13; ++i)
            QTest::keyClick(m_f->Kalender(), Qt::Key_Left);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  24.12.2026"));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Bescherung"));
    }

    void geleerterEditorEntferntDieNotiz() {
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 7));
        m_f->MitMausWaehlen(QDate(2026, 12, 6));
        QTest::keyClick(m_f->Editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_f->Editor(), Qt::Key_Delete);
        m_f->MitMausWaehlen(QDate(2026, 12, 7));
        const QString alle;
        QString titel;
        std::string bericht = "?";
        m_f->Bericht(&alle, titel, bericht);
        QCOMPARE(bericht, std::string());
    }

    void textGehtAlsWindows1252MitCrLfInDenKern() {
        m_f->Tippen(QStringLiteral("Grüße € «ok»\nZeile 2→"));  // no arrow in Windows-1252
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Grüße € «ok»\nZeile 2"));
        m_f->MitMausWaehlen(QDate(2026, 12, 7));

        const QString begriff = QStringLiteral("GRÜ");
        QString titel;
        std::string bericht;
        m_f->Bericht(&begriff, titel, bericht);
        QCOMPARE(titel, QStringLiteral("Gefundene Notizen mit \"grü\""));
        QCOMPARE(bericht, std::string("==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\n"
                                      "Gr\xFC\xDF" "e \x80 \xABok\xBB\r\nZeile 2\r\n"));
        m_f->MitMausWaehlen(QDate(2026, 12, 6));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Grüße € «ok»\nZeile 2"));
    }

    // Enter in the editor is a new line; elsewhere it is "OK", which asks nothing.
    void okEndetOhneFrage() {
        ModalFolge keinFenster(&m_f->m_dlg);
        m_f->Tippen(QStringLiteral("erste\nzweite"));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("erste\nzweite"));
        QVERIFY(m_f->m_dlg.isVisible());
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
            folge.Dann([](QWidget* pMenue) { MenuePunktKlicken(pMenue, QStringLiteral("Schließen")); });
        folge.Dann(frage.Antwort(ja ? QMessageBox::Yes : QMessageBox::No));
        if (weg == "Abbrechen")
            Klicken(&m_f->m_dlg, "IDCANCEL");
        else if (weg == "Escape")
            QTest::keyClick(m_f->Editor(), Qt::Key_Escape);
        else if (weg == "close box")
            m_f->m_dlg.windowHandle()->close();
        else
            m_f->Rechtsklick(FreieStelle());
        QVERIFY(folge.AlleBeantwortet());

        QCOMPARE(frage.titel, QStringLiteral("Dorvane"));
        QCOMPARE(frage.text, kFrage);
        QCOMPARE(frage.knoepfe, QStringLiteral("&Ja|&Nein|"));
        QCOMPARE(frage.symbol, QMessageBox::NoIcon);
        QVERIFY(frage.erstesVorgewaehlt);
        QCOMPARE(m_f->m_dlg.isVisible(), !ja);
        if (!ja)
            QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Zahnarzt\n10 Uhr"));
    }

    // The error is shown, and the calendar goes back to the day the editor
    // shows, so the text typed next is filed under the day on show.
    void fehlerFuehrtKalenderZurueck() {
        qputenv("TZ", "Pacific/Apia");  // went from 29 to 31 December 2011
        Oeffnen(Moment(2011, 12, 29, 12, 0));
        m_f->Tippen(QStringLiteral("Jahreswechsel"));
        Box fehler;
        {
            ModalFolge folge(&m_f->m_dlg);
            folge.Dann(fehler.Antwort(QMessageBox::Ok));
            m_f->Kalender()->setFocus();
            QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
            QVERIFY(folge.AlleBeantwortet());
        }
        QCOMPARE(fehler.titel, QStringLiteral("Dorvane"));
        QCOMPARE(fehler.text, QStringLiteral("Falscher Parameter."));
        QCOMPARE(m_f->Kalender()->Auswahl(), QDate(2011, 12, 29));
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   29.12.2011"));

        m_f->Tippen(QStringLiteral(" fällt aus"));
        QTest::keyClick(m_f->Kalender(), Qt::Key_Left);
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  29.12.2011"));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Jahreswechsel fällt aus"));
    }

    void kalenderBietetNurWandelbareTage_data() {
        QTest::addColumn<QDate>("rand");
        QTest::addColumn<int>("taste");
        QTest::newRow("first") << QDate(1900, 1, 1) << int(Qt::Key_Left);
        QTest::newRow("last") << QDate(9999, 12, 31) << int(Qt::Key_Right);
    }
    void kalenderBietetNurWandelbareTage() {
        QFETCH(QDate, rand);
        QFETCH(int, taste);
        Oeffnen(Moment(rand.year(), rand.month(), rand.day(), 12));
        const QString tag = m_f->Tag();
        ModalFolge keinFenster(&m_f->m_dlg);
        m_f->Kalender()->setFocus();
        QTest::keyClick(m_f->Kalender(), Qt::Key(taste));
        QCOMPARE(m_f->Kalender()->Auswahl(), rand);
        QCOMPARE(m_f->Tag(), tag);
    }

    void fensterMenueOeffnetInfo() {
        m_f->Tippen(QStringLiteral("Zahnarzt"));
        QCOMPARE(m_f->m_dlg.childAt(FreieStelle()), nullptr);
        QStringList eintraege;
        QString titel, produkt;
        bool symbol = false;
        ModalFolge folge(&m_f->m_dlg);
        folge
            .Dann([&](QWidget* pMenue) {
                for (QAction* pAktion : pMenue->actions())
                    eintraege << (pAktion->isSeparator() ? "-" : pAktion->text() + (pAktion->isEnabled() ? "" : " (grau)"));
                MenuePunktKlicken(pMenue, QStringLiteral("&Info über Dorvane..."));
            })
            .Dann([&](QWidget* pInfo) {
                titel = pInfo->windowTitle();
                produkt = pInfo->findChild<QLabel*>("IDC_STATIC")->text();
                symbol = !pInfo->findChild<QLabel*>("IDR_MAINFRAME")->pixmap().isNull();
                QTest::keyClick(pInfo, Qt::Key_Return);
            });
        m_f->Rechtsklick(FreieStelle());
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(eintraege, QStringList({"Wiederherstellen (grau)", "Verschieben", "Größe ändern (grau)",
                                         "Minimieren", "Maximieren (grau)", "-", "Schließen\tAlt+F4",
                                         "-", "&Info über Dorvane..."}));
        QCOMPARE(titel, QStringLiteral("Info über Dorvane"));
        QCOMPARE(produkt, QStringLiteral("Dorvane Version 1.0"));
        QVERIFY(symbol);
        QVERIFY(m_f->m_dlg.isVisible());
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Zahnarzt"));
    }

    // Shift+F10 on a control without a menu of its own opens the window menu.
    void umschaltF10() {
        QString menue;
        ModalFolge folge(&m_f->m_dlg);
        folge.Dann([&menue](QWidget* pMenue) {
            menue = pMenue->objectName();
            QTest::keyClick(pMenue, Qt::Key_Escape);
        });
        QWidget* pOk = m_f->m_dlg.findChild<QPushButton*>("IDOK");
        pOk->setFocus();
        QTest::keyClick(pOk, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(menue, QStringLiteral("Systemmenue"));
    }

    // The system's low four bits do not count.
    void systembefehle_data() {
        QTest::addColumn<unsigned>("nID");
        QTest::addColumn<QString>("fenster");
        QTest::newRow("0x0010") << 0x0010u << "Info über Dorvane";
        QTest::newRow("0x001F") << 0x001Fu << "Info über Dorvane";
        QTest::newRow("SC_CLOSE + 3") << 0xF063u << "Dorvane";
        QTest::newRow("0x0020") << 0x0020u << QString();
    }
    void systembefehle() {
        QFETCH(unsigned, nID);
        QFETCH(QString, fenster);
        QString geoeffnet;
        ModalFolge folge(&m_f->m_dlg);
        if (!fenster.isEmpty()) {
            folge.Dann([&geoeffnet](QWidget* pFenster) {
                geoeffnet = pFenster->windowTitle();
                QTest::keyClick(pFenster, Qt::Key_Escape);
            });
        }
        m_f->m_dlg.OnSysCommand(nID, 0);
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(geoeffnet, fenster);
        QVERIFY(m_f->m_dlg.isVisible());
    }

    void hilfeOeffnetEinHandbuchFenster() {
        m_f->Tippen(QStringLiteral("Zahnarzt"));
        Klicken(&m_f->m_dlg, "ID_HELP");
        QCOMPARE(Hilfefenster().size(), 1);
        QWidget* pHilfe = Hilfefenster().front();
        QCOMPARE(pHilfe->windowTitle(), QStringLiteral("Dorvane-Hilfe"));
        auto* pText = pHilfe->findChild<QTextBrowser*>();
        QVERIFY(pText->toPlainText().contains(QStringLiteral("Dorvane")));

        // It takes input while the main window runs modally.
        Druecke druecke;
        pText->viewport()->installEventFilter(&druecke);
        QTest::mouseClick(pHilfe->windowHandle(), Qt::LeftButton, {},
                          pText->viewport()->mapTo(pHilfe, pText->viewport()->rect().center()));
        QCOMPARE(druecke.anzahl, 1);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   06.12.2026"));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Zahnarzt"));

        // F1 raises the same window again; links leading outside are not followed.
        m_f->m_dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_f->m_dlg));
        QTest::keyClick(m_f->Editor(), Qt::Key_F1);
        QCOMPARE(Hilfefenster(), QWidgetList{pHilfe});
        QVERIFY(QTest::qWaitForWindowActive(pHilfe));
        const QUrl handbuch = pText->source();
        emit pText->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
        QCOMPARE(pText->source(), handbuch);
    }

    void programmEndetMitDemHauptfenster() {
        m_f.reset();
        QString titel;
        ModalFolge folge;
        folge.Dann([&titel](QWidget* pFenster) {
            titel = pFenster->windowTitle();
            Klicken(pFenster, "IDOK");
        });
        QVERIFY(!static_cast<CKalenderApp*>(qApp)->InitInstance());
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(titel, QStringLiteral("Dorvane"));
    }
};

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    TestHauptfenster test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hauptfenster.moc"
