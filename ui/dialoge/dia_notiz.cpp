#include "dia_notiz.h"

#include <QPushButton>
#include <QTextCursor>

#include "dialogtext.h"
#include "fenstertitel.h"
#include "notizedit.h"
#include "resource.h"
#include "textwandlung.h"
#include "vorlagen.h"

CDia_Notiz::CDia_Notiz(QWidget* pParent) : QDialog(pParent) {
    NotizVorlageLaden(this);
    m_editNotiz = findChild<CNotizEdit*>("IDC_NOTIZ");
    m_btnLeeren = findChild<QPushButton*>("IDC_LEEREN");
    NachrichtenVerbinden();
}

void CDia_Notiz::NachrichtenVerbinden() {
    connect(findChild<QPushButton*>("IDOK"), &QPushButton::clicked, this,
            &CDia_Notiz::OnBnClickedOk);
    connect(m_btnLeeren, &QPushButton::clicked, this, &CDia_Notiz::OnBnClickedLeeren);
    connect(findChild<QPushButton*>("IDCANCEL"), &QPushButton::clicked, this, &QDialog::reject);
}

int CDia_Notiz::DoModal() {
    OnInitDialog();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CDia_Notiz::OnInitDialog() {
    m_editNotiz->NurLesenSetzen(m_bNurLesen);
    m_btnLeeren->setEnabled(!m_bNurLesen);
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
