#pragma once
// Resource and command numbers of the dialogs. Controls carry the name of
// their ID as object name (IDC_NOTIZ, IDOK ...), so code and tests find them
// the same way.

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_KALENDER 102
#define IDD_NOTIZ 129
#define IDD_FINDEN 130

// Strings and the icon group
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128

// Controls
#define IDOK 1
#define IDCANCEL 2
#define IDC_LEEREN 3
#define IDC_KALENDER 1000
#define IDC_NOTIZ 1002
#define IDC_SUCHE 1003
#define IDC_TAG 1007

// Commands: help and the three command buttons of the main window
#define ID_HELP 0xE146
#define ID_NOTIZ 0xE147
#define ID_FINDEN 0xE148
#define ID_TERMINE 0xE149

// System-menu commands
#define IDM_ABOUTBOX 0x0010
