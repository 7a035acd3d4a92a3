#include "monatskalender.h"

#include "kalenderlayout.h"
#include "kalenderzugang.h"
#include "monatsraster.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

CMonatsKalender::CMonatsKalender(QWidget* parent)
    : QWidget(parent),
      m_auswahl(QDate::currentDate()),
      m_heute(m_auswahl),
      // the widest range on offer until the window narrows it
      m_von(1601, 1, 1),
      m_bis(9999, 12, 31),
      m_ersterMonat(MonatVon(m_auswahl)) {
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    kalenderzugang::Einrichten();
}

QDate CMonatsKalender::Auswahl() const {
    return m_auswahl;
}

void CMonatsKalender::AuswahlSetzen(const QDate& tag) {
    if (!tag.isValid() || !ImBereich(tag)) return;
    m_auswahl = tag;
    SichtbarMachen(tag);
    update();
    AnsichtGeaendert();
}

QDate CMonatsKalender::Heute() const {
    return m_heute;
}

void CMonatsKalender::HeuteSetzen(const QDate& tag) {
    if (!tag.isValid()) return;
    m_heute = tag;
    update();
}

void CMonatsKalender::BereichSetzen(const QDate& von, const QDate& bis) {
    if (!von.isValid() || !bis.isValid() || bis < von) return;
    m_von = von;
    m_bis = bis;
    if (m_auswahl < m_von)
        m_auswahl = m_von;
    else if (m_auswahl > m_bis)
        m_auswahl = m_bis;
    SichtbarMachen(m_auswahl);
    update();
    AnsichtGeaendert();
}

QSize CMonatsKalender::sizeHint() const {
    return minimumSizeHint();
}

QSize CMonatsKalender::minimumSizeHint() const {
    return KalenderLayout::Mindestgroesse(font()) + QSize(2, 2);
}

KalenderLayout CMonatsKalender::Layout() const {
    // one pixel all round for the thin edge
    return KalenderLayout(font(), QRect(QPoint(1, 1), size() - QSize(2, 2)));
}

int CMonatsKalender::AnzahlMonate() const {
    return Layout().Anzahl();
}

QDate CMonatsKalender::ErsterMonatFuer(int anzahl) const {
    const QDate frueheste = MonatVon(m_von);
    QDate spaeteste = MonatVon(m_bis).addMonths(-(anzahl - 1));
    if (spaeteste < frueheste) spaeteste = frueheste;
    return std::clamp(m_ersterMonat, frueheste, spaeteste);
}

QDate CMonatsKalender::ErsterMonat() const {
    return ErsterMonatFuer(AnzahlMonate());
}

QString CMonatsKalender::MonatsTitel(int block) const {
    return TitelVon(ErsterMonat().addMonths(block));
}

int CMonatsKalender::Kalenderwoche(int block, int zeile) const {
    const int anzahl = AnzahlMonate();
    if (block < 0 || block >= anzahl || zeile < 0 || zeile >= kWochenzeilen) return 0;
    return WocheImRaster(ErsterMonatFuer(anzahl).addMonths(block), zeile, block == 0,
                         block == anzahl - 1);
}

bool CMonatsKalender::Stelle(const QDate& tag, const KalenderLayout& layout, int& block, int& zeile,
                             int& spalte) const {
    const int anzahl = layout.Anzahl();
    const QDate erster = ErsterMonatFuer(anzahl);
    for (block = 0; block < anzahl; ++block) {
        const QDate monat = erster.addMonths(block);
        if (StelleImRaster(monat, tag, zeile, spalte) &&
            ImBlockGezeigt(monat, tag, block == 0, block == anzahl - 1))
            return true;
    }
    return false;
}

QRect CMonatsKalender::TagRechteck(const QDate& tag) const {
    const KalenderLayout layout = Layout();
    int block, zeile, spalte;
    if (!Stelle(tag, layout, block, zeile, spalte)) return {};
    return layout.Tageszelle(block, zeile, spalte);
}

QRect CMonatsKalender::PfeilZurueckRechteck() const {
    return Layout().PfeilZurueck();
}

QRect CMonatsKalender::PfeilVorRechteck() const {
    return Layout().PfeilVor();
}

QRect CMonatsKalender::HeuteRechteck() const {
    return Layout().Heute();
}

bool CMonatsKalender::ZurueckMoeglich() const {
    return ErsterMonat() > MonatVon(m_von);
}

bool CMonatsKalender::VorMoeglich() const {
    const int anzahl = AnzahlMonate();
    return ErsterMonatFuer(anzahl).addMonths(anzahl - 1) < MonatVon(m_bis);
}

