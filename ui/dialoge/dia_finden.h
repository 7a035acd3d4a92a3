#pragma once
// Asks for a search term; "OK" leaves it in g_strDialogText exactly as
// typed. Opens empty every time. What would not fit into the box for want
// of memory never reaches it.

#include <QDialog>
#include <memory>

class CFilter1252;
class QLineEdit;

namespace Ui {
class IDD_FINDEN;
}

class CDia_Finden : public QDialog {
    Q_OBJECT
public:
    explicit CDia_Finden(QWidget* pParent = nullptr);
    ~CDia_Finden() override;

    int DoModal();  // IDOK or IDCANCEL

protected:
    bool eventFilter(QObject* pZiel, QEvent* e) override;

private:
    void DoDataExchange();
    void NachrichtenVerbinden();
    void OnBnClickedOk();
    void OnEingabeAbgelehnt();
    // Whether the box has room for so many characters more; if not, the
    // user is told.
    bool RaumFuer(qsizetype zeichen);

    std::unique_ptr<Ui::IDD_FINDEN> m_ui;
    QLineEdit* m_editSuche = nullptr;
    CFilter1252* m_filter = nullptr;
};
