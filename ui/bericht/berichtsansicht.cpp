#include "berichtsansicht.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QDrag>
#include <QFontMetricsF>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

#include "auswahldaten.h"
#include "berichtszugang.h"
#include "dialogeinheiten.h"

namespace {

// Qt's text boxes keep this much room around their text.
constexpr qreal kRand = 4;

// A menu entry's shortcut, shown as Qt's own text boxes show it.
QString Kuerzel(QKeySequence::StandardKey taste) {
    if (!QGuiApplication::styleHints()->showShortcutsInContextMenus()) return QString();
    return QStringLiteral("\t") + QKeySequence(taste).toString(QKeySequence::NativeText);
}

}  // namespace

struct CBerichtsansicht::Bewegung {
    enum Ziel { Zeichen, Wort, Zeile, Seite, Rand, Ende };
    QKeySequence::StandardKey bewegen, waehlen;
    Ziel ziel;
    bool vor;
};

CBerichtsansicht::CBerichtsansicht(std::string bytes, QWidget* parent)
    : QAbstractScrollArea(parent), m_zeilen(std::make_shared<Berichtszeilen>(std::move(bytes))) {
    berichtszugang::Anmelden();
    viewport()->setCursor(Qt::IBeamCursor);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(1);
    m_option.setWrapMode(QTextOption::NoWrap);
    connect(this, &CBerichtsansicht::AuswahlGeaendert, this,
            [this] { berichtszugang::AuswahlMelden(this); });
    Neu();
}

CBerichtsansicht::~CBerichtsansicht() = default;

std::string CBerichtsansicht::KernTextHergeben() {
    m_layouts.clear();
    m_stueckX.clear();
    return m_zeilen.use_count() == 1 ? m_zeilen->KernTextHergeben() : m_zeilen->KernText();
}

qsizetype CBerichtsansicht::Stuecke(qsizetype zeile) const {
    return std::max<qsizetype>(1, (m_zeilen->Laenge(zeile) + kStueck - 1) / kStueck);
}

// As Qt's box lays out a paragraph. A piece after the first starts at `x0`,
// where the one before it ended, and its tabs stop where the whole line's
// would.
std::unique_ptr<QTextLayout> CBerichtsansicht::Auslegen(qsizetype zeile, qsizetype stueck,
                                                        qreal x0) const {
    const qsizetype anfang = m_zeilen->Anfang(zeile) + stueck * kStueck;
    const QString text = m_zeilen->Text(
        anfang, std::min(anfang + kStueck, m_zeilen->Anfang(zeile) + m_zeilen->Laenge(zeile)));
    QTextOption option = m_option;
    const qreal abstand = option.tabStopDistance();
    if (std::fmod(x0, abstand) != 0 && text.contains(u'\t')) {
        QList<qreal> stopps;
        const qreal weitester = qreal(text.size()) * QFontMetricsF(font()).maxWidth();
        for (qreal x = std::ceil(x0 / abstand) * abstand - x0; x <= weitester + abstand;
             x += abstand)
            stopps.append(x);
        option.setTabArray(stopps);
    }
    auto layout = std::make_unique<QTextLayout>(text, font());
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine linie = layout->createLine();
    linie.setLeadingIncluded(true);
    linie.setLineWidth(qreal(INT_MAX) - 2 * kRand);
    linie.setPosition(QPointF(kRand, 0));
    layout->endLayout();
    return layout;
}

QTextLayout* CBerichtsansicht::Layout(qsizetype zeile, qsizetype stueck) {
    const std::pair schluessel(zeile, stueck);
    if (QTextLayout* layout = m_layouts.object(schluessel)) return layout;
    const bool eines = Stuecke(zeile) == 1;
    auto layout = Auslegen(zeile, stueck, eines ? 0 : StueckX(zeile)[std::size_t(stueck)]);
    if (eines) BreiteAufnehmen(layout->lineAt(0).naturalTextWidth() + 2 * kRand);
    const qsizetype kosten = std::max<qsizetype>(1, layout->text().size());
    QTextLayout* zeiger = layout.release();
    m_layouts.insert(schluessel, zeiger, kosten);
    return zeiger;
}