bool CMonatsKalender::ImBereich(const QDate& tag) const {
    return tag.isValid() && m_von <= tag && tag <= m_bis;
}

void CMonatsKalender::SichtbarMachen(const QDate& tag) {
    const int anzahl = AnzahlMonate();
    const QDate erster = ErsterMonatFuer(anzahl);
    const QDate monat = MonatVon(tag);
    if (monat < erster)
        m_ersterMonat = monat;
    else if (monat > erster.addMonths(anzahl - 1))
        m_ersterMonat = monat.addMonths(-(anzahl - 1));
    else
        m_ersterMonat = erster;
}

void CMonatsKalender::Blaettern(int monate) {
    m_ersterMonat = ErsterMonat().addMonths(monate);
    m_ersterMonat = ErsterMonat();  // held back by the range
    update();
    AnsichtGeaendert();
}

void CMonatsKalender::Waehlen(const QDate& tag) {
    m_auswahl = tag;
    SichtbarMachen(tag);
    update();
    kalenderzugang::AuswahlMelden(this);
    emit TagGewaehlt(tag);
}

void CMonatsKalender::AnsichtGeaendert() {
    kalenderzugang::AnsichtGeaendert(this);
}

void CMonatsKalender::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        updateGeometry();
        SichtbarMachen(m_auswahl);
        update();
        AnsichtGeaendert();
    }
}

void CMonatsKalender::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const KalenderLayout layout = Layout();
    const KalenderLayout::Treffer treffer = layout.Suchen(e->position().toPoint());
    switch (treffer.art) {
        case KalenderLayout::Treffer::Zurueck:
            WiederholungStarten(-1);
            break;
        case KalenderLayout::Treffer::Vor:
            WiederholungStarten(1);
            break;
        case KalenderLayout::Treffer::HeuteZeile:
            if (ImBereich(m_heute)) Waehlen(m_heute);
            break;
        case KalenderLayout::Treffer::Tag: {
            const int anzahl = layout.Anzahl();
            const QDate monat = ErsterMonatFuer(anzahl).addMonths(treffer.block);
            const QDate tag = TagImRaster(monat, treffer.zeile, treffer.spalte);
            if (ImBlockGezeigt(monat, tag, treffer.block == 0, treffer.block == anzahl - 1) &&
                ImBereich(tag))
                Waehlen(tag);
            break;
        }
        case KalenderLayout::Treffer::Nichts:
            for (int block = 0; block < layout.Anzahl(); ++block)
                if (layout.Titel(block).contains(e->position().toPoint()))
                    TitelGeklickt(block, e->position().toPoint());
            break;
    }
}

void CMonatsKalender::mouseReleaseEvent(QMouseEvent* e) {
    WiederholungStoppen();
    QWidget::mouseReleaseEvent(e);
}

// Tab, a click, or the way back from a dialog: the day is announced once
// the window system's own focus notice is out.
void CMonatsKalender::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) kalenderzugang::AuswahlMelden(this);
    });
}

void CMonatsKalender::focusOutEvent(QFocusEvent* e) {
    WiederholungStoppen();
    QWidget::focusOutEvent(e);
}

void CMonatsKalender::hideEvent(QHideEvent* e) {
    WiederholungStoppen();
    QWidget::hideEvent(e);
}

void CMonatsKalender::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) {
        QWidget::keyPressEvent(e);
        return;
    }
    QDate ziel;
    switch (e->key()) {
        case Qt::Key_Left:
            ziel = m_auswahl.addDays(-1);
            break;
        case Qt::Key_Right:
            ziel = m_auswahl.addDays(1);
            break;
        case Qt::Key_Up:
            ziel = m_auswahl.addDays(-7);
            break;
        case Qt::Key_Down:
            ziel = m_auswahl.addDays(7);
            break;
        case Qt::Key_PageUp:
            ziel = m_auswahl.addMonths(-1);
            break;
        case Qt::Key_PageDown:
            ziel = m_auswahl.addMonths(1);
            break;
        case Qt::Key_Home:
            ziel = MonatVon(m_auswahl);
            break;
        case Qt::Key_End:
            ziel = MonatVon(m_auswahl).addMonths(1).addDays(-1);
            break;
        default:
            QWidget::keyPressEvent(e);
            return;
    }
    ziel = std::clamp(ziel, m_von, m_bis);
    if (ziel != m_auswahl) {
        Waehlen(ziel);
    } else {
        // nothing to pick at the range's edge, but the arrows may have
        // taken the selection out of view
        SichtbarMachen(m_auswahl);
        update();
    }
}
