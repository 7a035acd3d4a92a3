#include "dia_notiz.h"

#include <QAbstractScrollArea>
#include <QPushButton>
#include <QWindow>
#include <utility>

#include "berichtsansicht.h"
#include "dialogeinheiten.h"
#include "dialogergebnis.h"
#include "dialogtext.h"
#include "fehlerrahmen.h"
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
    NachrichtenVerbinden();
}

CDia_Notiz::~CDia_Notiz() = default;

// The box for the mode takes the form's place, its size and its turn in
// the tab order.
void CDia_Notiz::DoDataExchange() {
    if (m_bNurLesen) {
        // A report, megabytes perhaps, is handed over, not copied; the box
        // gives it back.
        m_editNotiz = new CBerichtsansicht(std::move(m_strText), this);
    } else {
        auto* pEditor = new CNotizEdit(this);
        pEditor->KernTextSetzen(m_strText);
        m_editNotiz = pEditor;
    }
    QAbstractScrollArea* pFeld = m_editNotiz->Feld();
    pFeld->setObjectName(QStringLiteral("IDC_NOTIZ"));
    pFeld->setGeometry(m_ui->platzNotiz->geometry());
    pFeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pFeld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    delete m_ui->platzNotiz;
    m_ui->platzNotiz = nullptr;
    QWidget::setTabOrder(pFeld, m_ui->IDC_LEEREN);
    pFeld->show();
}

void CDia_Notiz::NachrichtenVerbinden() {
    // A text of megabytes handed back may not fit: the dialog stays open.
    connect(m_ui->IDOK, &QPushButton::clicked, this,
            [this] { ImRahmen(this, [this] { OnBnClickedOk(); }); });
    connect(m_ui->IDC_LEEREN, &QPushButton::clicked, this,
            [this] { ImRahmen(this, [this] { OnBnClickedLeeren(); }); });
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &QDialog::reject);
}

int CDia_Notiz::DoModal() {
    OnInitDialog();
    return DialogErgebnis(exec());
}

void CDia_Notiz::OnInitDialog() {
    DoDataExchange();
    m_ui->IDC_LEEREN->setEnabled(!m_bNurLesen);
    // Emptied with its memory: a report handed back can be megabytes large.
    std::string().swap(g_strDialogText);
    const QString titel = textwandlung::VonKern(m_strTitel);
    FenstertitelSetzen(this, titel);
    // The box is the dialog's content: a screen reader names it after the
    // caption (a note's day, a report's term).
    m_editNotiz->Feld()->setAccessibleName(titel);
    m_editNotiz->Feld()->setFocus();
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
    if (!m_editNotiz->KernTextAnnehmbar()) return;
    g_strDialogText = m_editNotiz->KernTextHergeben();
    accept();
}

void CDia_Notiz::OnBnClickedLeeren() {
    if (m_bNurLesen) return;
    m_editNotiz->Leeren();
}
