// A report as a user works with it: selecting with the mouse and the keys,
// copying, the X11 selection, the context menu, scrolling to its end, and
// what a screen reader reads of it. The report box lays out only the lines
// on screen; none of that may show.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <functional>

#include "berichtsansicht.h"
#include "dialogeinheiten.h"
#include "dialogtext.h"
#include "fenstertreiber.h"
#include "kalender_app.h"
#include "notizedit.h"

using namespace fenster;

namespace {

QAccessibleTextInterface* Lesen(CBerichtsansicht* pText) {
    return QAccessible::queryAccessibleInterface(pText)->textInterface();
}

// Where character `pos` is, as a screen reader is told.
QPoint Stelle(CBerichtsansicht* pText, int pos) {
    const QRect r = Lesen(pText)->characterRect(pos);
    return pText->viewport()->mapFromGlobal(QPoint(r.left() + 1, r.center().y()));
}

QString Kopiert(CBerichtsansicht* pText) {
    QApplication::clipboard()->clear();
    QTest::keyClick(pText, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
}

}  // namespace

class TestBericht : public Fenstertest {
    Q_OBJECT

    // The report of all notes as the core made it, and its lines as Qt's
    // box copied them.
    std::string m_kern;
    QString m_erwartet;

    // Runs `pruefen` in the report of all notes.
    void ImBericht(const std::function<void(QWidget*, CBerichtsansicht*)>& pruefen) {
        m_f->Befehl("ID_FINDEN",
                    {[](QWidget* pFinden) { Klicken(pFinden, "IDOK"); },
                     [&](QWidget* pBericht) {
                         pruefen(pBericht, Steuerelement<CBerichtsansicht>(pBericht, "IDC_NOTIZ"));
                         Klicken(pBericht, "IDOK");
                     }});
    }

private slots:
    void init() {
        Oeffnen(Moment(2026, 12, 6, 14, 30));
        m_f->NotizenAnlegen({{QDate(2026, 12, 6), QStringLiteral("Zahnarzt 10 Uhr\nPraxis Müller")},
                             {QDate(2026, 12, 8), QStringLiteral("[TERMIN] Elternabend\tAula")}},
                            QDate(2026, 12, 9));
        m_kern = orakel::Suchabschnitt({2026, 12, 6}, "Zahnarzt 10 Uhr\r\nPraxis M\xFCller") +
                 orakel::Suchabschnitt({2026, 12, 8}, "[TERMIN] Elternabend\tAula");
        m_erwartet =
            QString::fromLatin1(m_kern).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    void cleanup() { Schliessen(); }

    // Dragged, double- and triple-clicked: the X11 selection and Ctrl+C get
    // what is marked.
    void mausWaehlt() {
        const int zeile2 = int(m_erwartet.indexOf(u'\n')) + 1;  // "Zahnarzt 10 Uhr"
        const int zeile3 = int(m_erwartet.indexOf(u'\n', zeile2)) + 1;
        const int ende3 = int(m_erwartet.indexOf(u'\n', zeile3));
        const int mueller = int(m_erwartet.indexOf(QStringLiteral("Müller")));
        QString gezogen, auswahl, wort, zeile;
        ImBericht([&](QWidget*, CBerichtsansicht* pText) {
            QWidget* pFlaeche = pText->viewport();
            QTest::mousePress(pFlaeche, Qt::LeftButton, {}, Stelle(pText, zeile2));
            QTest::mouseMove(pFlaeche, Stelle(pText, zeile3));
            QTest::mouseMove(pFlaeche, Stelle(pText, ende3));
            QTest::mouseRelease(pFlaeche, Qt::LeftButton, {}, Stelle(pText, ende3));
            auswahl = QApplication::clipboard()->text(QClipboard::Selection);
            gezogen = Kopiert(pText);
            QTest::mouseDClick(pFlaeche, Qt::LeftButton, {}, Stelle(pText, mueller + 2));
            wort = Kopiert(pText);
            QTest::mouseDClick(pFlaeche, Qt::LeftButton, {}, Stelle(pText, mueller + 2));
            QTest::mouseClick(pFlaeche, Qt::LeftButton, {}, Stelle(pText, mueller + 2));
            zeile = Kopiert(pText);
        });
        QCOMPARE(gezogen, m_erwartet.mid(zeile2, ende3 - zeile2));
        if (QApplication::clipboard()->supportsSelection()) QCOMPARE(auswahl, gezogen);
        QCOMPARE(wort, QStringLiteral("Müller"));
        QCOMPARE(zeile, QStringLiteral("Praxis Müller\n"));
        // The report is closed: what was copied and marked can still be pasted.
        QCOMPARE(QApplication::clipboard()->text(), zeile);
        if (QApplication::clipboard()->supportsSelection())
            QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), zeile);
    }

