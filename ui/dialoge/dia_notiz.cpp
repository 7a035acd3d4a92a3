#include "dia_notiz.h"

#include <QPushButton>
#include <QTextCursor>
#include <QWindow>
#include <utility>

#include "dialogeinheiten.h"
#include "dialogergebnis.h"
#include "dialogtext.h"
#include "notizedit.h"
#include "textwandlung.h"
#include "ui_IDD_NOTIZ.h"

namespace {

// Exactly the given caption: an empty one stays empty (the platform would
// show the program's name instead) and "[*]" is shown as written, not taken
// as the modified marker.
void FenstertitelSetzen(QWidget* fenster, const QString& titel) {
    QString maskiert = titel;
    maskiert.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    fenster->setWindowTitle(maskiert);
    if (titel.isEmpty()) {
        // The platform fills an empty title with the program's name; a
        // lone blank shows as nothing.
        fenster->winId();
        fenster->windowHandle()->setTitle(QStringLiteral(" "));
    }
}

}  // namespace

CDia_Notiz::CDia_Notiz(QWidget* pParent) : QDialog(pParent), m_ui(new Ui::IDD_NOTIZ) {
    m_ui->setupUi(this);
    DialogeinheitenAnwenden(this);
    DoDataExchange();
    NachrichtenVerbinden();
}

CDia_Notiz::~CDia_Notiz() = default;

void CDia_Notiz::DoDataExchange() {
    m_editNotiz = m_ui->IDC_NOTIZ;
}

void CDia_Notiz::NachrichtenVerbinden() {
    connect(m_ui->IDOK, &QPushButton::clicked, this, &CDia_Notiz::OnBnClickedOk);
    connect(m_ui->IDC_LEEREN, &QPushButton::clicked, this, &CDia_Notiz::OnBnClickedLeeren);
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &QDialog::reject);
}

int CDia_Notiz::DoModal() {
    OnInitDialog();
    return DialogErgebnis(exec());
}

void CDia_Notiz::OnInitDialog() {
    m_editNotiz->NurLesenSetzen(m_bNurLesen);
    m_ui->IDC_LEEREN->setEnabled(!m_bNurLesen);
    // A report, megabytes perhaps, is handed over, not copied; the box
    // gives it back.
    if (m_bNurLesen)
        m_editNotiz->KernTextSetzen(std::move(m_strText));
    else
        m_editNotiz->KernTextSetzen(m_strText);
    // Emptied with its memory: a report handed back can be megabytes large.
    std::string().swap(g_strDialogText);
    const QString titel = textwandlung::VonKern(m_strTitel);
    FenstertitelSetzen(this, titel);
    // The box is the dialog's content: a screen reader names it after the
    // caption (a note's day, a report's term).
    m_editNotiz->setAccessibleName(titel);
    m_editNotiz->setFocus();
}

void CDia_Notiz::OnBnClickedOk() {
    // A report cannot have changed: it goes back as it came, without
    // encoding megabytes again, and without copying them once the dialog is
    // closed and the box no longer shows them.
    if (m_bNurLesen) {
        accept();
        g_strDialogText = m_editNotiz->KernTextHergeben();
        return;
    }
    // Only text set past the box's filter can hold such characters; keep
    // the dialog open rather than hand back a changed text.
    const QString fremd = m_editNotiz->NichtDarstellbareZeichen();
    if (!fremd.isEmpty()) {
        m_editNotiz->setFocus();
        m_editNotiz->Ablehnen(fremd);
        return;
    }
    g_strDialogText = m_editNotiz->KernText();
    accept();
}

void CDia_Notiz::OnBnClickedLeeren() {
    if (m_bNurLesen) return;
    // Through a cursor rather than clear(), so Undo can bring the text back.
    QTextCursor cursor(m_editNotiz->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}
