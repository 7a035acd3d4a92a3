#pragma once
// The large note dialog: edit mode for the day's note, report mode
// (read-only) for the two reports. It never touches the note store; the
// text goes back through g_strDialogText.

#include <QDialog>
#include <memory>
#include <string>

class CTextfeld;

namespace Ui {
class IDD_NOTIZ;
}

class CDia_Notiz : public QDialog {
    Q_OBJECT
public:
    explicit CDia_Notiz(QWidget* pParent = nullptr);
    ~CDia_Notiz() override;

    bool m_bNurLesen = false;  // true: report mode
    // Shown when the dialog opens (Windows-1252); a report moves on into
    // the box rather than being copied.
    std::string m_strText;
    std::string m_strTitel;  // caption (Windows-1252)

    // Empties g_strDialogText, shows m_strText under m_strTitel and runs the
    // dialog. IDOK: g_strDialogText holds the box's whole text ("\r\n").
    int DoModal();  // IDOK or IDCANCEL

private:
    void DoDataExchange();
    void NachrichtenVerbinden();
    void OnInitDialog();
    void OnBnClickedOk();
    void OnBnClickedLeeren();

    std::unique_ptr<Ui::IDD_NOTIZ> m_ui;
    // The box on show, IDC_NOTIZ: the editor in edit mode, the report box
    // in report mode; made when the dialog opens, in the form's place.
    CTextfeld* m_editNotiz = nullptr;
};
