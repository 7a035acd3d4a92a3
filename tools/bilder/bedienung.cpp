#include "bedienung.h"

#include <QApplication>
#include <QDate>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "monatskalender.h"

void Abbrechen(const QString& grund) {
    std::fprintf(stderr, "dorvane-bilder: %s\n", qPrintable(grund));
    std::fflush(stderr);
    // Inside nested modal loops there is nothing sensible to unwind to.
    std::_Exit(1);
}

void Tippen(QWidget* pZiel, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar zeichen = text.at(i);
        if (zeichen == QLatin1Char('\n'))
            QTest::keyClick(pZiel, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, pZiel, Qt::Key(zeichen.toUpper().unicode()),
                                QString(zeichen), Qt::NoModifier);
    }
}

void Klicken(QWidget* pFenster, const char* id) {
    auto* pKnopf = Steuerelement<QPushButton>(pFenster, id);
    if (!pKnopf->isEnabled()) Abbrechen(QStringLiteral("%1 is disabled").arg(QLatin1String(id)));
    QTest::mouseClick(pKnopf, Qt::LeftButton);
}

void TagWaehlen(CMonatsKalender* pKalender, const QDate& tag) {
    for (int i = 0; i < 24 && !pKalender->TagRechteck(tag).isValid(); ++i) {
        const QRect pfeil = tag < pKalender->ErsterMonat() ? pKalender->PfeilZurueckRechteck()
                                                           : pKalender->PfeilVorRechteck();
        QTest::mouseClick(pKalender, Qt::LeftButton, {}, pfeil.center());
    }
    const QRect zelle = pKalender->TagRechteck(tag);
    if (!zelle.isValid())
        Abbrechen(QStringLiteral("the calendar does not show %1").arg(tag.toString(Qt::ISODate)));
    QTest::mouseClick(pKalender, Qt::LeftButton, {}, zelle.center());
    if (pKalender->Auswahl() != tag)
        Abbrechen(QStringLiteral("the calendar did not take %1").arg(tag.toString(Qt::ISODate)));
}

void Rechtsklick(QWidget* pFenster, const QPoint& pos) {
    QTest::mouseClick(pFenster->windowHandle(), Qt::RightButton, {}, pos);
}

void MenuePunktKlicken(QWidget* pMenue, const QString& text) {
    auto* pMenu = qobject_cast<QMenu*>(pMenue);
    if (pMenu == nullptr)
        Abbrechen(QStringLiteral("expected a menu, got \"%1\"").arg(pMenue->windowTitle()));
    for (QAction* pAktion : pMenu->actions()) {
        if (pAktion->text() == text) {
            QTest::mouseClick(pMenu, Qt::LeftButton, {}, pMenu->actionGeometry(pAktion).center());
            return;
        }
    }
    Abbrechen(QStringLiteral("no menu entry \"%1\"").arg(text));
}

Fensterfolge::Fensterfolge(QWidget* pHauptfenster) : m_pHaupt(pHauptfenster) {
    connect(&m_takt, &QTimer::timeout, this, &Fensterfolge::Pruefen);
}

Fensterfolge& Fensterfolge::Dann(Antwort antwort) {
    m_antworten.push_back(std::move(antwort));
    return *this;
}

void Fensterfolge::Ausfuehren(const std::function<void()>& aktion) {
    m_takt.start(10);
    aktion();
    m_takt.stop();
    if (!m_antworten.empty())
        Abbrechen(QStringLiteral("%1 window(s) expected did not open").arg(m_antworten.size()));
}

// Runs inside the modal loop of the window that opened.
void Fensterfolge::Pruefen() {
    QWidget* pFenster = QApplication::activePopupWidget();
    const bool bMenue = pFenster != nullptr;
    if (!bMenue) pFenster = QApplication::activeModalWidget();
    if (pFenster == nullptr || pFenster == m_pHaupt || pFenster == m_pLetztes ||
        !pFenster->isVisible())
        return;
    // Until the window system activates it, a dialog draws its focus as a
    // window in the background does, and the picture would depend on when
    // it was taken.
    if (!bMenue && QApplication::activeWindow() != pFenster) {
        if (++m_nWarten > kMaxWarten)
            Abbrechen(QStringLiteral("\"%1\" did not become active").arg(pFenster->windowTitle()));
        return;
    }
    m_nWarten = 0;
    m_pLetztes = pFenster;
    if (m_antworten.empty())
        Abbrechen(QStringLiteral("unexpected window \"%1\"").arg(pFenster->windowTitle()));
    const Antwort antwort = std::move(m_antworten.front());
    m_antworten.pop_front();
    antwort(pFenster);
}
