// Out of memory while the user pastes (also from the find box's menu),
// copies, changes the day or asks for a report costs that action and
// nothing else: the box says "Nicht genuegend Arbeitsspeicher.", the editor
// keeps its bytes, every filed note stays, the program goes on, and with the
// memory back the same action works. Also when another program asks for a
// report copied.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "bestand.h"
#include "fenstertreiber.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "textwandlung.h"

using namespace fenster;

namespace {

constexpr std::size_t kMB = 1 << 20;

// The clipboard's text as another program reads it.
QByteArray Fremdgelesen() {
    QProcess xclip;
    QSignalSpy fertig(&xclip, &QProcess::finished);
    xclip.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
    if (!fertig.wait(60000)) Fehlschlagen(QStringLiteral("xclip -o did not end"));
    return xclip.readAllStandardOutput();
}

}  // namespace

class TestSpeicher : public Fenstertest {
    Q_OBJECT

    // Runs `aktion` with only `spielraum` to spare and expects one box.
    void Knapp(std::size_t spielraum, std::initializer_list<Fensterfolge::Antwort> vorher,
               const std::function<void()>& aktion) {
        Meldung meldung;
        std::vector<Fensterfolge::Antwort> antworten(vorher);
        antworten.push_back(meldung.Antwort(QMessageBox::Ok));
        {
            Speichergrenze grenze(spielraum);
            Fensterfolge folge(&m_f->m_dlg);
            for (auto& antwort : antworten) folge.Dann(antwort);
            folge.Ausfuehren([&] {
                aktion();
                QTest::qWait(300);  // a box queued shows, a second one would fail
            });
        }
        QCOMPARE(meldung.titel, QStringLiteral("Dorvane"));
        QCOMPARE(meldung.text, QStringLiteral("Nicht genügend Arbeitsspeicher."));
    }

    void Unversehrt(const std::string& editor, const std::string& notiz6) {
        BYTEGLEICH(m_f->Editor()->KernText(), editor);
        const orakel::Notizen notizen = {{{2026, 12, 6}, notiz6}, {{2026, 12, 24}, kBestand}};
        BYTEGLEICH(m_f->Termine().text, orakel::Terminbericht(notizen, {2026, 12, 6}));
        QCOMPARE(m_f->Tag(), Beschriftung(QDate(2026, 12, 6)));
    }

private slots:
    void init() {
        Oeffnen(Moment(2026, 12, 6, 14, 30));
        BestandAnlegen(*m_f);
    }
    void cleanup() { Schliessen(); }

    void speichermangel() {
        QString gross;  // 30 MB in lines
        while (gross.size() < 30 * int(kMB)) gross += QStringLiteral("Zeile mit 5 \u20AC\n");
        const std::string grossBytes = textwandlung::NachKern(gross);
        CNotizEdit* pEditor = m_f->Editor();
        QClipboard& ablage = *QApplication::clipboard();
        pEditor->moveCursor(QTextCursor::End);

        // Paste: nothing goes in; with the memory back, all of it.
        ablage.setText(gross);
        Knapp(64 * kMB, {}, [&] { QTest::keyClick(pEditor, Qt::Key_V, Qt::ControlModifier); });
        Unversehrt(kVorher, kVorher);
        QTest::keyClick(pEditor, Qt::Key_V, Qt::ControlModifier);
        const std::string voll = kVorher + grossBytes;
        BYTEGLEICH(pEditor->KernText(), voll);

        // Copy of all: the clipboard keeps what it held.
        ablage.setText(QStringLiteral("davor"));
        Knapp(64 * kMB, {}, [&] {
            QTest::keyClick(pEditor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(pEditor, Qt::Key_C, Qt::ControlModifier);
        });
        QCOMPARE(ablage.text(), QStringLiteral("davor"));
        QTest::keyClick(pEditor, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ablage.text(), QString::fromLatin1(kVorher) + gross);

        // The day change: the editor, the label and the store stay put.
        Knapp(64 * kMB, {}, [&] { QTest::keyClick(m_f->Kalender(), Qt::Key_Right); });
        Unversehrt(voll, kVorher);
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        QTest::keyClick(m_f->Kalender(), Qt::Key_Left);

        // The search report of all notes, then its copy asked for by
        // another program.
        auto finden = [](QWidget* pFinden) {
            Klicken(pFinden, "IDOK");
        };
        Knapp(32 * kMB, {finden}, [&] { Klicken(&m_f->m_dlg, "ID_FINDEN"); });
        const orakel::Notizen notizen = {{{2026, 12, 6}, voll}, {{2026, 12, 24}, kBestand}};
        const std::string bericht = orakel::Suchbericht(notizen, "");
        m_f->Mit({finden,
                  [](QWidget* pBericht) {
                      QWidget* pBox = Steuerelement<QWidget>(pBericht, "IDC_NOTIZ");
                      QTest::keyClick(pBox, Qt::Key_A, Qt::ControlModifier);
                      QTest::keyClick(pBox, Qt::Key_C, Qt::ControlModifier);
                      Klicken(pBericht, "IDOK");
                  }},
                 [&] { Klicken(&m_f->m_dlg, "ID_FINDEN"); });
        Knapp(32 * kMB, {}, [&] { QVERIFY(Fremdgelesen().isEmpty()); });
        const QString kopie = textwandlung::VonKern(bericht);
        QCOMPARE(Fremdgelesen(), kopie.toUtf8());

        // "Einfügen" from the find box's own menu: nothing goes in.
        ablage.setText(gross);
        Meldung meldung;
        QString suchtext = QStringLiteral("?");
        {
            Speichergrenze grenze(64 * kMB);
            m_f->Befehl("ID_FINDEN", {[&](QWidget* pFinden) {
                            auto* pSuche = Steuerelement<QLineEdit>(pFinden, "IDC_SUCHE");
                            // the box opens while the menu's answer runs: a
                            // sequence of its own answers it
                            Fensterfolge folge(pFinden);
                            folge.Dann([&](QWidget* pMenue) {
                                Fensterfolge kasten(pFinden);
                                kasten.Dann(meldung.Antwort(QMessageBox::Ok));
                                kasten.Ausfuehren(
                                    [&] { MenuePunktKlicken(pMenue, QStringLiteral("Einfügen")); });
                            });
                            folge.Ausfuehren([&] {
                                Rechtsklick(pFinden,
                                            pSuche->mapTo(pFinden, pSuche->rect().center()));
                                QTRY_VERIFY(folge.AlleBeantwortet());
                            });
                            suchtext = pSuche->text();
                            Klicken(pFinden, "IDCANCEL");
                        }});
        }
        QCOMPARE(meldung.text, QStringLiteral("Nicht genügend Arbeitsspeicher."));
        QCOMPARE(suchtext, QString());
        Unversehrt(voll, voll);
    }
};

FENSTERTEST_MAIN(TestSpeicher)

#include "tst_speicher.moc"
