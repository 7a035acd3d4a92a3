#pragma once
// Builds the main window's and the About box's controls from their
// templates in res/ (geometries in dialog units) and converts them to
// pixels for the dialog's font; the controls are then found by their
// resource names. Kept apart from resource.h, whose macros share the
// controls' names.

class QDialog;

void KalenderVorlageLaden(QDialog* dialog);  // IDD_KALENDER
void InfoVorlageLaden(QDialog* dialog);      // IDD_ABOUTBOX
