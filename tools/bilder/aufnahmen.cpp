#include "aufnahmen.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <utility>

#include "fenstertreiber.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "rahmen.h"
#include "resource.h"
#include "ressourcen.h"

using namespace fenster;

namespace {

const QDate kHeute(2026, 12, 6);

// Before today, the coming weeks, and the 100th day ahead (the last the
// appointment report lists).
const std::vector<std::pair<QDate, QString>> kNotizen = {
    {QDate(2026, 12, 1), QStringLiteral("[TERMIN] Winterreifen aufziehen lassen, 7:30 Uhr")},
    {QDate(2026, 12, 6), QStringLiteral("Nikolaus\n"
                                        "[TERMIN] 15 Uhr Adventskaffee bei Oma Hilde\n"
                                        "Stollen und Plätzchen mitbringen")},
    {QDate(2026, 12, 7), QStringLiteral("[TERMIN] Friseur 9 Uhr")},
    {QDate(2026, 12, 8), QStringLiteral("[TERMIN] Kinderarzt mit Lena, 11 Uhr")},
    {QDate(2026, 12, 9), QStringLiteral("[TERMIN] Elternabend 19:30 Uhr, Grundschule\n"
                                        "Kuchen für den Basar backen")},
    {QDate(2026, 12, 11), QStringLiteral("[TERMIN] Zahnarzt Dr. Weber, 8:15 Uhr\n"
                                         "Bonusheft mitnehmen!")},
    {QDate(2026, 12, 18),
     QStringLiteral("[TERMIN] Weihnachtsfeier der Abteilung, 18 Uhr im Ratskeller\n"
                    "Wichtelgeschenk besorgen (höchstens 15 €)")},
    {QDate(2026, 12, 24), QStringLiteral("Heiligabend\n"
                                         "[TERMIN] Christmette 22 Uhr\n"
                                         "Geschenke: Buch für Papa, Schal für Mama")},
    {QDate(2026, 12, 31), QStringLiteral("Silvester bei Müllers\n"
                                         "[TERMIN] 20 Uhr Raclette, Sekt mitbringen")},
    {QDate(2027, 1, 14), QStringLiteral("[TERMIN] Zahnarzt, Kontrolle 10 Uhr")},
    {QDate(2027, 2, 5), QStringLiteral("Steuererklärung: Belege sortieren,\n"
                                       "Zahnarztrechnung nicht vergessen")},
    {QDate(2027, 3, 16), QStringLiteral("[TERMIN] Steuerberater 14 Uhr")},
};

const QString kSuchbegriff = QStringLiteral("Zahnarzt");

}  // namespace

std::vector<Aufnahme> AlleAufnehmen() {
    std::vector<Aufnahme> aufnahmen;
    auto aufnehmen = [&aufnahmen](const char* name, QWidget* pFenster) {
        aufnahmen.push_back({QLatin1String(name), MitRahmen(pFenster)});
    };

    // As the program runs it, with the fixed clock; the last note filed and
    // today's back in the editor.
    Hauptfenster f(Moment(2026, 12, 6, 10));
    f.Zeigen();
    CDia_Kalender& dlg = f.m_dlg;
    CNotizEdit* pEditor = f.Editor();
    f.NotizenAnlegen(kNotizen, kHeute);
    QTest::keyClick(f.Kalender(), Qt::Key_Tab);
    if (QApplication::focusWidget() != pEditor)
        Fehlschlagen(QStringLiteral("Tab did not reach the note editor"));
    QTest::keyClick(pEditor, Qt::Key_End, Qt::ControlModifier);
    aufnehmen("hauptfenster", &dlg);

    Fensterfolge(&dlg)
        .Dann([&](QWidget* pNotiz) {
            auto* pText = Steuerelement<CNotizEdit>(pNotiz, "IDC_NOTIZ");
            if (pText->isReadOnly() || pText->toPlainText().isEmpty())
                Fehlschlagen(QStringLiteral("the note dialog did not open on the day's note"));
            QTest::keyClick(pText, Qt::Key_End, Qt::ControlModifier);
            aufnehmen("notiz", pNotiz);
            Klicken(pNotiz, "IDCANCEL");
        })
        .Ausfuehren([&] { Klicken(&dlg, "ID_NOTIZ"); });

    Fensterfolge(&dlg)
        .Dann([&](QWidget* pFinden) {
            Tippen(Steuerelement<QLineEdit>(pFinden, "IDC_SUCHE"), kSuchbegriff);
            aufnehmen("finden", pFinden);
            Klicken(pFinden, "IDOK");
        })
        .Dann([&](QWidget* pBericht) {
            aufnehmen("suche", pBericht);
            Klicken(pBericht, "IDOK");
        })
        .Ausfuehren([&] { Klicken(&dlg, "ID_FINDEN"); });

    Fensterfolge(&dlg)
        .Dann([&](QWidget* pBericht) {
            aufnehmen("termine", pBericht);
            Klicken(pBericht, "IDOK");
        })
        .Ausfuehren([&] { Klicken(&dlg, "ID_TERMINE"); });

    // The window menu opens on the free area beside the command buttons.
    const QRect termine = Steuerelement<QPushButton>(&dlg, "ID_TERMINE")->geometry();
    const QPoint frei(termine.right() + 30, termine.center().y());
    if (dlg.childAt(frei) != nullptr)
        Fehlschlagen(QStringLiteral("no free area beside \"Termine\""));
    Fensterfolge(&dlg)
        .Dann([](QWidget* pMenue) { MenuePunktKlicken(pMenue, StringLaden(res::IDS_ABOUTBOX)); })
        .Dann([&](QWidget* pInfo) {
            aufnehmen("info", pInfo);
            Klicken(pInfo, "IDOK");
        })
        .Ausfuehren([&] { Rechtsklick(&dlg, frei); });

    // "OK" ends without the question.
    Klicken(&dlg, "IDOK");
    if (dlg.isVisible()) Fehlschlagen(QStringLiteral("the main window did not close on \"OK\""));
    return aufnahmen;
}
