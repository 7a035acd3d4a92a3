#include "dia_kalender.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDate>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <limits>
#include <utility>

#include "dia_finden.h"
#include "dia_info.h"
#include "dia_notiz.h"
#include "dialogeinheiten.h"
#include "dialogergebnis.h"
#include "dialogtext.h"
#include "fehlerrahmen.h"
#include "meldung.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "resource.h"
#include "ressourcen.h"
#include "systemmenue.h"
#include "text1252.h"
#include "textwandlung.h"
#include "ui_IDD_KALENDER.h"

namespace {

constexpr int kTermineTage = 100;

// The calendar offers only the days the core can convert.
const QDate kErsterTag(datum::kErstesJahr, 1, 1);
const QDate kLetzterTag(datum::kLetztesJahr, 12, 31);

// Days between the calendar (QDate) and the core (day fields, date
// values). Local time is the core's, so both sides agree on "which day".
// A date the fields cannot hold gives year 0, which the core refuses.
TagesFelder FelderVon(const QDate& tag) {
    TagesFelder felder;
    if (tag.isValid() && tag.year() > 0 &&
        tag.year() <= std::numeric_limits<std::uint16_t>::max()) {
        felder.jahr = static_cast<std::uint16_t>(tag.year());
        felder.monat = static_cast<std::uint16_t>(tag.month());
        felder.tag = static_cast<std::uint16_t>(tag.day());
    }
    return felder;
}

// Invalid when the breakdown fails.
QDate TagVon(Datumswert wert) {
    const auto z = datum::Zerlegen(wert);
    return z ? QDate(z->jahr, z->monat + 1, z->tag) : QDate();
}

// The label names the editor below it (its buddy) for screen readers, so a
// new text renames the editor too.
void BeschriftungSetzen(QLabel* pLabel, const QString& text) {
    pLabel->setText(text);
    if (QWidget* pBox = pLabel->buddy()) {
        QAccessibleEvent ereignis(pBox, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ereignis);
    }
}

}  // namespace

CDia_Kalender::CDia_Kalender(QWidget* pParent, Uhr uhr)
    : QDialog(pParent),
      m_ui(new Ui::IDD_KALENDER),
      m_uhr(std::move(uhr)),
      m_hIcon(SymbolLaden(res::IDR_MAINFRAME)) {
    m_ui->setupUi(this);
    DialogeinheitenAnwenden(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The window system draws the icon, minimised too.
    setWindowIcon(m_hIcon);
    DoDataExchange();
    NachrichtenVerbinden();
    OnInitDialog();
}

CDia_Kalender::~CDia_Kalender() = default;

int CDia_Kalender::DoModal() {
    return DialogErgebnis(exec());
}

void CDia_Kalender::DoDataExchange() {
    m_ctrlKalender = m_ui->IDC_KALENDER;
    m_editNotiz = m_ui->IDC_NOTIZ;
}

// An error a handler raises is shown, and the window goes on.
void CDia_Kalender::NachrichtenVerbinden() {
    auto handler = [this](void (CDia_Kalender::*pHandler)()) {
        return [this, pHandler] {
            ImRahmen(this, [this, pHandler] { (this->*pHandler)(); });
        };
    };

    systemmenue::TastaturVerbinden(this);
    // After an error the calendar goes back to the day the editor shows, so
    // that nothing typed next lands on a day not shown.
    connect(m_ctrlKalender, &CMonatsKalender::TagGewaehlt, this, [this](const QDate& tag) {
        if (!ImRahmen(this, [this, &tag] { OnMcnSelectKalender(tag); }))
            m_ctrlKalender->AuswahlSetzen(TagVon(m_notizBuch.m_timeAktuell));
    });
    connect(m_ui->IDOK, &QPushButton::clicked, this, handler(&CDia_Kalender::OnBnClickedOk));
    connect(m_ui->ID_NOTIZ, &QPushButton::clicked, this, handler(&CDia_Kalender::OnBnClickedNotiz));
    connect(m_ui->ID_FINDEN, &QPushButton::clicked, this,
            handler(&CDia_Kalender::OnBnClickedFinden));
    connect(m_ui->ID_TERMINE, &QPushButton::clicked, this,
            handler(&CDia_Kalender::OnBnClickedTermine));
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this,
            handler(&CDia_Kalender::OnBnClickedCancel));
    // Help is the application's: the window only asks for it.
    connect(m_ui->ID_HELP, &QPushButton::clicked, this, &CDia_Kalender::HilfeVerlangt);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &CDia_Kalender::HilfeVerlangt);
}

void CDia_Kalender::OnInitDialog() {
    m_ctrlKalender->BereichSetzen(kErsterTag, kLetzterTag);
    // A new calendar selects today.
    m_ctrlKalender->AuswahlSetzen(TagVon(m_uhr()));
    TagAnzeigen();
    m_editNotiz->setFocus();
}

void CDia_Kalender::TagAnzeigen() {
    const TagesFelder felder = FelderVon(m_ctrlKalender->Auswahl());
    m_notizBuch.m_timeHeute = HeuteAuffrischen();
    m_notizBuch.m_pEditor = this;
    m_notizBuch.m_timeAktuell = datum::AusFeldern(felder);
    // Deliberately three blanks; a pick writes two (OnMcnSelectKalender).
    m_strMeldung = text1252::Format("Notiz f\xFCr Tag   %s",
                                    datum::Schluessel(m_notizBuch.m_timeAktuell).c_str());
    BeschriftungSetzen(m_ui->IDC_TAG, textwandlung::VonKern(m_strMeldung));
}

