#include "dia_finden.h"

#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "dialogeinheiten.h"
#include "dialogergebnis.h"
#include "dialogtext.h"
#include "textwandlung.h"
#include "ui_IDD_FINDEN.h"
#include "zeichenfilter.h"

CDia_Finden::CDia_Finden(QWidget* pParent) : QDialog(pParent), m_ui(new Ui::IDD_FINDEN) {
    m_ui->setupUi(this);
    DialogeinheitenAnwenden(this);
    DoDataExchange();
    // No limit of its own: Qt's default of 32767 characters would cut a
    // longer paste short without a word and search for the rest.
    m_editSuche->setMaxLength(std::numeric_limits<int>::max());
    m_filter = new CFilter1252(m_editSuche);
    m_editSuche->setValidator(m_filter);
    NachrichtenVerbinden();
}

CDia_Finden::~CDia_Finden() = default;

void CDia_Finden::DoDataExchange() {
    m_editSuche = m_ui->IDC_SUCHE;
}

void CDia_Finden::NachrichtenVerbinden() {
    connect(m_ui->IDOK, &QPushButton::clicked, this, &CDia_Finden::OnBnClickedOk);
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_editSuche, &QLineEdit::inputRejected, this, &CDia_Finden::OnEingabeAbgelehnt);
}

int CDia_Finden::DoModal() {
    m_editSuche->clear();
    m_editSuche->setFocus();
    return DialogErgebnis(exec());
}

void CDia_Finden::OnBnClickedOk() {
    const QString fremd = textwandlung::NichtDarstellbar(m_editSuche->text());
    if (!fremd.isEmpty()) {
        m_editSuche->setFocus();
        ZeichenAblehnen(m_editSuche, Feldinhalt::Suchbegriff, fremd);
        return;
    }
    // Swapped in, not copied into the old buffer: that may still be a
    // report handed back, megabytes that would stay through the search.
    std::string begriff = textwandlung::NachKern(m_editSuche->text());
    g_strDialogText.swap(begriff);
    accept();
}

// The box has no length limit, so only the filter refuses input.
void CDia_Finden::OnEingabeAbgelehnt() {
    ZeichenAblehnen(m_editSuche, Feldinhalt::Suchbegriff, m_filter->Abgelehnt());
}