// A line of many pieces is laid out piece by piece once, for its width and
// where each piece starts; only the pieces on screen are kept.
const std::vector<qreal>& CBerichtsansicht::StueckX(qsizetype zeile) {
    std::vector<qreal>& x = m_stueckX[zeile];
    if (!x.empty()) return x;
    x.push_back(0);
    for (qsizetype p = 0, stuecke = Stuecke(zeile); p < stuecke; ++p)
        x.push_back(x.back() + Auslegen(zeile, p, x.back())->lineAt(0).naturalTextWidth());
    BreiteAufnehmen(x.back() + 2 * kRand);
    return x;
}

qreal CBerichtsansicht::XVon(qsizetype zeile, qsizetype spalte) {
    const qsizetype p = std::min(spalte / kStueck, Stuecke(zeile) - 1);
    const qreal x0 = p > 0 ? StueckX(zeile)[std::size_t(p)] : 0;
    return x0 + Layout(zeile, p)->lineAt(0).cursorToX(int(spalte - p * kStueck));
}

qsizetype CBerichtsansicht::SpalteBei(qsizetype zeile, qreal x) {
    qsizetype p = 0;
    qreal x0 = 0;
    if (Stuecke(zeile) > 1) {
        const std::vector<qreal>& xs = StueckX(zeile);
        const auto nach = std::upper_bound(xs.begin(), xs.end() - 1, x - kRand);
        p = std::max<qsizetype>(0, qsizetype(nach - xs.begin()) - 1);
        x0 = xs[std::size_t(p)];
    }
    return p * kStueck + Layout(zeile, p)->lineAt(0).xToCursor(x - x0);
}

qreal CBerichtsansicht::Hoehe(qsizetype zeile) {
    const QTextLine linie = Layout(zeile, 0)->lineAt(0);
    return linie.height() + (linie.leading() < 0 ? std::ceil(linie.leading()) : 0);
}

qreal CBerichtsansicht::ObenVon(qsizetype oben) const {
    return oben == 0 ? kRand : 0;
}

void CBerichtsansicht::BreiteAufnehmen(qreal breite) {
    if (breite <= m_breite) return;
    m_breite = breite;
    QScrollBar& waagrecht = *horizontalScrollBar();
    waagrecht.setRange(0, std::max(0, int(m_breite) - viewport()->width()));
    waagrecht.setPageStep(viewport()->width());
}

void CBerichtsansicht::Neu() {
    m_option.setTabStopDistance(Tabstoppabstand(font()));
    m_layouts.clear();
    m_stueckX.clear();
    m_breite = 0;
    Bildlaufleisten();
    viewport()->update();
}

// By lines up and down, by pixels sideways, as Qt's box without word wrap.
void CBerichtsansicht::Bildlaufleisten() {
    const qreal sichtbar = viewport()->height() - kRand - 1;
    qreal y = kRand;
    qsizetype vonUnten = 0;
    for (qsizetype z = m_zeilen->Zeilen() - 1; z >= 0; --z) {
        y += Hoehe(z);
        if (y > sichtbar) break;
        ++vonUnten;
    }
    QScrollBar& senkrecht = *verticalScrollBar();
    senkrecht.setRange(0, int(std::max<qsizetype>(0, m_zeilen->Zeilen() - vonUnten)));
    senkrecht.setPageStep(int(vonUnten));
    QScrollBar& waagrecht = *horizontalScrollBar();
    waagrecht.setRange(0, std::max(0, int(m_breite) - viewport()->width()));
    waagrecht.setPageStep(viewport()->width());
}

