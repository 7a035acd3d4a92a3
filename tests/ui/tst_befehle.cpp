// The three commands from the main window, end to end: "&Notiz" edits the
// day's note in the large dialog, "&Finden" and "&Termine" show their
// reports under their captions. Reports see only what a change of day filed.
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "testhilfen.h"

namespace {

const QString kTermine = QStringLiteral("Termine für die nächste 100 Tage");
const std::string kZahnarztAmSechsten =
    "==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\nZahnarzt\r\n";

CNotizEdit* TextVon(QWidget* pDialog) {
    return pDialog->findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ"));
}

}  // namespace

class TestBefehle : public QObject {
    Q_OBJECT

    std::unique_ptr<Testfenster> m_f;
    QString m_titel;
    std::string m_bericht;

    void Suchen(const QString& begriff) {
        m_bericht = "?";
        m_f->Bericht(&begriff, m_titel, m_bericht);
    }
    void Termine() {
        m_bericht = "?";
        m_f->Bericht(nullptr, m_titel, m_bericht);
    }
    // "&Notiz" with the note dialog's user in `antwort`.
    void Notiz(const ModalFolge::Antwort& antwort) {
        ModalFolge folge(&m_f->m_dlg);
        folge.Dann(antwort);
        Klicken(&m_f->m_dlg, "ID_NOTIZ");
        QVERIFY(folge.AlleBeantwortet());
    }

private slots:
    void init() {
        m_f = std::make_unique<Testfenster>(Moment(2026, 12, 6, 14, 30));
        m_f->Zeigen();
    }
    void cleanup() { m_f.reset(); }

    void notizBearbeitetDenTextDesEditors() {
        m_f->Tippen(QStringLiteral("Zahnarzt\n10 Uhr"));
        QString titel;
        std::string text;
        Notiz([&](QWidget* pNotiz) {
            titel = pNotiz->windowTitle();
            text = TextVon(pNotiz)->KernText();
            QTest::keyClick(TextVon(pNotiz), Qt::Key_End, Qt::ControlModifier);
            Tippen(TextVon(pNotiz), QStringLiteral(", Praxis Müller"));
            Klicken(pNotiz, "IDOK");
        });
        QCOMPARE(titel, QStringLiteral("Notiz für 06. Dezember 2026,   Sonntag,   Woche = 49,   Jahrestag = 340"));
        QCOMPARE(text, std::string("Zahnarzt\r\n10 Uhr"));
        QCOMPARE(m_f->Editor()->KernText(), std::string("Zahnarzt\r\n10 Uhr, Praxis M\xFCller"));

        Suchen(QString());  // filed only with the next change of day
        QCOMPARE(m_bericht, std::string());
        m_f->MitMausWaehlen(QDate(2026, 12, 7));
        Suchen(QString());
        QCOMPARE(m_bericht, std::string("==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\n"
                                        "Zahnarzt\r\n10 Uhr, Praxis M\xFCller\r\n"));
    }

