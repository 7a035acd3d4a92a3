// The program as a screen reader meets it, through Qt's public
// accessibility API: the calendar's tree and what it announces, the names
// of the editor and the main window's controls, the help window (which
// takes input beside the modal main window). The dialogs' boxes are named
// where tst_hauptfenster opens them.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>

#include "fenstertreiber.h"
#include "monatskalender.h"
#include "notizedit.h"

using namespace fenster;

namespace {

// What was announced: the event and the name of what it is about.
std::vector<std::pair<QAccessible::Event, QString>> g_gemeldet;

void Mitschreiben(QAccessibleEvent* e) {
    QAccessibleInterface* iface = e->accessibleInterface();
    g_gemeldet.emplace_back(e->type(), iface ? iface->text(QAccessible::Name) : QString());
}

bool Gemeldet(QAccessible::Event art, const QString& name) {
    return std::find(g_gemeldet.begin(), g_gemeldet.end(), std::pair(art, name)) !=
           g_gemeldet.end();
}

int Anzahl(QAccessible::Event art) {
    return int(std::count_if(g_gemeldet.begin(), g_gemeldet.end(),
                             [art](const auto& e) { return e.first == art; }));
}

QAccessibleInterface* Zugang(QObject* objekt) {
    return QAccessible::queryAccessibleInterface(objekt);
}

// The calendar's child named `name`.
QAccessibleInterface* Kind(QAccessibleInterface* iface, const QString& name) {
    for (int i = 0; i < iface->childCount(); ++i)
        if (iface->child(i)->text(QAccessible::Name) == name) return iface->child(i);
    return nullptr;
}

}  // namespace

class TestZugang : public Fenstertest {
    Q_OBJECT

    QAccessibleInterface* Kalender() { return Zugang(m_f->Kalender()); }

private slots:
    void initTestCase() {
        // Qt reports only while an assistive tool may listen: the test runs
        // with the accessibility bus (atspi-sitzung).
        QTRY_VERIFY2(QAccessible::isActive(), "no accessibility bus");
        QAccessible::installUpdateHandler(Mitschreiben);
    }
    void init() {
        Oeffnen(Moment(2026, 12, 6, 14, 30));
        g_gemeldet.clear();
    }
    void cleanup() { Schliessen(); }

    void kalenderZeigtMonateTageUndKoepfe() {
        QAccessibleInterface* pKalender = Kalender();
        QCOMPARE(pKalender->text(QAccessible::Name), QStringLiteral("Kalender"));
        QAccessibleInterface* pZurueck = pKalender->child(0);
        QCOMPARE(pZurueck->text(QAccessible::Name), QStringLiteral("Vorheriger Monat"));
        QCOMPARE(pZurueck->role(), QAccessible::Button);
        QCOMPARE(pKalender->child(1)->text(QAccessible::Name), QStringLiteral("Nächster Monat"));
        QAccessibleInterface* pHeute = Kind(pKalender, QStringLiteral("Heute: 06.12.2026"));
        QVERIFY(pHeute != nullptr);
        QCOMPARE(pHeute->role(), QAccessible::Button);
        QCOMPARE(pKalender->childCount(), 3 + m_f->Kalender()->AnzahlMonate());

        QAccessibleInterface* pDezember = Kind(pKalender, QStringLiteral("Dezember 2026"));
        QVERIFY(pDezember != nullptr);
        QCOMPARE(pDezember->role(), QAccessible::Table);
        QAccessibleTableInterface* pTabelle = pDezember->tableInterface();
        QCOMPARE(pTabelle->rowCount(), 6);
        QCOMPARE(pTabelle->columnCount(), 7);
        QCOMPARE(pTabelle->columnDescription(0), QStringLiteral("Montag"));

        // 6 December 2026, a Sunday, in the first row, which starts on 30 November
        QAccessibleInterface* pSechster = pTabelle->cellAt(0, 6);
        QCOMPARE(pSechster->text(QAccessible::Name), QStringLiteral("Sonntag, 6. Dezember 2026"));
        QCOMPARE(pSechster->text(QAccessible::Description), QStringLiteral("heute"));
        QCOMPARE(pSechster->role(), QAccessible::Cell);
        QVERIFY(pSechster->state().selected);
        QVERIFY(!pSechster->state().focused);  // the editor has the focus
        QCOMPARE(pSechster->rect(),
                 QRect(m_f->Kalender()->mapToGlobal(
                           m_f->Kalender()->TagRechteck(QDate(2026, 12, 6)).topLeft()),
                       m_f->Kalender()->TagRechteck(QDate(2026, 12, 6)).size()));
        QCOMPARE(pSechster->parent(), pDezember);
        QCOMPARE(pKalender->childAt(pSechster->rect().center().x(), pSechster->rect().center().y()),
                 pDezember);
        QAccessibleTableCellInterface* pZelle = pSechster->tableCellInterface();
        QCOMPARE(pZelle->columnHeaderCells().at(0)->text(QAccessible::Name), QStringLiteral("So"));
        QCOMPARE(pZelle->columnHeaderCells().at(0)->text(QAccessible::Description),
                 QStringLiteral("Sonntag"));
        QCOMPARE(pZelle->rowHeaderCells().at(0)->text(QAccessible::Name),
                 QStringLiteral("Kalenderwoche 49"));
        QCOMPARE(pZelle->rowHeaderCells().at(0)->role(), QAccessible::RowHeader);
        QCOMPARE(pZelle->table(), pDezember);
        QCOMPARE(pTabelle->cellAt(0, 6), pSechster);  // made once, then kept

        // one selected day in all the months on show
        int ausgewaehlt = 0;
        for (int i = 2; i < 2 + m_f->Kalender()->AnzahlMonate(); ++i)
            ausgewaehlt += pKalender->child(i)->tableInterface()->selectedCellCount();
        QCOMPARE(ausgewaehlt, 1);
    }