void CBerichtsansicht::paintEvent(QPaintEvent* e) {
    QPainter maler(viewport());
    const int links = horizontalScrollBar()->value();
    const QRect flaeche = viewport()->rect();
    // The right margin stays clear of a selection, as in Qt's box.
    QRect bereich = e->rect();
    const int rechts = int(-links + std::max(qreal(flaeche.width()), m_breite) - kRand) + 1;
    bereich.setRight(std::min(bereich.right(), rechts));
    maler.setClipRect(bereich);
    maler.setPen(palette().text().color());

    const QPalette::ColorGroup gruppe = hasFocus() ? QPalette::Active : QPalette::Inactive;
    QTextCharFormat markiert;
    markiert.setBackground(palette().brush(gruppe, QPalette::Highlight));
    markiert.setForeground(palette().brush(gruppe, QPalette::HighlightedText));
    const qsizetype von = std::min(m_anker, m_cursor), bis = std::max(m_anker, m_cursor);
    const bool cursorZeigen = m_cursorSichtbar && isEnabled();

    const qsizetype oben = verticalScrollBar()->value();
    qreal y = ObenVon(oben);
    for (qsizetype z = oben; z < m_zeilen->Zeilen() && y <= flaeche.height(); ++z) {
        const qreal hoehe = Hoehe(z);
        if (y + hoehe >= bereich.top() && y <= bereich.bottom()) {
            const qsizetype stuecke = Stuecke(z);
            const qsizetype erstes = stuecke == 1 ? 0 : SpalteBei(z, links) / kStueck;
            for (qsizetype p = erstes; p < stuecke; ++p) {
                const qreal x0 = p > 0 ? StueckX(z)[std::size_t(p)] : 0;
                if (x0 - links > flaeche.width()) break;
                // Positions within the piece; the line end belongs to the last.
                const qsizetype anfang = m_zeilen->Anfang(z) + p * kStueck;
                const qsizetype laenge =
                    std::min(kStueck, m_zeilen->Laenge(z) - p * kStueck) + (p + 1 == stuecke);
                QList<QTextLayout::FormatRange> auswahl;
                if (von - anfang < laenge && bis - anfang > 0 && bis > von) {
                    const qsizetype a = std::max(von, anfang);
                    auswahl.append(
                        {int(a - anfang), int(std::min(bis, anfang + laenge) - a), markiert});
                }
                const QPointF versatz(x0 - links, y);
                QTextLayout* layout = Layout(z, p);
                layout->draw(&maler, versatz, auswahl, bereich);
                if (cursorZeigen && m_cursor >= anfang && m_cursor < anfang + laenge)
                    layout->drawCursor(&maler, versatz, int(m_cursor - anfang), 1);
            }
        }
        y += hoehe;
    }
}

qsizetype CBerichtsansicht::PositionBei(QPoint punkt) {
    const qsizetype oben = verticalScrollBar()->value();
    const int hoehe = viewport()->height();
    qreal y = ObenVon(oben);
    qsizetype z = oben;
    while (z + 1 < m_zeilen->Zeilen()) {
        const qreal h = Hoehe(z);
        if (punkt.y() < y + h || y + h > hoehe) break;
        y += h;
        ++z;
    }
    return m_zeilen->Anfang(z) + SpalteBei(z, punkt.x() + horizontalScrollBar()->value());
}

QRect CBerichtsansicht::Zeichenrechteck(qsizetype pos) {
    pos = std::clamp<qsizetype>(pos, 0, m_zeilen->Zeichen());
    const qsizetype z = m_zeilen->ZeileBei(pos);
    const qsizetype oben = verticalScrollBar()->value();
    const qreal zeilenhoehe = Hoehe(z);
    qreal y = ObenVon(oben);
    if (z >= oben && z - oben < 200) {
        for (qsizetype i = oben; i < z; ++i) y += Hoehe(i);
    } else {
        y += qreal(z - oben) * zeilenhoehe;  // far off screen: close enough
    }
    const qsizetype spalte = pos - m_zeilen->Anfang(z);
    const qreal links = XVon(z, spalte);
    const qreal rechts = spalte < m_zeilen->Laenge(z) ? XVon(z, spalte + 1) : links;
    const int versatz = horizontalScrollBar()->value();
    return QRectF(links - versatz, y, rechts - links, zeilenhoehe).toAlignedRect();
}

void CBerichtsansicht::Zeigen(qsizetype pos) {
    const qsizetype z = m_zeilen->ZeileBei(pos);
    QScrollBar& senkrecht = *verticalScrollBar();
    if (z < senkrecht.value()) {
        senkrecht.setValue(int(z));
    } else {
        // Line z at the bottom, counted as the scroll bar counts its range.
        const qreal platz = viewport()->height() - kRand - 1;
        qreal y = (z + 1 == m_zeilen->Zeilen() ? kRand : 0) + Hoehe(z);
        qsizetype oben = z;
        while (oben > senkrecht.value() && y + Hoehe(oben - 1) <= platz) y += Hoehe(--oben);
        if (oben > senkrecht.value()) senkrecht.setValue(int(oben));
    }
    // Sideways the cursor comes to the middle, as in Qt's box.
    QScrollBar& waagrecht = *horizontalScrollBar();
    const qreal x = XVon(z, pos - m_zeilen->Anfang(z));
    const int breite = viewport()->width();
    const qreal links = x - waagrecht.value();
    if (links < 0 || links + 1 > breite) waagrecht.setValue(int(x) - breite / 2);
}

