#include "kontextmenue.h"

#include <QAction>

namespace kontextmenue {

namespace {

QAction* Eintrag(QMenu* menue, const Umleitung& umleitung) {
    if (auto* pEintrag = menue->findChild<QAction*>(QLatin1String(umleitung.name))) return pEintrag;
    if (umleitung.beschriftung.isEmpty()) return nullptr;
    for (QAction* pEintrag : menue->actions())
        if (pEintrag->text().section(u'\t', 0, 0) == umleitung.beschriftung) return pEintrag;
    return nullptr;
}

}  // namespace

void Zeigen(QMenu* menue, const QPoint& wo, std::initializer_list<Umleitung> umleitungen) {
    for (const Umleitung& umleitung : umleitungen) {
        QAction* pEintrag = Eintrag(menue, umleitung);
        if (pEintrag == nullptr) {
            qWarning("dorvane: Qt's context menu has no entry \"%s\"", umleitung.name);
            continue;
        }
        QObject::disconnect(pEintrag, &QAction::triggered, nullptr, nullptr);
        QObject::connect(pEintrag, &QAction::triggered, menue, umleitung.schritt);
    }
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(wo);
}

}  // namespace kontextmenue
