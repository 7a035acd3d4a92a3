// The month calendar as a user meets it: what a click or a key picks, and
// that only the user's picks are announced (what a screen reader hears of
// it is tst_zugang's). (How many months it shows at
// the main window's size is tested there.)
#include "monatskalender.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "fenstertreiber.h"

namespace {
const QDate kHeute(2026, 12, 6);  // a Sunday
}

class TestMonatsKalender : public QObject {
    Q_OBJECT

    std::unique_ptr<CMonatsKalender> m_kalender;
    std::unique_ptr<QSignalSpy> m_gewaehlt;

    // Set up as the main window does: range, today, a fixed font.
    void Zeigen() {
        m_kalender = std::make_unique<CMonatsKalender>();
        m_kalender->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        m_kalender->resize(780, 525);
        m_kalender->BereichSetzen(QDate(1900, 1, 1), QDate(9999, 12, 31));
        m_kalender->HeuteSetzen(kHeute);
        m_kalender->AuswahlSetzen(kHeute);
        m_kalender->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_kalender.get()));
        m_gewaehlt = std::make_unique<QSignalSpy>(m_kalender.get(), &CMonatsKalender::TagGewaehlt);
    }
    void Klicken(const QPoint& punkt) {
        QTest::mouseClick(m_kalender.get(), Qt::LeftButton, {}, punkt);
    }
    void KlickAuf(const QDate& tag) {
        const QRect zelle = m_kalender->TagRechteck(tag);
        QVERIFY2(zelle.isValid(), qPrintable(tag.toString(Qt::ISODate) + " is not on show"));
        Klicken(zelle.center());
    }
    void GewaehltGenau(const QDate& tag) {
        QCOMPARE(m_gewaehlt->count(), 1);
        QCOMPARE(m_gewaehlt->takeFirst().at(0).toDate(), tag);
        QCOMPARE(m_kalender->Auswahl(), tag);
    }

private slots:
    void init() { Zeigen(); }
    void cleanup() {
        m_gewaehlt.reset();
        m_kalender.reset();
    }

    // Every click on a day is a pick, the same day again too (the window
    // files its editor then), a greyed day of a neighbouring month as well;
    // a week number is none.
    void klickWaehltDenTagJedesMal() {
        KlickAuf(QDate(2027, 2, 17));
        GewaehltGenau(QDate(2027, 2, 17));
        KlickAuf(QDate(2027, 2, 17));
        GewaehltGenau(QDate(2027, 2, 17));
        const QRect mittwoch = m_kalender->TagRechteck(QDate(2027, 2, 17));
        Klicken(mittwoch.center() - QPoint(3 * mittwoch.width(), 0));  // its week number
        QCOMPARE(m_gewaehlt->count(), 0);
        KlickAuf(QDate(2026, 11, 30));
        GewaehltGenau(QDate(2026, 11, 30));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2026, 11, 1));
    }

    // Each key from Sunday, 6 December 2026; a key that leaves the months
    // on show brings the new day into view.
    void tastenWaehlen() {
        for (auto [taste, tag] : {std::pair{Qt::Key_Left, QDate(2026, 12, 5)},
                                  {Qt::Key_Right, QDate(2026, 12, 7)},
                                  {Qt::Key_Up, QDate(2026, 11, 29)},
                                  {Qt::Key_Down, QDate(2026, 12, 13)},
                                  {Qt::Key_PageUp, QDate(2026, 11, 6)},
                                  {Qt::Key_PageDown, QDate(2027, 1, 6)},
                                  {Qt::Key_Home, QDate(2026, 12, 1)},
                                  {Qt::Key_End, QDate(2026, 12, 31)}}) {
            m_kalender->AuswahlSetzen(kHeute);
            QTest::keyClick(m_kalender.get(), taste);
            GewaehltGenau(tag);
            QVERIFY(m_kalender->TagRechteck(tag).isValid());
        }
        m_kalender->AuswahlSetzen(QDate(2027, 5, 31));  // last day of the last month
        QTest::keyClick(m_kalender.get(), Qt::Key_Right);
        GewaehltGenau(QDate(2027, 6, 1));
        QCOMPARE(m_kalender->ErsterMonat(), QDate(2027, 1, 1));
    }

    // Days outside the range are neither offered nor reached by arrow or key.
    void nichtsAusserhalbDesBereichs() {
        m_kalender->AuswahlSetzen(QDate(1900, 1, 1));
        Klicken(m_kalender->PfeilZurueckRechteck().center());
        QCOMPARE(m_kalender->ErsterMonat(), QDate(1900, 1, 1));
        KlickAuf(QDate(1899, 12, 31));  // shown greyed
        QTest::keyClick(m_kalender.get(), Qt::Key_Left);
        m_kalender->AuswahlSetzen(QDate(9999, 12, 31));
        Klicken(m_kalender->PfeilVorRechteck().center());
        QCOMPARE(m_kalender->ErsterMonat(), QDate(9999, 7, 1));  // December in the last block
        KlickAuf(QDate(10000, 1, 1));
        QTest::keyClick(m_kalender.get(), Qt::Key_Right);
        QCOMPARE(m_gewaehlt->count(), 0);
        QCOMPARE(m_kalender->Auswahl(), QDate(9999, 12, 31));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMonatsKalender test;
    return fenster::FenstertestAusfuehren(test, argc, argv);
}
#include "tst_monatskalender.moc"
