#pragma once
// The window menu. Window systems on Linux let no program add to the menu
// of its window's title bar, so the main window shows this one instead (on
// its free area: right click, Shift+F10, the Menu key). Each entry carries
// a command number, by which the main window's OnSysCommand tells its About
// entry (IDM_ABOUTBOX) from the window commands below.

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace systemmenue {

inline constexpr unsigned SC_SIZE = 0xF000;
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_MAXIMIZE = 0xF030;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// A command number's low four bits don't tell commands apart.
inline constexpr unsigned Befehl(unsigned nID) {
    return nID & 0xFFF0;
}

// Shift+F10 in `pFenster` asks the focused control for its context menu,
// as the Menu key does; controls without one pass it on to the window.
void TastaturVerbinden(QWidget* pFenster);

// Shows the window menu of the fixed-size window `pFenster` at `global`:
// the window commands as its state allows them, then, when `strZusatz` is
// not empty, a separator and `strZusatz` with the command `nZusatzID`.
// Returns the chosen command, or nothing when the menu was dismissed.
std::optional<unsigned> Waehlen(QWidget* pFenster, const QPoint& global, const QString& strZusatz,
                                unsigned nZusatzID);

// Carries out one of the window commands the way the window system does.
void Ausfuehren(QWidget* pFenster, unsigned nID);

}  // namespace systemmenue
