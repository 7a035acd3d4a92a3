#include "kontextmenue.h"

#include <QAction>

namespace kontextmenue {

void Zeigen(QMenu* menue, const QPoint& wo, std::initializer_list<Umleitung> umleitungen) {
    for (const Umleitung& umleitung : umleitungen) {
        auto* pEintrag = menue->findChild<QAction*>(QLatin1String(umleitung.name));
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
