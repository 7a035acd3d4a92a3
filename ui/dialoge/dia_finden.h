#pragma once
// Asks for a search term; "OK" leaves it in g_strDialogText exactly as
// typed. Opens empty every time.

#include <QDialog>

class CFilter1252;
class QLineEdit;

class CDia_Finden : public QDialog {
    Q_OBJECT
public:
    explicit CDia_Finden(QWidget* pParent = nullptr);

    int DoModal();  // IDOK or IDCANCEL

private:
    void NachrichtenVerbinden();
    void OnBnClickedOk();
    void OnEingabeAbgelehnt();

    QLineEdit* m_editSuche = nullptr;
    CFilter1252* m_filter = nullptr;
};