void CBerichtsansicht::Auswaehlen(qsizetype anker, qsizetype cursor) {
    m_anker = std::clamp<qsizetype>(anker, 0, m_zeilen->Zeichen());
    Setzen(cursor, true);
}

void CBerichtsansicht::AllesAuswaehlen() {
    m_anker = 0;
    Setzen(m_zeilen->Zeichen(), true);
    AuswahlUebernehmen();
}

void CBerichtsansicht::Setzen(qsizetype pos, bool halten) {
    m_cursor = std::clamp<qsizetype>(pos, 0, m_zeilen->Zeichen());
    if (!halten) m_anker = m_cursor;
    Zeigen(m_cursor);
    // A moved cursor shows at once, as in Qt's box.
    if (m_blinken.isActive()) Blinken(true);
    viewport()->update();
    emit AuswahlGeaendert();
}

QMimeData* CBerichtsansicht::Auswahldaten() const {
    return new CAuswahldaten(m_zeilen, std::min(m_anker, m_cursor), std::max(m_anker, m_cursor));
}

void CBerichtsansicht::Kopieren() const {
    if (m_anker != m_cursor) QGuiApplication::clipboard()->setMimeData(Auswahldaten());
}

void CBerichtsansicht::AuswahlUebernehmen() const {
    QClipboard& ablage = *QGuiApplication::clipboard();
    if (m_anker != m_cursor && ablage.supportsSelection())
        ablage.setMimeData(Auswahldaten(), QClipboard::Selection);
}

// The start of the next word, or of the word before, as Ctrl+Right and
// Ctrl+Left find it; past a line's end the next line.
qsizetype CBerichtsansicht::Wortgrenze(qsizetype pos, bool vor) {
    const qsizetype z = m_zeilen->ZeileBei(pos);
    const qsizetype anfang = m_zeilen->Anfang(z), laenge = m_zeilen->Laenge(z);
    const qsizetype spalte = pos - anfang;
    if (vor && spalte >= laenge) return pos + 1;
    if (!vor && spalte == 0) return pos - 1;
    QTextBoundaryFinder grenzen(QTextBoundaryFinder::Word, m_zeilen->Zeile(z));
    grenzen.setPosition(spalte);
    for (;;) {
        const qsizetype g = vor ? grenzen.toNextBoundary() : grenzen.toPreviousBoundary();
        if (g < 0) return vor ? anfang + laenge : anfang;
        if (grenzen.boundaryReasons() & QTextBoundaryFinder::StartOfItem) return anfang + g;
        if (g == 0 || g == laenge) return anfang + g;
    }
}

const CBerichtsansicht::Bewegung* CBerichtsansicht::BewegungVon(const QKeyEvent* e, bool* waehlen) {
    static const Bewegung bewegungen[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Bewegung::Zeichen, true},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Bewegung::Zeichen,
         false},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Bewegung::Wort, true},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Bewegung::Wort, false},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Bewegung::Zeile, true},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Bewegung::Zeile,
         false},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Bewegung::Seite, true},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Bewegung::Seite,
         false},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Bewegung::Rand, true},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Bewegung::Rand, false},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Bewegung::Ende,
         true},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Bewegung::Ende,
         false},
    };
    for (const Bewegung& b : bewegungen) {
        if (e->matches(b.bewegen) || e->matches(b.waehlen)) {
            *waehlen = e->matches(b.waehlen);
            return &b;
        }
    }
    return nullptr;
}