    // "OK" hands the report back byte for byte, whether or not a selection
    // made in it still holds it; that selection still pastes afterwards.
    void okGibtDenBerichtZurueck() {
        for (const bool markiert : {false, true}) {
            ImBericht([&](QWidget*, CBerichtsansicht* pText) {
                if (markiert) QTest::keyClick(pText, Qt::Key_A, Qt::ControlModifier);
            });
            QCOMPARE(g_strDialogText, m_kern);
        }
        if (QApplication::clipboard()->supportsSelection())
            QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), m_erwartet);
    }

    // Keys select as in Qt's box; the report's end is there at once.
    void tastenWaehlenUndRollen() {
        QString lang;
        for (int i = 0; i < 300; ++i) lang += QStringLiteral("Zeile %1\n").arg(i);
        QApplication::clipboard()->setText(lang);
        QTest::keyClick(m_f->Editor(), Qt::Key_V, Qt::ControlModifier);
        m_f->Waehlen(QDate(2026, 12, 10));
        QString zweiZeilen, bisEnde, letzte;
        int oben = -1, seite = -1, unten = -1, hoechstens = -2;
        ImBericht([&](QWidget*, CBerichtsansicht* pText) {
            QTest::keyClick(pText, Qt::Key_Down);
            QTest::keyClick(pText, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(pText, Qt::Key_End, Qt::ShiftModifier);
            zweiZeilen = Kopiert(pText);
            QTest::keyClick(pText, Qt::Key_Left);  // closes the selection at its start
            QTest::keyClick(pText, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
            bisEnde = Kopiert(pText);
            oben = pText->verticalScrollBar()->value();
            hoechstens = pText->verticalScrollBar()->maximum();
            QTest::keyClick(pText, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(pText, Qt::Key_Up, Qt::ShiftModifier);
            letzte = Kopiert(pText);
            QTest::keyClick(pText, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(pText, Qt::Key_PageDown);
            seite = pText->verticalScrollBar()->value();
            unten = pText->verticalScrollBar()->pageStep();
        });
        const QStringList zeilen = m_erwartet.split(u'\n');
        QCOMPARE(zweiZeilen, zeilen[1] + u'\n' + zeilen[2]);
        QVERIFY(bisEnde.startsWith(zeilen[1] + u'\n'));
        QVERIFY(bisEnde.endsWith(
            QStringLiteral("Zeile 299\n\n")));  // the note's own line end, then the report's
        QCOMPARE(oben, hoechstens);
        QVERIFY(hoechstens > 250);
        QCOMPARE(letzte, QStringLiteral("\n"));
        QCOMPARE(seite, unten);
    }

    // A note pasted as one line of megabytes: End and the scroll bar reach
    // its last character, a tab far along stops where the line's tab stops
    // are, and a click there puts the cursor on the character clicked.
    void langeZeile() {
        const QString lang = QStringLiteral("Lorem ipsum ").repeated(350'000) +
                             QStringLiteral("x").repeated(4097) + u'\t' +
                             QStringLiteral("dolor sit amet ").repeated(70'000) + u'!';
        QApplication::clipboard()->setText(lang);
        QTest::keyClick(m_f->Editor(), Qt::Key_V, Qt::ControlModifier);
        m_f->Waehlen(QDate(2026, 12, 10));
        const int anfang = int(m_erwartet.size()) + int(m_erwartet.indexOf(u'\n')) + 1;
        const int letztes = anfang + int(lang.size()) - 1;
        const int nachTab = anfang + int(lang.indexOf(u'\t')) + 1;
        bool endeSichtbar = false, leisteZeigtEnde = false, tabImRaster = false;
        int geklickt = -1;
        ImBericht([&](QWidget*, CBerichtsansicht* pText) {
            QAccessibleTextInterface* pLesen = Lesen(pText);
            const QRect flaeche = pText->viewport()->rect();
            auto sichtbar = [&](int pos) {
                const QRect r = pLesen->characterRect(pos).translated(
                    -pText->viewport()->mapToGlobal(QPoint(0, 0)));
                return flaeche.contains(r.center());
            };
            pLesen->setCursorPosition(anfang);
            QTest::keyClick(pText, Qt::Key_End);
            endeSichtbar = pLesen->cursorPosition() == letztes + 1 && sichtbar(letztes);
            QTest::keyClick(pText, Qt::Key_Home);
            QScrollBar& leiste = *pText->horizontalScrollBar();
            leiste.setValue(leiste.maximum());
            leisteZeigtEnde = sichtbar(letztes) && !sichtbar(anfang);

            pLesen->scrollToSubstring(nachTab, nachTab + 1);
            const qreal abstand = Tabstoppabstand(pText->font());
            const int x = pLesen->characterRect(nachTab).left() -
                          pText->viewport()->mapToGlobal(QPoint(0, 0)).x() + leiste.value();
            tabImRaster = std::fmod(x - 4, abstand) == 0;
            QTest::mouseClick(pText->viewport(), Qt::LeftButton, {}, Stelle(pText, nachTab + 7));
            geklickt = pLesen->cursorPosition();
        });
        QVERIFY(endeSichtbar);
        QVERIFY(leisteZeigtEnde);
        QVERIFY(tabImRaster);
        QCOMPARE(geklickt, nachTab + 7);
    }

    // Qt's own menu, in German, acts on the report; a screen reader reads
    // the report's lines, cursor and selection.
    void menueUndBildschirmleser() {
        QStringList eintraege;
        QString alles, name, zeile, davor, danach;
        int zeichen = -1, cursor = -1, von = -1, bis = -1;
        bool nurLesen = false, ganzerLauf = false;
        ImBericht([&](QWidget* pBericht, CBerichtsansicht* pText) {
            Fensterfolge menue(pBericht);
            menue.Dann([&](QWidget* pMenue) {
                for (QAction* pEintrag : pMenue->actions())
                    if (!pEintrag->isSeparator())
                        eintraege << pEintrag->text() + (pEintrag->isEnabled() ? "" : " (grau)");
                MenuePunktKlicken(pMenue, QStringLiteral("Alles auswählen"));
            });
            Rechtsklick(pBericht, pText->viewport()->mapTo(pBericht, Stelle(pText, 3)));
            QTRY_VERIFY(menue.AlleBeantwortet());
            alles = Kopiert(pText);

            QAccessibleInterface* pZugang = QAccessible::queryAccessibleInterface(pText);
            name = pZugang->text(QAccessible::Name);
            nurLesen = pZugang->state().readOnly && pZugang->role() == QAccessible::EditableText;
            QAccessibleTextInterface* pLesen = pZugang->textInterface();
            zeichen = pLesen->characterCount();
            const int mueller = int(m_erwartet.indexOf(QStringLiteral("Müller")));
            int a = 0, b = 0;
            zeile = pLesen->textAtOffset(mueller, QAccessible::LineBoundary, &a, &b);
            // Up and Down in Orca's reading: the lines on either side
            davor = pLesen->textBeforeOffset(mueller, QAccessible::LineBoundary, &a, &b);
            danach = pLesen->textAfterOffset(mueller, QAccessible::LineBoundary, &a, &b);
            // Orca reads a line run by run of like attributes: an empty run
            // lost each line's last letter.
            pLesen->attributes(mueller, &a, &b);
            ganzerLauf = a <= mueller && mueller < b;
            QTest::keyClick(pText, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(pText, Qt::Key_Left, Qt::ShiftModifier);
            cursor = pLesen->cursorPosition();
            pLesen->selection(0, &von, &bis);
        });
        QCOMPARE(eintraege, QStringList({QStringLiteral("&Kopieren\tStrg+C (grau)"),
                                         QStringLiteral("Alles auswählen\tStrg+A")}));
        QCOMPARE(alles, m_erwartet);
        QCOMPARE(name, QStringLiteral("Alle eingegebene Notizen"));
        QVERIFY(nurLesen);
        QVERIFY(ganzerLauf);
        QCOMPARE(zeichen, m_erwartet.size());
        QCOMPARE(zeile, QStringLiteral("Praxis Müller"));  // as in Qt's boxes: no line end
        QCOMPARE(davor, QStringLiteral("Zahnarzt 10 Uhr"));
        QCOMPARE(danach, m_erwartet.section(u'\n', 3, 3));
        QCOMPARE(cursor, zeichen - 1);
        QCOMPARE(von, zeichen - 1);
        QCOMPARE(bis, zeichen);
    }
};

FENSTERTEST_MAIN(TestBericht)

#include "tst_bericht.moc"
