// The month calendar as a user meets it: what it shows at a size, what a
// click or a key picks, and that only the user's picks are announced.
#include "monatskalender.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {
const QDate kHeute(2026, 12, 6);  // a Sunday
}

class TestMonatsKalender : public QObject {
    Q_OBJECT

    std::unique_ptr<CMonatsKalender> m_kalender;
    std::unique_ptr<QSignalSpy> m_gewaehlt;

    // Set up as the main window does: range, today, a fixed font.
    void Zeigen(QSize groesse = {780, 525})
    {
        m_kalender = std::make_unique<CMonatsKalender>();
        m_kalender->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        m_kalender->resize(groesse);
        m_kalender->BereichSetzen(QDate(1900, 1, 1), QDate(9999, 12, 31));
        m_kalender->HeuteSetzen(kHeute);
        m_kalender->AuswahlSetzen(kHeute);
        m_kalender->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_kalender.get()));
        m_gewaehlt =
            std::make_unique<QSignalSpy>(m_kalender.get(), &CMonatsKalender::TagGewaehlt);
    }

    void Klicken(const QPoint& punkt)
    {
        QTest::mouseClick(m_kalender.get(), Qt::LeftButton, {}, punkt);
    }
    void KlickAuf(const QDate& tag)
    {
        const QRect zelle = m_kalender->TagRechteck(tag);
        QVERIFY2(zelle.isValid(), qPrintable(tag.toString(Qt::ISODate) + " is not on show"));
        Klicken(zelle.center());
    }
    void GewaehltGenau(const QDate& tag)
    {
        QCOMPARE(m_gewaehlt->count(), 1);
        QCOMPARE(m_gewaehlt->takeFirst().at(0).toDate(), tag);
        QCOMPARE(m_kalender->Auswahl(), tag);
    }

