// Ways to turn the view quickly: the title's month menu, the year stepper,
// the arrows held down. None of them picks a day: the selection, and with
// it the editor and the store, stay as they are.
#include "kalenderlayout.h"
#include "monatskalender.h"
#include "monatsraster.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

namespace {

// As a push button repeats (QAbstractButton's defaults).
constexpr int kErsteWiederholungMs = 300;
constexpr int kWiederholungMs = 100;

// A popup of its own, so that Enter and Escape end the stepping and never
// reach the window's default button or its quit question.
class JahrFeld : public QSpinBox {
public:
    explicit JahrFeld(QWidget* pKalender) : QSpinBox(pKalender) {
        setWindowFlags(Qt::Popup);
        setAttribute(Qt::WA_DeleteOnClose);
        setAccessibleName(QStringLiteral("Jahr"));
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
                close();
                return;
            default:
                QSpinBox::keyPressEvent(e);
        }
    }
};

}  // namespace

void CMonatsKalender::TitelGeklickt(int block, const QPoint& punkt) {
    const QRect titel = Layout().Titel(block);
    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics fm(fett);
    const QString text = MonatsTitel(block);
    const int breite = fm.horizontalAdvance(text);
    // drawn centred in the title
    const int links = titel.left() + (titel.width() - breite) / 2;
    const int jahrLinks = links + fm.horizontalAdvance(text.left(text.lastIndexOf(u' ') + 1));
    if (punkt.x() < links || punkt.x() >= links + breite) return;
    if (punkt.x() >= jahrLinks)
        JahrStellen(block,
                    QRect(jahrLinks, titel.top(), links + breite - jahrLinks, titel.height()));
    else
        MonatsMenue(block, mapToGlobal(QPoint(links, titel.bottom())));
}

void CMonatsKalender::MonatsMenue(int block, const QPoint& global) {
    const QDate monat = ErsterMonat().addMonths(block);
    QMenu menue(this);
    for (int m = 1; m <= 12; ++m) {
        QAction* pEintrag = menue.addAction(TitelVon(QDate(2000, m, 1)).section(u' ', 0, 0));
        pEintrag->setData(m);
        pEintrag->setCheckable(true);
        pEintrag->setChecked(m == monat.month());
        if (m == monat.month()) menue.setActiveAction(pEintrag);
    }
    const QAction* pGewaehlt = menue.exec(global);
    if (pGewaehlt != nullptr) Blaettern(pGewaehlt->data().toInt() - monat.month());
}

void CMonatsKalender::JahrStellen(int block, const QRect& jahr) {
    auto* pJahr = new JahrFeld(this);
    pJahr->setRange(m_von.year(), m_bis.year());
    pJahr->setValue(ErsterMonat().addMonths(block).year());
    connect(pJahr, &QSpinBox::valueChanged, this, [this, block](int neu) {
        Blaettern(12 * (neu - ErsterMonat().addMonths(block).year()));
    });
    const QSize groesse = pJahr->sizeHint();
    pJahr->setGeometry(QRect(
        mapToGlobal(jahr.center()) - QPoint(groesse.width() / 2, groesse.height() / 2), groesse));
    pJahr->show();
    pJahr->setFocus();
    pJahr->selectAll();
}

void CMonatsKalender::WiederholungStarten(int monate) {
    if (m_pWiederholung == nullptr) {
        m_pWiederholung = new QTimer(this);
        connect(m_pWiederholung, &QTimer::timeout, this, [this] {
            m_pWiederholung->setInterval(kWiederholungMs);
            Blaettern(m_wiederholtMonate);
        });
    }
    m_wiederholtMonate = monate;
    Blaettern(monate);
    m_pWiederholung->start(kErsteWiederholungMs);
}

void CMonatsKalender::WiederholungStoppen() {
    if (m_pWiederholung != nullptr) m_pWiederholung->stop();
}
