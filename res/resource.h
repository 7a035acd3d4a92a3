#pragma once
// Resource and command numbers of the dialogs. Controls carry the name of
// their ID as object name (IDC_NOTIZ, IDOK ...), so that tests find them;
// the code reaches them through the dialog's form.

namespace res {

// Dialog templates
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_KALENDER = 102;
inline constexpr int IDD_NOTIZ = 129;
inline constexpr int IDD_FINDEN = 130;

// Strings and the icon group
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDR_MAINFRAME = 128;

// Controls; IDOK and IDCANCEL are also what a dialog ends with.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_LEEREN = 3;
inline constexpr int IDC_KALENDER = 1000;
inline constexpr int IDC_NOTIZ = 1002;
inline constexpr int IDC_SUCHE = 1003;
inline constexpr int IDC_TAG = 1007;

// Commands: help and the three command buttons of the main window
inline constexpr unsigned ID_HELP = 0xE146;
inline constexpr unsigned ID_NOTIZ = 0xE147;
inline constexpr unsigned ID_FINDEN = 0xE148;
inline constexpr unsigned ID_TERMINE = 0xE149;

// Window-menu commands
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

}  // namespace res
