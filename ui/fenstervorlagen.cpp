#include "fenstervorlagen.h"

#include "dialogeinheiten.h"
#include "ui_IDD_ABOUTBOX.h"
#include "ui_IDD_KALENDER.h"

void KalenderVorlageLaden(QDialog* dialog) {
    Ui::IDD_KALENDER().setupUi(dialog);
    DialogeinheitenAnwenden(dialog);
}

void InfoVorlageLaden(QDialog* dialog) {
    Ui::IDD_ABOUTBOX().setupUi(dialog);
    DialogeinheitenAnwenden(dialog);
}
