#pragma once
// The About box: the program icon, "Dorvane Version 1.0" and "OK".
// "OK" and Enter, Escape and the close box all just close it.

#include <QDialog>
#include <memory>

namespace Ui {
class IDD_ABOUTBOX;
}

class CDia_Info : public QDialog {
    Q_OBJECT
public:
    explicit CDia_Info(QWidget* pParent = nullptr);
    ~CDia_Info() override;

    int DoModal();  // IDOK or IDCANCEL; nobody reads it

private:
    std::unique_ptr<Ui::IDD_ABOUTBOX> m_ui;
};