private slots:
    void cleanup()
    {
        m_gewaehlt.reset();
        m_kalender.reset();
    }

    void ganzeMonateJeNachGroesse_data()
    {
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("main window") << QSize(780, 525) << 3 << 2;
        QTest::newRow("one month") << QSize(250, 230) << 1 << 1;
        QTest::newRow("smaller than a month") << QSize(60, 40) << 1 << 1;
        QTest::newRow("large, at most a year") << QSize(1600, 1000) << 6 << 2;
    }
    void ganzeMonateJeNachGroesse()
    {
        QFETCH(QSize, groesse);
        QFETCH(int, spalten);
        QFETCH(int, zeilen);
        Zeigen(groesse);
        QCOMPARE(m_kalender->Spalten(), spalten);
        QCOMPARE(m_kalender->Zeilen(), zeilen);
        QCOMPARE(m_kalender->AnzahlMonate(), spalten * zeilen);
        if (groesse.width() >= 250) {
            // whole months: the last day of the last month lies inside
            const QDate letzter = m_kalender->ErsterMonat().addMonths(spalten * zeilen).addDays(-1);
            QVERIFY(m_kalender->rect().contains(m_kalender->TagRechteck(letzter)));
            QVERIFY(m_kalender->rect().contains(m_kalender->HeuteRechteck()));
        }
    }

    void mehrMonateStattGestreckterTage()
    {
        Zeigen({250, 230});
        const QSize kleineZelle = m_kalender->TagRechteck(kHeute).size();
        m_kalender->resize(780, 525);
        QCOMPARE(m_kalender->TagRechteck(kHeute).size(), kleineZelle);
        QVERIFY(m_kalender->AnzahlMonate() > 1);
    }

    void deutscheNamenUndIsoWochen()
    {
        Zeigen();
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2026, 12, 1));
        QCOMPARE(m_kalender->MonatsTitel(0), QStringLiteral("Dezember 2026"));
        QCOMPARE(m_kalender->MonatsTitel(3), QStringLiteral("März 2027"));

        QCOMPARE(m_kalender->Kalenderwoche(0, 0), 49);  // 30.11.-06.12.2026
        QCOMPARE(m_kalender->Kalenderwoche(1, 0), 53);  // 1 January 2027 is a Friday
        QCOMPARE(m_kalender->Kalenderwoche(1, 1), 1);
        // February 2027 starts on a Monday: its first row holds only January,
        // which a middle month does not show
        QCOMPARE(m_kalender->Kalenderwoche(2, 0), 0);
        QCOMPARE(m_kalender->Kalenderwoche(2, 1), 5);

        // weeks run Monday to Sunday, left to right
        const QRect montag = m_kalender->TagRechteck(QDate(2026, 12, 7));
        for (QDate tag(2026, 12, 1); tag.month() == 12; tag = tag.addDays(1)) {
            const QRect zelle = m_kalender->TagRechteck(tag);
            QCOMPARE(zelle.left(), montag.left() + (tag.dayOfWeek() - 1) * montag.width());
        }
        QCOMPARE(m_kalender->TagRechteck(QDate(2026, 12, 1)).top(), montag.top() - montag.height());
    }

    void klickWaehltDenTagJedesMal()
    {
        Zeigen();
        KlickAuf(QDate(2027, 2, 17));
        GewaehltGenau(QDate(2027, 2, 17));
        KlickAuf(QDate(2027, 2, 17));  // again: the window commits its editor then
        GewaehltGenau(QDate(2027, 2, 17));
        const QRect mittwoch = m_kalender->TagRechteck(QDate(2027, 2, 17));
        Klicken(mittwoch.center() - QPoint(3 * mittwoch.width(), 0));  // its week number
        QCOMPARE(m_gewaehlt->count(), 0);
    }

    void auswahlSetzenIstStillUndHoltDenTagHerbei()
    {
        Zeigen();
        m_kalender->AuswahlSetzen(QDate(2031, 7, 15));
        QCOMPARE(m_kalender->Auswahl(), QDate(2031, 7, 15));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2031, 2, 1));  // July in the last block
        m_kalender->AuswahlSetzen(QDate(2020, 3, 1));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2020, 3, 1));
        m_kalender->AuswahlSetzen(QDate(1899, 12, 31));  // outside the range: refused
        QCOMPARE(m_kalender->Auswahl(), QDate(2020, 3, 1));
        QCOMPARE(m_gewaehlt->count(), 0);
    }

    void pfeileBewegenJedenMonatUndBehaltenDieAuswahl()
    {
        Zeigen();
        Klicken(m_kalender->PfeilVorRechteck().center());
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2027, 1, 1));
        QCOMPARE(m_kalender->MonatsTitel(5), QStringLiteral("Juni 2027"));
        Klicken(m_kalender->PfeilZurueckRechteck().center());
        Klicken(m_kalender->PfeilZurueckRechteck().center());
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2026, 11, 1));
        QCOMPARE(m_kalender->Auswahl(), kHeute);
        QCOMPARE(m_gewaehlt->count(), 0);
    }

    void graueTageDerNachbarmonate()
    {
        Zeigen();
        // 31.12. is a Thursday; the cell beside it would be 1 January, which
        // only the second month shows
        const QRect silvester = m_kalender->TagRechteck(QDate(2026, 12, 31));
        Klicken(silvester.center() + QPoint(silvester.width(), 0));
        QCOMPARE(m_gewaehlt->count(), 0);

        KlickAuf(QDate(2026, 11, 30));  // greyed, before the first month
        GewaehltGenau(QDate(2026, 11, 30));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2026, 11, 1));

        KlickAuf(QDate(2027, 5, 3));  // greyed, after the last month (April)
        GewaehltGenau(QDate(2027, 5, 3));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2026, 12, 1));
    }

    void tastenWaehlen_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QDate>("tag");
        QTest::newRow("Left") << int(Qt::Key_Left) << QDate(2026, 12, 5);
        QTest::newRow("Right") << int(Qt::Key_Right) << QDate(2026, 12, 7);
        QTest::newRow("Up") << int(Qt::Key_Up) << QDate(2026, 11, 29);
        QTest::newRow("Down") << int(Qt::Key_Down) << QDate(2026, 12, 13);
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << QDate(2026, 11, 6);
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << QDate(2027, 1, 6);
        QTest::newRow("Home") << int(Qt::Key_Home) << QDate(2026, 12, 1);
        QTest::newRow("End") << int(Qt::Key_End) << QDate(2026, 12, 31);
    }
    void tastenWaehlen()
    {
        QFETCH(int, taste);
        QFETCH(QDate, tag);
        Zeigen();
        QTest::keyClick(m_kalender.get(), Qt::Key(taste));
        GewaehltGenau(tag);
        QVERIFY(m_kalender->TagRechteck(tag).isValid());
    }

    void tasteBlaettertWennDerTagAusDemBildGeht()
    {
        Zeigen();
        m_kalender->AuswahlSetzen(QDate(2027, 5, 31));  // last day of the last month
        QTest::keyClick(m_kalender.get(), Qt::Key_Right);
        GewaehltGenau(QDate(2027, 6, 1));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2027, 1, 1));
        // the arrows may move the selection out of view; the next key brings it back
        for (int i = 0; i < 8; ++i)
            Klicken(m_kalender->PfeilVorRechteck().center());
        QVERIFY(!m_kalender->TagRechteck(QDate(2027, 6, 1)).isValid());
        QTest::keyClick(m_kalender.get(), Qt::Key_Down);
        GewaehltGenau(QDate(2027, 6, 8));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2027, 6, 1));
    }

    void nichtsAusserhalbDesBereichs()
    {
        Zeigen();
        m_kalender->AuswahlSetzen(QDate(1900, 1, 1));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(1900, 1, 1));
        QVERIFY(!m_kalender->ZurueckMoeglich());
        Klicken(m_kalender->PfeilZurueckRechteck().center());
        QCOMPARE(m_kalender->ErsterMonat(), QDate(1900, 1, 1));
        KlickAuf(QDate(1899, 12, 31));  // shown greyed, not offered
        QTest::keyClick(m_kalender.get(), Qt::Key_Left);
        QTest::keyClick(m_kalender.get(), Qt::Key_PageUp);
        QCOMPARE(m_gewaehlt->count(), 0);
        QCOMPARE(m_kalender->Auswahl(), QDate(1900, 1, 1));

        m_kalender->AuswahlSetzen(QDate(9999, 12, 31));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(9999, 7, 1));  // December in the last block
        QVERIFY(!m_kalender->VorMoeglich());
        Klicken(m_kalender->PfeilVorRechteck().center());
        QCOMPARE(m_kalender->ErsterMonat(), QDate(9999, 7, 1));
        KlickAuf(QDate(10000, 1, 1));
        QTest::keyClick(m_kalender.get(), Qt::Key_Right);
        QTest::keyClick(m_kalender.get(), Qt::Key_PageDown);
        QCOMPARE(m_gewaehlt->count(), 0);
        QCOMPARE(m_kalender->Auswahl(), QDate(9999, 12, 31));

        // a narrower range pulls the selection in, silently
        m_kalender->BereichSetzen(QDate(2027, 1, 1), QDate(2027, 3, 31));
        QCOMPARE(m_kalender->Auswahl(), QDate(2027, 3, 31));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2027, 1, 1));
        QVERIFY(!m_kalender->ZurueckMoeglich() && !m_kalender->VorMoeglich());
        QCOMPARE(m_gewaehlt->count(), 0);
    }

    void heuteZeileWaehltHeute()
    {
        Zeigen();
        m_kalender->AuswahlSetzen(QDate(2030, 5, 5));
        Klicken(m_kalender->HeuteRechteck().center());
        GewaehltGenau(kHeute);
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2026, 12, 1));
    }

    void verkleinernBehaeltDieAuswahlImBild()
    {
        Zeigen();
        m_kalender->AuswahlSetzen(QDate(2027, 5, 10));
        m_kalender->resize(250, 230);
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2027, 5, 1));
    }

    void tabFuehrtHineinUndWeiter()
    {
        QWidget fenster;
        auto* davor = new QLineEdit(&fenster);
        auto* kalender = new CMonatsKalender(&fenster);
        auto* danach = new QLineEdit(&fenster);
        auto* spalte = new QVBoxLayout(&fenster);
        spalte->addWidget(davor);
        spalte->addWidget(kalender);
        spalte->addWidget(danach);
        kalender->AuswahlSetzen(kHeute);
        QSignalSpy gewaehlt(kalender, &CMonatsKalender::TagGewaehlt);
        fenster.show();
        fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        davor->setFocus();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), kalender);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(gewaehlt.count(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), danach);
    }
};

QTEST_MAIN(TestMonatsKalender)
#include "tst_monatskalender.moc"
