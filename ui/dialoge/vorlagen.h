#pragma once
// Builds a dialog's controls from its template in res/ (geometries in
// dialog units) and converts them to pixels for the dialog's font. The
// controls are then found by their resource names (IDC_NOTIZ, IDOK ...).
// Kept apart from resource.h, whose macros share the controls' names.

class QDialog;

void NotizVorlageLaden(QDialog* dialog);   // IDD_NOTIZ
void FindenVorlageLaden(QDialog* dialog);  // IDD_FINDEN