    // Focus and a move by key announce the day; the arrows turn and
    // rename the tables but pick nothing; the program's own picks are
    // silent.
    void kalenderMeldetWasDerNutzerTut() {
        m_f->Kalender()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(Gemeldet(QAccessible::Focus, QStringLiteral("Sonntag, 6. Dezember 2026")));
        QVERIFY(Gemeldet(QAccessible::Selection, QStringLiteral("Sonntag, 6. Dezember 2026")));
        // the focus is on a button in the day's cell: Orca reads a focused
        // cell with its whole row
        QAccessibleInterface* pFokus = Kalender()->focusChild();
        QCOMPARE(pFokus->text(QAccessible::Name), QStringLiteral("Sonntag, 6. Dezember 2026"));
        QCOMPARE(pFokus->role(), QAccessible::Button);
        QVERIFY(pFokus->state().focused && !pFokus->parent()->state().focused);
        QCOMPARE(pFokus->parent()->role(), QAccessible::Cell);
        QVERIFY(pFokus->parent()->state().selected);

        g_gemeldet.clear();
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        QVERIFY(Gemeldet(QAccessible::Focus, QStringLiteral("Montag, 7. Dezember 2026")));
        QVERIFY(Gemeldet(QAccessible::Selection, QStringLiteral("Montag, 7. Dezember 2026")));
        QCOMPARE(Kalender()->focusChild()->parent(),
                 Kind(Kalender(), QStringLiteral("Dezember 2026"))->tableInterface()->cellAt(1, 0));
        // the editor is renamed with its label
        QVERIFY(Gemeldet(QAccessible::NameChanged, QStringLiteral("Notiz für Tag  07.12.2026")));
        QCOMPARE(Zugang(m_f->Editor())->text(QAccessible::Name),
                 QStringLiteral("Notiz für Tag  07.12.2026"));

        g_gemeldet.clear();
        const QString vorher = Kalender()->child(2)->text(QAccessible::Name);
        Kalender()->child(1)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(Kalender()->child(2)->text(QAccessible::Name), m_f->Kalender()->MonatsTitel(0));
        QVERIFY(Kalender()->child(2)->text(QAccessible::Name) != vorher);
        QCOMPARE(Anzahl(QAccessible::NameChanged), m_f->Kalender()->AnzahlMonate());
        QCOMPARE(Anzahl(QAccessible::Focus) + Anzahl(QAccessible::Selection), 0);
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  07.12.2026"));

        g_gemeldet.clear();
        m_f->Kalender()->AuswahlSetzen(QDate(2027, 9, 1));
        QCOMPARE(Anzahl(QAccessible::Focus) + Anzahl(QAccessible::Selection), 0);
    }

