#include "vorlagen.h"

#include "dialogeinheiten.h"
#include "ui_IDD_FINDEN.h"
#include "ui_IDD_NOTIZ.h"

void NotizVorlageLaden(QDialog* dialog) {
    Ui::IDD_NOTIZ().setupUi(dialog);
    DialogeinheitenAnwenden(dialog);
}

void FindenVorlageLaden(QDialog* dialog) {
    Ui::IDD_FINDEN().setupUi(dialog);
    DialogeinheitenAnwenden(dialog);
}
