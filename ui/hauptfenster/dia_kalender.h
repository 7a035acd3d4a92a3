#pragma once
// The main window: the month calendar, the note editor for the picked day
// with its label, and the button row. It owns the note store, tells it
// every day the user picks, and lets it read and replace the editor's text.
// "OK" ends at once; "Abbrechen", Escape and the close box ask first.

#include <QDialog>
#include <QIcon>
#include <cstdint>
#include <memory>
#include <string>

#include "notizbuch.h"
#include "notizeditor.h"
#include "uhr.h"

class CMonatsKalender;
class CNotizEdit;
class QContextMenuEvent;
class QDate;
class QPoint;

namespace Ui {
class IDD_KALENDER;
}

class CDia_Kalender : public QDialog, private CNotizEditor {
    Q_OBJECT
public:
    // `uhr` says what "now" is: at start-up and for every appointment report.
    explicit CDia_Kalender(QWidget* pParent = nullptr, Uhr uhr = Systemzeit);
    ~CDia_Kalender() override;

    int DoModal();  // IDOK or IDCANCEL

    // A command of the window menu. IDM_ABOUTBOX (whatever its low four
    // bits) opens the About box; the window system's own commands are
    // carried out as usual, closing through the question of "Abbrechen".
    void OnSysCommand(unsigned nID, std::intptr_t lParam);

    // Escape and the close box arrive here, as "Abbrechen".
    void reject() override;

signals:
    // "&Hilfe" or F1: the window has no help of its own; the application
    // shows it.
    void HilfeVerlangt();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void DoDataExchange();
    void NachrichtenVerbinden();
    void OnInitDialog();
    void TagAnzeigen();
    Datumswert HeuteAuffrischen();

    void OnMcnSelectKalender(const QDate& tag);
    void OnBnClickedOk();
    void OnBnClickedNotiz();
    void OnBnClickedFinden();
    void OnBnClickedTermine();
    void OnBnClickedCancel();
    void OnOK();
    void OnCancel();

    void SystemmenueZeigen(const QPoint& global);

    // The store's access to the editor.
    std::string TextLesen() const override;
    void TextSetzen(const std::string& text) override;

    std::unique_ptr<Ui::IDD_KALENDER> m_ui;
    Uhr m_uhr;
    QIcon m_hIcon;
    std::string m_strMeldung;
    CNotizEdit* m_editNotiz = nullptr;
    CMonatsKalender* m_ctrlKalender = nullptr;
    CNotizBuch m_notizBuch;
};