    // At the range's ends an arrow that cannot turn and a greyed day
    // outside the range are shown disabled and do nothing when pressed;
    // "Heute" picks today from anywhere, as the user's pick.
    void kalenderAnDenGrenzen() {
        CMonatsKalender* pKalender = m_f->Kalender();
        QSignalSpy gewaehlt(pKalender, &CMonatsKalender::TagGewaehlt);
        const QString drueck = QAccessibleActionInterface::pressAction();
        auto gesperrt = [&](QAccessibleInterface* iface) {
            QVERIFY2(iface->state().disabled, qPrintable(iface->text(QAccessible::Name)));
            QVERIFY(iface->actionInterface()->actionNames().isEmpty());
            m_f->Mit({}, [&] { iface->actionInterface()->doAction(drueck); });
        };
        auto offen = [&](QAccessibleInterface* iface) {
            QVERIFY2(!iface->state().disabled, qPrintable(iface->text(QAccessible::Name)));
            QCOMPARE(iface->actionInterface()->actionNames(), QStringList{drueck});
        };

        pKalender->AuswahlSetzen(QDate(1900, 1, 1));
        gesperrt(Kalender()->child(0));
        QCOMPARE(pKalender->ErsterMonat(), QDate(1900, 1, 1));
        offen(Kalender()->child(1));
        // January 1900 starts on a Monday: its first row is the last week of 1899
        QAccessibleTableInterface* pJanuar =
            Kind(Kalender(), QStringLiteral("Januar 1900"))->tableInterface();
        QAccessibleInterface* pSilvester = pJanuar->cellAt(0, 6);
        QCOMPARE(pSilvester->text(QAccessible::Name), QStringLiteral("Sonntag, 31. Dezember 1899"));
        QVERIFY(!pSilvester->state().selectable);
        gesperrt(pSilvester);
        gesperrt(pSilvester->child(0));
        offen(pJanuar->cellAt(1, 0));  // Montag, 1. Januar 1900
        QCOMPARE(gewaehlt.count(), 0);
        QCOMPARE(pKalender->Auswahl(), QDate(1900, 1, 1));

        pKalender->AuswahlSetzen(QDate(9999, 12, 31));
        gesperrt(Kalender()->child(1));
        QCOMPARE(pKalender->ErsterMonat(), QDate(9999, 7, 1));
        offen(Kalender()->child(0));
        QCOMPARE(gewaehlt.count(), 0);

        QAccessibleInterface* pHeute = Kind(Kalender(), QStringLiteral("Heute: 06.12.2026"));
        offen(pHeute);
        pHeute->actionInterface()->doAction(drueck);
        QCOMPARE(gewaehlt.count(), 1);
        QCOMPARE(gewaehlt.at(0).at(0).toDate(), QDate(2026, 12, 6));
        QVERIFY(pKalender->TagRechteck(QDate(2026, 12, 6)).isValid());
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag  06.12.2026"));
    }