// The box's keys are its own, also where the dialog has a shortcut for them.
bool CBerichtsansicht::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* taste = static_cast<QKeyEvent*>(e);
        bool waehlen = false;
        if (taste->matches(QKeySequence::SelectAll) || taste->matches(QKeySequence::Copy) ||
            BewegungVon(taste, &waehlen) != nullptr) {
            e->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

void CBerichtsansicht::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::SelectAll)) {
        AllesAuswaehlen();
        return;
    }
    if (e->matches(QKeySequence::Copy)) {
        Kopieren();
        return;
    }
    bool waehlen = false;
    const Bewegung* b = BewegungVon(e, &waehlen);
    if (b == nullptr) {
        e->ignore();
        return;
    }

    const qsizetype z = m_zeilen->ZeileBei(m_cursor);
    const qsizetype von = std::min(m_anker, m_cursor), bis = std::max(m_anker, m_cursor);
    qsizetype ziel = m_cursor;
    qreal x = -1;  // kept for the next Up or Down
    switch (b->ziel) {
        case Bewegung::Zeichen:
            if (!waehlen && von != bis)
                ziel = b->vor ? bis : von;  // the selection closes to its side
            else
                ziel = m_cursor + (b->vor ? 1 : -1);
            break;
        case Bewegung::Wort:
            ziel = Wortgrenze(m_cursor, b->vor);
            break;
        case Bewegung::Zeile:
        case Bewegung::Seite: {
            x = m_x >= 0 ? m_x : XVon(z, m_cursor - m_zeilen->Anfang(z));
            const qsizetype schritt =
                b->ziel == Bewegung::Zeile ? 1 : std::max(1, verticalScrollBar()->pageStep());
            const qsizetype neu =
                std::clamp<qsizetype>(z + (b->vor ? schritt : -schritt), 0, m_zeilen->Zeilen() - 1);
            if (b->ziel == Bewegung::Seite)
                verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                              int(b->vor ? schritt : -schritt));
            ziel = neu == z && b->ziel == Bewegung::Zeile
                       ? m_cursor
                       : m_zeilen->Anfang(neu) + SpalteBei(neu, x);
            break;
        }
        case Bewegung::Rand:
            ziel = m_zeilen->Anfang(z) + (b->vor ? m_zeilen->Laenge(z) : 0);
            break;
        case Bewegung::Ende:
            ziel = b->vor ? m_zeilen->Zeichen() : 0;
            break;
    }
    Setzen(ziel, waehlen);
    m_x = x;
    if (waehlen) AuswahlUebernehmen();
}

void CBerichtsansicht::mousePressEvent(QMouseEvent* e) {
    const QPoint punkt = e->position().toPoint();
    const bool dreifach =
        e->button() == Qt::LeftButton && m_doppelklickZeit >= 0 &&
        QDeadlineTimer::current().deadline() - m_doppelklickZeit <
            QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
        (punkt - m_doppelklickStelle).manhattanLength() < QApplication::startDragDistance();
    m_doppelklickZeit = -1;
    if (e->button() != Qt::LeftButton) return;
    const qsizetype pos = PositionBei(punkt);
    m_x = -1;
    if (dreifach) {
        // The line with its line end, as Qt's box selects a paragraph.
        const qsizetype z = m_zeilen->ZeileBei(pos);
        const int oben = verticalScrollBar()->value();
        const int links = horizontalScrollBar()->value();
        Auswaehlen(m_zeilen->Anfang(z), m_zeilen->Anfang(z) + m_zeilen->Laenge(z) + 1);
        verticalScrollBar()->setValue(oben);
        horizontalScrollBar()->setValue(links);
        m_maus = Maus::Nichts;
        AuswahlUebernehmen();
        return;
    }
    const qsizetype von = std::min(m_anker, m_cursor), bis = std::max(m_anker, m_cursor);
    if (!(e->modifiers() & Qt::ShiftModifier) && von < bis && pos >= von && pos < bis) {
        m_maus = Maus::VielleichtZiehen;
        m_druckpunkt = punkt;
        return;
    }
    Setzen(pos, e->modifiers() & Qt::ShiftModifier);
    m_maus = Maus::Waehlen;
}

void CBerichtsansicht::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    const QPoint punkt = e->position().toPoint();
    if (m_maus == Maus::VielleichtZiehen) {
        if ((punkt - m_druckpunkt).manhattanLength() >= QApplication::startDragDistance()) {
            m_maus = Maus::Nichts;
            Ziehen();
        }
        return;
    }
    if (m_maus != Maus::Waehlen && m_maus != Maus::Woerter) return;
    m_mauspunkt = punkt;
    if (viewport()->rect().contains(punkt))
        m_rollen.stop();
    else if (!m_rollen.isActive())
        m_rollen.start(50, this);
    const qsizetype pos = PositionBei(punkt);
    if (m_maus == Maus::Waehlen)
        Setzen(pos, true);
    else if (pos < m_wortAnfang)  // word by word, the double-clicked word kept
        Auswaehlen(m_wortEnde, m_zeilen->Einheit(pos, QTextBoundaryFinder::Word).first);
    else
        Auswaehlen(m_wortAnfang,
                   std::max(m_wortEnde, m_zeilen->Einheit(pos, QTextBoundaryFinder::Word).second));
}

