#pragma once
// Where the stress tests start: a note filed on the 24th and one on the
// 6th, the 6th back in the editor, so that an action that harms the
// editor, the store or the reports cannot pass unseen.

#include <QTest>
#include <string>

#include "fenstertreiber.h"
#include "monatskalender.h"

const std::string kBestand = "[TERMIN] Bescherung";  // filed on the 24th
const std::string kVorher = "[TERMIN] vorher ";      // filed, and in the editor

// In the window opened on 6 December 2026.
inline void BestandAnlegen(fenster::Hauptfenster& f) {
    f.NotizenAnlegen({{QDate(2026, 12, 24), QString::fromLatin1(kBestand)},
                      {QDate(2026, 12, 6), QString::fromLatin1(kVorher)}},
                     QDate(2026, 12, 7));
    QTest::keyClick(f.Kalender(), Qt::Key_Left);
}
