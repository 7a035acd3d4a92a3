#pragma once
// Sets a window's caption to exactly the given text: an empty caption
// stays empty (the platform would show the program's name instead) and
// "[*]" is shown as written, not taken as the modified marker.

#include <QString>

class QWidget;

void FenstertitelSetzen(QWidget* fenster, const QString& titel);