    void notizLeerenUndOkEntferntSofort() {
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 6));
        Notiz([](QWidget* pNotiz) {
            Klicken(pNotiz, "IDC_LEEREN");
            Klicken(pNotiz, "IDOK");
        });
        QCOMPARE(m_f->Editor()->toPlainText(), QString());
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  06.12.2026"));
        Suchen(QString());
        QCOMPARE(m_bericht, std::string());
    }

    void notizAbbrechenAendertNichts_data() {
        QTest::addColumn<bool>("perEscape");
        QTest::newRow("Abbrechen") << false;
        QTest::newRow("Escape") << true;
    }
    void notizAbbrechenAendertNichts() {
        QFETCH(bool, perEscape);
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "Zahnarzt"}}, QDate(2026, 12, 6));
        QTest::keyClick(m_f->Editor(), Qt::Key_End, Qt::ControlModifier);
        m_f->Tippen(QStringLiteral(" morgen"));
        Notiz([perEscape](QWidget* pNotiz) {
            Klicken(pNotiz, "IDC_LEEREN");
            if (perEscape)
                QTest::keyClick(TextVon(pNotiz), Qt::Key_Escape);
            else
                Klicken(pNotiz, "IDCANCEL");
        });
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Zahnarzt morgen"));
        Suchen(QString());
        QCOMPARE(m_bericht, kZahnarztAmSechsten);
    }

    void findenZeigtTrefferUnterKleinemBegriff() {
        m_f->NotizenAnlegen({{QDate(2027, 1, 15), "Zahnarzt Kontrolle"},
                             {QDate(2026, 12, 24), "[TERMIN] Bescherung"},
                             {QDate(2026, 12, 6), "Zahnarzt"}},
                            QDate(2026, 12, 7));
        Suchen(QStringLiteral("ZAHN"));
        QCOMPARE(m_titel, QStringLiteral("Gefundene Notizen mit \"zahn\""));
        QCOMPARE(m_bericht, kZahnarztAmSechsten +
                                "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\n"
                                "Zahnarzt Kontrolle\r\n");
        Suchen(QString());
        QCOMPARE(m_titel, QStringLiteral("Alle eingegebene Notizen"));
        QVERIFY(m_bericht.find("Bescherung") != std::string::npos);
    }

    // The second search starts empty; cancelled, it opens no report.
    void zweiteSucheLeerUndAbgebrochenOhneBericht() {
        Suchen(QStringLiteral("Zahnarzt"));
        QString begriff = QStringLiteral("?");
        ModalFolge folge(&m_f->m_dlg);
        folge.Dann([&begriff](QWidget* pFinden) {
            begriff = pFinden->findChild<QLineEdit*>(QStringLiteral("IDC_SUCHE"))->text();
            Klicken(pFinden, "IDCANCEL");
        });
        Klicken(&m_f->m_dlg, "ID_FINDEN");
        QVERIFY(folge.AlleBeantwortet());
        QCOMPARE(begriff, QString());
    }

    void termineZeigtDieNaechstenHundertTage() {
        m_f->NotizenAnlegen({{QDate(2026, 12, 5), "[TERMIN] Altpapier"},
                             {QDate(2026, 12, 8), "[Termin] Elternabend\nKuchen backen"},
                             {QDate(2027, 3, 16), "[TERMIN] Steuerberater"},
                             {QDate(2027, 3, 17), "[TERMIN] Zeugnisse"}},
                            QDate(2026, 12, 6));
        Termine();
        QCOMPARE(m_titel, kTermine);
        QCOMPARE(m_bericht, std::string("08. Dez\t2026\tDien\t\xDC" "bermorgen\tElternabend\r\n"
                                        "16. M\xE4r\t2027\tDien\t100\t\tSteuerberater\r\n"));
    }

    // Also when empty; typed text counts once a change of day filed it.
    void termineSiehtNurAbgelegteNotizen() {
        m_f->Tippen(QStringLiteral("[TERMIN] Zahnarzt"));
        Termine();
        QCOMPARE(m_titel, kTermine);
        QCOMPARE(m_bericht, std::string());
        m_f->MitMausWaehlen(QDate(2026, 12, 7));
        Termine();
        QCOMPARE(m_bericht, std::string("06. Dez\t2026\tSonn\tHeute\t\tZahnarzt\r\n"));
    }

    // Left open past midnight, the window counts from the new day.
    void termineZaehltVomTagDesBerichts() {
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), "[TERMIN] Nikolausfeier"},
                             {QDate(2026, 12, 7), "[TERMIN] Zahnarzt"}},
                            QDate(2026, 12, 8));
        m_f->m_jetzt = Moment(2026, 12, 7, 0, 30);
        Termine();
        QCOMPARE(m_bericht, std::string("07. Dez\t2026\tMont\tHeute\t\tZahnarzt\r\n"));
        QCOMPARE(m_f->Kalender()->Heute(), QDate(2026, 12, 7));
    }
};

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    TestBefehle test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_befehle.moc"
