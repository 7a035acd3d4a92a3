#pragma once
// The About box: the program icon, "Dorvane Version 1.0" and "OK".
// "OK" and Enter, Escape and the close box all just close it.

#include <QDialog>

class CDia_Info : public QDialog {
    Q_OBJECT
public:
    explicit CDia_Info(QWidget* pParent = nullptr);

    int DoModal();  // IDOK or IDCANCEL; nobody reads it
};