// The calendar's today marker follows the clock as well.
Datumswert CDia_Kalender::HeuteAuffrischen() {
    const Datumswert jetzt = m_uhr();
    m_ctrlKalender->HeuteSetzen(TagVon(jetzt));
    return jetzt;
}

void CDia_Kalender::OnMcnSelectKalender(const QDate& tag) {
    m_notizBuch.DatumWechseln(FelderVon(tag));
    m_strMeldung = text1252::Format("Notiz f\xFCr Tag  %s",
                                    datum::Schluessel(m_notizBuch.m_timeAktuell).c_str());
    BeschriftungSetzen(m_ui->IDC_TAG, textwandlung::VonKern(m_strMeldung));
}

void CDia_Kalender::OnBnClickedOk() {
    OnOK();
}

void CDia_Kalender::OnBnClickedNotiz() {
    CDia_Notiz dlgNotiz(this);
    dlgNotiz.m_strText = TextLesen();
    dlgNotiz.m_bNurLesen = false;

    const Datumswert tag = m_notizBuch.m_timeAktuell;
    const std::string strMonat = m_notizBuch.MonatName(tag);
    const std::string strWochentag = m_notizBuch.WochentagName(tag);
    m_strMeldung = text1252::Format(
        "Notiz f\xFCr %02d. %s %d,   %s,   Woche = %s,   Jahrestag = %s", datum::TagDesMonats(tag),
        strMonat.c_str(), datum::Jahr(tag), strWochentag.c_str(), datum::Format(tag, "%U").c_str(),
        datum::Format(tag, "%j").c_str());
    dlgNotiz.m_strTitel = m_strMeldung;

    if (dlgNotiz.DoModal() != res::IDOK) return;
    if (g_strDialogText.empty()) m_notizBuch.NotizLoeschen(m_notizBuch.m_timeAktuell);
    TextSetzen(g_strDialogText);
}

void CDia_Kalender::OnBnClickedFinden() {
    CDia_Finden dlgFinden(this);
    if (dlgFinden.DoModal() != res::IDOK) return;
    m_strMeldung = m_notizBuch.NotizenFinden();

    CDia_Notiz dlgBericht(this);
    dlgBericht.m_bNurLesen = true;
    dlgBericht.m_strText = std::move(m_strMeldung);  // megabytes; the caption comes next
    // Deliberately the term as the search left it: lowered in place.
    if (!g_strDialogText.empty())
        m_strMeldung = text1252::Format("Gefundene Notizen mit \"%s\"", g_strDialogText.c_str());
    else
        m_strMeldung = "Alle eingegebene Notizen";
    dlgBericht.m_strTitel = m_strMeldung;
    dlgBericht.DoModal();
}

void CDia_Kalender::OnBnClickedTermine() {
    // "Heute" is the day the report is made, also past midnight.
    m_notizBuch.m_timeHeute = HeuteAuffrischen();
    m_strMeldung = m_notizBuch.TermineListe();

    CDia_Notiz dlgBericht(this);
    dlgBericht.m_bNurLesen = true;
    dlgBericht.m_strText = std::move(m_strMeldung);  // megabytes; the caption comes next
    m_strMeldung = text1252::Format(
        "Termine f\xFCr die n\xE4"
        "chste %d Tage",
        kTermineTage);
    dlgBericht.m_strTitel = m_strMeldung;
    dlgBericht.DoModal();
}

void CDia_Kalender::OnBnClickedCancel() {
    m_strMeldung =
        "Die eingegebene \xC4nderungen werden nicht gespeichert sein!\n"
        "M\xF6"
        "chten Sie wirklich das Programm verlassen ohne \xC4nderungen zu speichern?";
    if (FrageJaNein(this, m_strMeldung) == IDYES) OnCancel();
}

void CDia_Kalender::OnOK() {
    QDialog::accept();
}

void CDia_Kalender::OnCancel() {
    QDialog::reject();
}

void CDia_Kalender::reject() {
    ImRahmen(this, [this] { OnBnClickedCancel(); });
}

void CDia_Kalender::OnSysCommand(unsigned nID, std::intptr_t /*lParam*/) {
    if (systemmenue::Befehl(nID) == res::IDM_ABOUTBOX) {
        CDia_Info dlgAbout(this);
        dlgAbout.DoModal();
        return;
    }
    systemmenue::Ausfuehren(this, nID);
}

// The free area (and the label on it) offers the window menu; the controls
// keep their own context menus or none.
void CDia_Kalender::contextMenuEvent(QContextMenuEvent* e) {
    if (e->reason() == QContextMenuEvent::Mouse) {
        QWidget* pUnter = childAt(e->pos());
        if (pUnter != nullptr && pUnter != m_ui->IDC_TAG) {
            e->ignore();
            return;
        }
    }
    e->accept();
    SystemmenueZeigen(e->globalPos());
}

void CDia_Kalender::SystemmenueZeigen(const QPoint& global) {
    const auto nID =
        systemmenue::Waehlen(this, global, StringLaden(res::IDS_ABOUTBOX), res::IDM_ABOUTBOX);
    if (nID) ImRahmen(this, [this, nID] { OnSysCommand(*nID, 0); });
}

std::string CDia_Kalender::TextLesen() const {
    return m_editNotiz->KernText();
}

void CDia_Kalender::TextSetzen(const std::string& text) {
    m_editNotiz->KernTextSetzen(text);
}
