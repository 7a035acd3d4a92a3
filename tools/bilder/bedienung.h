#pragma once
// Drives the program's windows as a user does: keys, clicks, days picked
// in the calendar, and the modal windows and menus that open meanwhile.
// Anything that does not go as planned ends the program with a message
// (Abbrechen), so a changed window never passes for a picture of itself.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class CMonatsKalender;
class QDate;

[[noreturn]] void Abbrechen(const QString& grund);

// The child of `pFenster` with the object name `id` (a resource ID).
template <typename T>
T* Steuerelement(QWidget* pFenster, const char* id) {
    T* pElement = pFenster->findChild<T*>(QLatin1String(id));
    if (pElement == nullptr)
        Abbrechen(QStringLiteral("no control %1 in \"%2\"")
                      .arg(QLatin1String(id), pFenster->windowTitle()));
    return pElement;
}

// Key by key; "\n" is the Enter key.
void Tippen(QWidget* pZiel, const QString& text);
void Klicken(QWidget* pFenster, const char* id);
// Picks `tag` with the mouse, leafing with the arrows as far as needed.
void TagWaehlen(CMonatsKalender* pKalender, const QDate& tag);
// A right click as the window system delivers it.
void Rechtsklick(QWidget* pFenster, const QPoint& pos);
void MenuePunktKlicken(QWidget* pMenue, const QString& text);

// Answers the modal windows and popup menus that open while an action
// runs, each new one with the next answer. A window with no answer left
// ends the program, and so does an action that leaves answers unused.
class Fensterfolge : public QObject {
public:
    using Antwort = std::function<void(QWidget*)>;

    explicit Fensterfolge(QWidget* pHauptfenster);
    Fensterfolge& Dann(Antwort antwort);
    // Runs `aktion`, which opens the windows, and checks all were answered.
    void Ausfuehren(const std::function<void()>& aktion);

private:
    void Pruefen();

    static constexpr int kMaxWarten = 500;  // checks, 10 ms apart

    QPointer<QWidget> m_pHaupt, m_pLetztes;
    int m_nWarten = 0;
    std::deque<Antwort> m_antworten;
    QTimer m_takt;
};
