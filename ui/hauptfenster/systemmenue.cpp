#include "systemmenue.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

namespace systemmenue {

void TastaturVerbinden(QWidget* pFenster) {
    auto* pTaste = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), pFenster);
    QObject::connect(pTaste, &QShortcut::activated, pFenster, [pFenster] {
        QWidget* pZiel = pFenster->focusWidget() != nullptr ? pFenster->focusWidget() : pFenster;
        const QRect cursor = pZiel->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint pos = cursor.isValid() ? cursor.center() : pZiel->rect().center();
        QContextMenuEvent ereignis(QContextMenuEvent::Keyboard, pos, pZiel->mapToGlobal(pos));
        QApplication::sendEvent(pZiel, &ereignis);
    });
}

// Size and maximise stay on show, greyed, as for every fixed-size window.
std::optional<unsigned> Waehlen(QWidget* pFenster, const QPoint& global, const QString& strZusatz,
                                unsigned nZusatzID) {
    const bool bMinimiert = pFenster->isMinimized();

    QMenu menu(pFenster);
    menu.setObjectName(QStringLiteral("Systemmenue"));
    auto eintrag = [&menu](const QString& text, unsigned nID, bool bAktiv) {
        QAction* pAktion = menu.addAction(text);
        pAktion->setData(nID);
        pAktion->setEnabled(bAktiv);
        return pAktion;
    };
    eintrag(QStringLiteral("Wiederherstellen"), SC_RESTORE, bMinimiert);
    eintrag(QStringLiteral("Verschieben"), SC_MOVE, true);
    eintrag(QStringLiteral("Größe ändern"), SC_SIZE, false);
    eintrag(QStringLiteral("Minimieren"), SC_MINIMIZE,
            pFenster->windowFlags().testFlag(Qt::WindowMinimizeButtonHint) && !bMinimiert);
    eintrag(QStringLiteral("Maximieren"), SC_MAXIMIZE, false);
    menu.addSeparator();
    menu.setDefaultAction(eintrag(QStringLiteral("Schließen\tAlt+F4"), SC_CLOSE, true));
    if (!strZusatz.isEmpty()) {
        menu.addSeparator();
        eintrag(strZusatz, nZusatzID, true);
    }

    const QAction* pGewaehlt = menu.exec(global);
    if (pGewaehlt == nullptr) return std::nullopt;
    return pGewaehlt->data().toUInt();
}

void Ausfuehren(QWidget* pFenster, unsigned nID) {
    switch (Befehl(nID)) {
        case SC_CLOSE:
            pFenster->close();
            break;
        case SC_MINIMIZE:
            pFenster->showMinimized();
            break;
        case SC_RESTORE:
            pFenster->showNormal();
            break;
        case SC_MOVE:
            if (QWindow* pWindow = pFenster->windowHandle()) pWindow->startSystemMove();
            break;
        default:
            break;
    }
}

}  // namespace systemmenue
