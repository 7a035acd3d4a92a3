#pragma once
// Qt's standard context menu of a text box, with entries whose step the box
// runs itself, so that it can take the room an action needs first. The menu
// offers no handle on its entries but their object names ("edit-copy" ...),
// which Qt gives them; an entry Qt does not name so is left to Qt, with a
// warning.

#include <QMenu>
#include <functional>
#include <initializer_list>

namespace kontextmenue {

struct Umleitung {
    const char* name;               // the entry's object name
    std::function<void()> schritt;  // run instead of Qt's step
};

// Shows `menue` at `wo` with its entries redirected; the menu deletes
// itself once closed.
void Zeigen(QMenu* menue, const QPoint& wo, std::initializer_list<Umleitung> umleitungen);

}  // namespace kontextmenue
