// The program on Wayland, natively: its window shows and takes typed text,
// "&Notiz" opens the note dialog with that text and closes again, and
// "Abbrechen" asks first ("Nein" keeps the window) while "OK" closes it.
// The compositor places the windows, so no position is checked.
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include "fenstertreiber.h"
#include "notizedit.h"

using namespace fenster;

class TestWayland : public Fenstertest {
    Q_OBJECT

private slots:
    void init() { Oeffnen(Moment(2026, 12, 6, 14, 30)); }
    void cleanup() { Schliessen(); }

    void fensterNotizUndFrage() {
        QVERIFY(m_f->m_dlg.windowHandle()->isExposed());
        m_f->Tippen(QStringLiteral("Zahnarzt\n10 Uhr"));
        QCOMPARE(m_f->Editor()->KernText(), std::string("Zahnarzt\r\n10 Uhr"));

        std::string imDialog = "?";
        m_f->Befehl("ID_NOTIZ", {[&](QWidget* pNotiz) {
                        imDialog = Steuerelement<CNotizEdit>(pNotiz, "IDC_NOTIZ")->KernText();
                        Klicken(pNotiz, "IDOK");
                    }});
        QCOMPARE(imDialog, std::string("Zahnarzt\r\n10 Uhr"));

        Meldung frage;
        m_f->Befehl("IDCANCEL", {frage.Antwort(QMessageBox::No)});
        QCOMPARE(frage.titel, QStringLiteral("Dorvane"));
        QCOMPARE(frage.knoepfe, QStringLiteral("&Ja|&Nein|"));
        QVERIFY(m_f->m_dlg.isVisible());
        QCOMPARE(m_f->Editor()->KernText(), std::string("Zahnarzt\r\n10 Uhr"));

        m_f->Befehl("IDOK", {});
        QVERIFY(!m_f->m_dlg.isVisible());
    }
};

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    TestWayland test;
    return fenster::FenstertestAusfuehren(test, argc, argv, "wayland");
}

#include "tst_wayland.moc"