    // The title's month menu, its year stepper and a held arrow turn the
    // view only: the day, the label and the editor stay.
    void titelUndPfeileBlaetternNur() {
        CMonatsKalender* pKalender = m_f->Kalender();
        m_f->Tippen(QStringLiteral("Nikolaus"));
        const QDate erster = pKalender->ErsterMonat();
        // The first block's title is centred over its Thursday column:
        // where its month name starts (-1) and its year ends (+1).
        auto titel = [pKalender](int seite) {
            QDate donnerstag = pKalender->ErsterMonat();
            while (donnerstag.dayOfWeek() != Qt::Thursday) donnerstag = donnerstag.addDays(1);
            QFont fett = pKalender->font();
            fett.setBold(true);
            const int halb = QFontMetrics(fett).horizontalAdvance(pKalender->MonatsTitel(0)) / 2;
            return QPoint(pKalender->TagRechteck(donnerstag).left() + seite * (halb - 2),
                          pKalender->PfeilZurueckRechteck().center().y());
        };
        Fensterfolge(&m_f->m_dlg)
            .Dann([](QWidget* pMenue) { MenuePunktKlicken(pMenue, QStringLiteral("März")); })
            .Ausfuehren([&] { QTest::mouseClick(pKalender, Qt::LeftButton, {}, titel(-1)); });
        QCOMPARE(pKalender->ErsterMonat(), QDate(erster.year(), 3, 1));

        QTest::mouseClick(pKalender, Qt::LeftButton, {}, titel(1));
        auto* pJahr = qobject_cast<QSpinBox*>(QApplication::activePopupWidget());
        QVERIFY(pJahr != nullptr);
        QCOMPARE(Zugang(pJahr)->text(QAccessible::Name), QStringLiteral("Jahr"));
        QTest::keyClick(pJahr, Qt::Key_Up);
        QTest::keyClick(pJahr, Qt::Key_Return);  // ends the stepping, not the program
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(pKalender->ErsterMonat(), QDate(erster.year() + 1, 3, 1));
        QVERIFY(m_f->m_dlg.isVisible());

        const QPoint pfeil = pKalender->PfeilVorRechteck().center();
        QTest::mousePress(pKalender, Qt::LeftButton, {}, pfeil);
        QTest::qWait(700);
        QTest::mouseRelease(pKalender, Qt::LeftButton, {}, pfeil);
        const QDate losgelassen = pKalender->ErsterMonat();
        QVERIFY(losgelassen >= QDate(erster.year() + 1, 6, 1));  // more than one month
        QTest::qWait(300);
        QCOMPARE(pKalender->ErsterMonat(), losgelassen);

        QCOMPARE(pKalender->Auswahl(), QDate(2026, 12, 6));
        QCOMPARE(m_f->Tag(), QStringLiteral("Notiz für Tag   06.12.2026"));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Nikolaus"));
    }

    void editorUndHilfeTragenNamen() {
        QAccessibleInterface* pEditor = Zugang(m_f->Editor());
        QCOMPARE(pEditor->text(QAccessible::Name), QStringLiteral("Notiz für Tag   06.12.2026"));
        const auto beschriftung = pEditor->relations(QAccessible::Label);
        QCOMPARE(beschriftung.size(), 1);
        QCOMPARE(beschriftung.at(0).first->object(),
                 m_f->m_dlg.findChild<QLabel*>(QStringLiteral("IDC_TAG")));
        for (QWidget* pControl : m_f->m_dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (pControl->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!Zugang(pControl)->text(QAccessible::Name).isEmpty(),
                         qPrintable(pControl->objectName()));

        Klicken(&m_f->m_dlg, "ID_HELP");
        QWidget* pHilfe = Hilfefenster();
        QVERIFY(pHilfe != nullptr);
        QCOMPARE(Zugang(pHilfe)->role(), QAccessible::Window);
        QCOMPARE(Zugang(pHilfe)->text(QAccessible::Name), QStringLiteral("Dorvane-Hilfe"));
        // The manual takes input while the main window runs modally.
        auto* pBrowser = pHilfe->findChild<QTextBrowser*>();
        QTest::mouseClick(
            pHilfe->windowHandle(), Qt::LeftButton, {},
            pBrowser->viewport()->mapTo(pHilfe, pBrowser->viewport()->rect().center()));
        QVERIFY(pBrowser->textCursor().position() > 0);  // the click got through
        QAccessibleTextInterface* pText = Zugang(pBrowser)->textInterface();
        const QString handbuch = pText->text(0, pText->characterCount());
        QVERIFY(handbuch.contains(QStringLiteral("Dorvane")));
        QVERIFY(!handbuch.contains(QChar(0xFDD0)) && !handbuch.contains(QChar(0xFDD1)));
        pHilfe->close();
    }
};

FENSTERTEST_MAIN(TestZugang)
#include "tst_zugang.moc"
