#pragma once
// The pictures of the program: the main window opened on Sunday,
// 6 December 2026, 10:00, with a few German notes typed in as a user
// would, then each dialog opened through its real button or menu entry,
// pictured from inside its modal loop, and closed again.

#include <QImage>
#include <QString>
#include <vector>

struct Aufnahme {
    QString name;  // file name without ".png"
    QImage bild;
};

// hauptfenster, notiz, finden, suche, termine, info: in this order.
std::vector<Aufnahme> AlleAufnehmen();
