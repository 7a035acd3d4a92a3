#include "dia_finden.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <limits>

#include "dialogeinheiten.h"
#include "dialogergebnis.h"
#include "dialogtext.h"
#include "fehlerrahmen.h"
#include "kontextmenue.h"
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
    m_editSuche->installEventFilter(this);
    NachrichtenVerbinden();
}

CDia_Finden::~CDia_Finden() = default;

void CDia_Finden::DoDataExchange() {
    m_editSuche = m_ui->IDC_SUCHE;
}

void CDia_Finden::NachrichtenVerbinden() {
    connect(m_ui->IDOK, &QPushButton::clicked, this,
            [this] { ImRahmen(this, [this] { OnBnClickedOk(); }); });
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

namespace {

// Qt's line box keeps an undo step of some 20 bytes for every character
// typed or pasted, in a list that grows by doubling.
constexpr std::size_t kBytesJeZeichen = 64;

}  // namespace

bool CDia_Finden::RaumFuer(qsizetype zeichen) {
    return ImRahmen(this, [&] {
        RaumPruefen(std::size_t(m_editSuche->text().size() + zeichen) * kBytesJeZeichen);
    });
}

// What would come into the box is measured before Qt's line box takes it;
// without the room it never sees the event.
bool CDia_Finden::eventFilter(QObject* pZiel, QEvent* e) {
    if (pZiel != m_editSuche) return QDialog::eventFilter(pZiel, e);
    QClipboard& ablage = *QGuiApplication::clipboard();
    qsizetype zeichen = -1;
    switch (e->type()) {
        case QEvent::KeyPress: {
            auto* taste = static_cast<QKeyEvent*>(e);
            zeichen =
                taste->matches(QKeySequence::Paste) ? ablage.text().size() : taste->text().size();
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton)
                zeichen = ablage.text(QClipboard::Selection).size();
            break;
        case QEvent::Drop:
            zeichen = static_cast<QDropEvent*>(e)->mimeData()->text().size();
            break;
        case QEvent::InputMethod:
            zeichen = static_cast<QInputMethodEvent*>(e)->commitString().size();
            break;
        case QEvent::ContextMenu: {
            // Qt's menu, its "Einfuegen" measured first.
            auto einfuegen = [this] {
                if (RaumFuer(QGuiApplication::clipboard()->text().size())) m_editSuche->paste();
            };
            kontextmenue::Zeigen(m_editSuche->createStandardContextMenu(),
                                 static_cast<QContextMenuEvent*>(e)->globalPos(),
                                 {{"edit-paste", QLineEdit::tr("&Paste"), einfuegen}});
            return true;
        }
        default:
            break;
    }
    if (zeichen < 0 || RaumFuer(zeichen)) return false;
    e->accept();
    return true;
}
