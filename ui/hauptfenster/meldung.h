#pragma once
// The program's own question box: the application's title, no icon, the
// buttons "Ja" and "Nein" (German through Qt's translations), "Ja" the
// default; Escape and the close box answer "Nein".

#include <string>

class QWidget;

inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// `strText` is Windows-1252; returns IDYES or IDNO.
int FrageJaNein(QWidget* pOwner, const std::string& strText);