void CBerichtsansicht::mouseReleaseEvent(QMouseEvent* e) {
    m_rollen.stop();
    if (m_maus == Maus::VielleichtZiehen) Setzen(PositionBei(e->position().toPoint()), false);
    if (m_maus != Maus::Nichts) AuswahlUebernehmen();
    m_maus = Maus::Nichts;
}

void CBerichtsansicht::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    m_doppelklickStelle = e->position().toPoint();
    m_doppelklickZeit = QDeadlineTimer::current().deadline();
    std::tie(m_wortAnfang, m_wortEnde) =
        m_zeilen->Einheit(PositionBei(m_doppelklickStelle), QTextBoundaryFinder::Word);
    Auswaehlen(m_wortAnfang, m_wortEnde);
    m_maus = Maus::Woerter;
    AuswahlUebernehmen();
}

void CBerichtsansicht::Ziehen() {
    auto* ziehen = new QDrag(this);
    ziehen->setMimeData(Auswahldaten());
    ziehen->exec(Qt::CopyAction);  // a report gives its text, never loses it
}

// The menu of Qt's read-only text boxes, in German through Qt's own
// translations.
void CBerichtsansicht::contextMenuEvent(QContextMenuEvent* e) {
    auto* menue = new QMenu(this);
    QAction* kopieren = menue->addAction(
        QIcon::fromTheme(QStringLiteral("edit-copy")),
        QCoreApplication::translate("QWidgetTextControl", "&Copy") + Kuerzel(QKeySequence::Copy),
        this, &CBerichtsansicht::Kopieren);
    kopieren->setEnabled(m_anker != m_cursor);
    kopieren->setObjectName(QStringLiteral("edit-copy"));
    menue->addSeparator();
    QAction* alles =
        menue->addAction(QIcon::fromTheme(QStringLiteral("edit-select-all")),
                         QCoreApplication::translate("QWidgetTextControl", "Select All") +
                             Kuerzel(QKeySequence::SelectAll),
                         this, &CBerichtsansicht::AllesAuswaehlen);
    alles->setEnabled(m_zeilen->Zeichen() > 0);
    alles->setObjectName(QStringLiteral("select-all"));
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(e->globalPos());
}

void CBerichtsansicht::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    Blinken(true);
    viewport()->update();  // the selection changes colour
}

void CBerichtsansicht::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    Blinken(false);
    viewport()->update();
}

// The cursor shows, and blinks while the box has the focus.
void CBerichtsansicht::Blinken(bool an) {
    m_cursorSichtbar = an;
    if (an && QApplication::cursorFlashTime() > 0)
        m_blinken.start(QApplication::cursorFlashTime() / 2, this);
    else
        m_blinken.stop();
}

void CBerichtsansicht::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    Bildlaufleisten();
}

void CBerichtsansicht::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange) Neu();
}

void CBerichtsansicht::scrollContentsBy(int, int) {
    viewport()->update();
}

void CBerichtsansicht::timerEvent(QTimerEvent* e) {
    if (e->timerId() == m_blinken.timerId()) {
        m_cursorSichtbar = !m_cursorSichtbar;
        // Only where the cursor is: an idle report costs no more than a short one.
        const QRect zeichen = Zeichenrechteck(m_cursor);
        viewport()->update(QRect(zeichen.left() - 1, zeichen.top(), 3, zeichen.height()));
    } else if (e->timerId() == m_rollen.timerId()) {
        const QRect flaeche = viewport()->rect();
        QScrollBar& senkrecht = *verticalScrollBar();
        if (m_mauspunkt.y() < flaeche.top())
            senkrecht.setValue(senkrecht.value() - 1);
        else if (m_mauspunkt.y() > flaeche.bottom())
            senkrecht.setValue(senkrecht.value() + 1);
        const QPoint innen(std::clamp(m_mauspunkt.x(), flaeche.left(), flaeche.right()),
                           std::clamp(m_mauspunkt.y(), flaeche.top(), flaeche.bottom()));
        if (m_maus == Maus::Waehlen) Setzen(PositionBei(innen), true);
    } else {
        QAbstractScrollArea::timerEvent(e);
    }
}
