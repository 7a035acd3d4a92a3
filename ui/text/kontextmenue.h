#pragma once
// Qt's standard context menu of a text box, with entries whose step the box
// runs itself, so that it can take the room an action needs first. The menu
// offers no handle on its entries but their object names ("edit-copy" ...),
// which Qt 6.4 gives the note editor's entries and not yet the line box's,
// and their labels in Qt's own translation; an entry found by neither is
// left to Qt, with a warning.

#include <QMenu>
#include <QString>
#include <functional>
#include <initializer_list>

namespace kontextmenue {

struct Umleitung {
    const char* name;               // the entry's object name
    QString beschriftung;           // or its label as Qt translates it, before the shortcut
    std::function<void()> schritt;  // run instead of Qt's step
};

// Shows `menue` at `wo` with its entries redirected; the menu deletes
// itself once closed.
void Zeigen(QMenu* menue, const QPoint& wo, std::initializer_list<Umleitung> umleitungen);

}  // namespace kontextmenue
