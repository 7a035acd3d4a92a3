#include "berichtsansicht.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <memory>
#include <tuple>
#include <utility>

#include "auswahldaten.h"

CBerichtsansicht::CBerichtsansicht(QPlainTextEdit& box, std::string bytes)
    : QObject(&box), m_box(box), m_zeilen(std::make_shared<Berichtszeilen>(std::move(bytes))) {
    // Qt's box would page its own, empty, document.
    QObject::disconnect(m_box.verticalScrollBar(), SIGNAL(actionTriggered(int)), &m_box, nullptr);
    Neu();
    if (m_box.hasFocus()) Fokus(true);
}

CBerichtsansicht::~CBerichtsansicht() = default;

std::string CBerichtsansicht::Hergeben() {
    return m_zeilen.use_count() == 1 ? m_zeilen->KernTextHergeben() : m_zeilen->KernText();
}

// As Qt's box lays out a paragraph of its document.
QTextLayout* CBerichtsansicht::Layout(qsizetype zeile) {
    if (QTextLayout* layout = m_layouts.object(zeile)) return layout;
    const QTextDocument& dokument = *m_box.document();
    const qreal rand = dokument.documentMargin();
    auto* layout = new QTextLayout(m_zeilen->Zeile(zeile), dokument.defaultFont());
    layout->setTextOption(dokument.defaultTextOption());
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine linie = layout->createLine();
    linie.setLeadingIncluded(true);
    linie.setLineWidth(qreal(INT_MAX) - 2 * rand);
    linie.setPosition(QPointF(rand, 0));
    layout->endLayout();
    m_breite = std::max(m_breite, linie.naturalTextWidth() + 2 * rand);
    m_layouts.insert(zeile, layout);
    return layout;
}

qreal CBerichtsansicht::Hoehe(qsizetype zeile) {
    const QTextLine linie = Layout(zeile)->lineAt(0);
    return linie.height() + (linie.leading() < 0 ? std::ceil(linie.leading()) : 0);
}

qreal CBerichtsansicht::ObenVon(qsizetype oben) const {
    return oben == 0 ? m_box.document()->documentMargin() : 0;
}

void CBerichtsansicht::Neu() {
    m_layouts.clear();
    m_breite = 0;
    Bildlaufleisten();
    Neuzeichnen();
}

// By lines up and down, by pixels sideways, as Qt's box without word wrap.
void CBerichtsansicht::Bildlaufleisten() {
    const QWidget& flaeche = *m_box.viewport();
    const qreal rand = m_box.document()->documentMargin();
    const qreal sichtbar = flaeche.height() - rand - 1;
    qreal y = rand;
    qsizetype vonUnten = 0;
    for (qsizetype z = m_zeilen->Zeilen() - 1; z >= 0; --z) {
        y += Hoehe(z);
        if (y > sichtbar) break;
        ++vonUnten;
    }
    QScrollBar& senkrecht = *m_box.verticalScrollBar();
    senkrecht.setRange(0, int(std::max<qsizetype>(0, m_zeilen->Zeilen() - vonUnten)));
    senkrecht.setPageStep(int(vonUnten));
    QScrollBar& waagrecht = *m_box.horizontalScrollBar();
    waagrecht.setRange(0, std::max(0, int(m_breite) - flaeche.width()));
    waagrecht.setPageStep(flaeche.width());
}

void CBerichtsansicht::Neuzeichnen() {
    m_box.viewport()->update();
}

void CBerichtsansicht::Malen(QPaintEvent* e) {
    QPainter maler(m_box.viewport());
    const qreal rand = m_box.document()->documentMargin();
    const int links = m_box.horizontalScrollBar()->value();
    const QRect flaeche = m_box.viewport()->rect();
    const qreal breiteVorher = m_breite;
    // The right margin stays clear of a selection, as in Qt's box.
    QRect bereich = e->rect();
    const int rechts =
        int(-links + std::max(qreal(flaeche.width()), m_breite) - rand) + m_box.cursorWidth();
    bereich.setRight(std::min(bereich.right(), rechts));
    maler.setClipRect(bereich);
    maler.setPen(m_box.palette().text().color());

    const QPalette::ColorGroup gruppe = m_box.hasFocus() ? QPalette::Active : QPalette::Inactive;
    QTextCharFormat markiert;
    markiert.setBackground(m_box.palette().brush(gruppe, QPalette::Highlight));
    markiert.setForeground(m_box.palette().brush(gruppe, QPalette::HighlightedText));
    const qsizetype von = std::min(m_anker, m_cursor), bis = std::max(m_anker, m_cursor);
    const bool cursorZeigen = m_cursorSichtbar && m_box.isEnabled() &&
                              (m_box.textInteractionFlags() & Qt::TextSelectableByKeyboard);

    const qsizetype oben = m_box.verticalScrollBar()->value();
    QPointF versatz(-links, ObenVon(oben));
    for (qsizetype z = oben; z < m_zeilen->Zeilen(); ++z) {
        QTextLayout* layout = Layout(z);
        const qreal hoehe = Hoehe(z);
        if (versatz.y() + hoehe >= bereich.top() && versatz.y() <= bereich.bottom()) {
            // Positions within the line; the line end belongs to it.
            const qsizetype anfang = m_zeilen->Anfang(z), laenge = m_zeilen->Laenge(z) + 1;
            QList<QTextLayout::FormatRange> auswahl;
            if (von - anfang < laenge && bis - anfang > 0 && bis > von)
                auswahl.append({int(von - anfang), int(bis - von), markiert});
            layout->draw(&maler, versatz, auswahl, bereich);
            if (cursorZeigen && m_cursor >= anfang && m_cursor < anfang + laenge)
                layout->drawCursor(&maler, versatz, int(m_cursor - anfang), m_box.cursorWidth());
        }
        versatz.ry() += hoehe;
        if (versatz.y() > flaeche.height()) break;
    }
    // Wider lines came into view: the horizontal scroll bar grows, as in Qt's box.
    if (m_breite != breiteVorher) Bildlaufleisten();
}

qsizetype CBerichtsansicht::PositionBei(QPoint punkt) {
    const qsizetype oben = m_box.verticalScrollBar()->value();
    const int hoehe = m_box.viewport()->height();
    qreal y = ObenVon(oben);
    qsizetype z = oben;
    while (z + 1 < m_zeilen->Zeilen()) {
        const qreal h = Hoehe(z);
        if (punkt.y() < y + h || y + h > hoehe) break;
        y += h;
        ++z;
    }
    const qreal x = punkt.x() + m_box.horizontalScrollBar()->value();
    return m_zeilen->Anfang(z) + Layout(z)->lineAt(0).xToCursor(x);
}

QRect CBerichtsansicht::Zeichenrechteck(qsizetype pos) {
    pos = std::clamp<qsizetype>(pos, 0, m_zeilen->Zeichen());
    const qsizetype z = m_zeilen->ZeileBei(pos);
    const qsizetype oben = m_box.verticalScrollBar()->value();
    const qreal zeilenhoehe = Hoehe(z);
    qreal y = ObenVon(oben);
    if (z >= oben && z - oben < 200) {
        for (qsizetype i = oben; i < z; ++i) y += Hoehe(i);
    } else {
        y += qreal(z - oben) * zeilenhoehe;  // far off screen: close enough
    }
    const QTextLine linie = Layout(z)->lineAt(0);
    const int spalte = int(pos - m_zeilen->Anfang(z));
    const qreal links = linie.cursorToX(spalte);
    const qreal rechts = spalte < m_zeilen->Laenge(z) ? linie.cursorToX(spalte + 1) : links;
    const int versatz = m_box.horizontalScrollBar()->value();
    return QRectF(links - versatz, y, rechts - links, zeilenhoehe).toAlignedRect();
}

void CBerichtsansicht::Zeigen(qsizetype pos) {
    const qsizetype z = m_zeilen->ZeileBei(pos);
    QScrollBar& senkrecht = *m_box.verticalScrollBar();
    if (z < senkrecht.value()) {
        senkrecht.setValue(int(z));
    } else {
        // Line z at the bottom, counted as the scroll bar counts its range.
        const qreal rand = m_box.document()->documentMargin();
        const qreal platz = m_box.viewport()->height() - rand - 1;
        qreal y = (z + 1 == m_zeilen->Zeilen() ? rand : 0) + Hoehe(z);
        qsizetype oben = z;
        while (oben > senkrecht.value() && y + Hoehe(oben - 1) <= platz) y += Hoehe(--oben);
        if (oben > senkrecht.value()) senkrecht.setValue(int(oben));
    }
    // Sideways the cursor comes to the middle, as in Qt's box.
    QScrollBar& waagrecht = *m_box.horizontalScrollBar();
    const qreal x = Layout(z)->lineAt(0).cursorToX(int(pos - m_zeilen->Anfang(z)));
    const int breite = m_box.viewport()->width();
    const qreal links = x - waagrecht.value();
    if (links < 0 || links + m_box.cursorWidth() > breite) waagrecht.setValue(int(x) - breite / 2);
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
    if (m_blinken.isActive()) {
        m_cursorSichtbar = true;
        m_blinken.start(QApplication::cursorFlashTime() / 2, this);
    }
    Neuzeichnen();
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
    const QString text = Layout(z)->text();
    QTextBoundaryFinder grenzen(QTextBoundaryFinder::Word, text);
    grenzen.setPosition(int(spalte));
    for (;;) {
        const qsizetype g = vor ? grenzen.toNextBoundary() : grenzen.toPreviousBoundary();
        if (g < 0) return vor ? anfang + laenge : anfang;
        if (grenzen.boundaryReasons() & QTextBoundaryFinder::StartOfItem) return anfang + g;
        if (g == 0 || g == laenge) return anfang + g;
    }
}

bool CBerichtsansicht::Taste(QKeyEvent* e) {
    if (e->matches(QKeySequence::SelectAll)) {
        AllesAuswaehlen();
        return true;
    }
    if (e->matches(QKeySequence::Copy)) {
        Kopieren();
        return true;
    }
    enum Ziel { Zeichen, Wort, Zeile, Seite, Rand, Ende };
    struct Bewegung {
        QKeySequence::StandardKey bewegen, waehlen;
        Ziel ziel;
        bool vor;
    };
    static const Bewegung bewegungen[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Zeichen, true},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Zeichen, false},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Wort, true},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Wort, false},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Zeile, true},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Zeile, false},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Seite, true},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Seite, false},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Rand, true},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Rand, false},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Ende, true},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Ende, false},
    };
    const Bewegung* b = nullptr;
    bool waehlen = false;
    for (const Bewegung& k : bewegungen) {
        if (e->matches(k.bewegen) || e->matches(k.waehlen)) {
            b = &k;
            waehlen = e->matches(k.waehlen);
            break;
        }
    }
    if (b == nullptr) return false;

    const qsizetype z = m_zeilen->ZeileBei(m_cursor);
    const qsizetype von = std::min(m_anker, m_cursor), bis = std::max(m_anker, m_cursor);
    qsizetype ziel = m_cursor;
    qreal x = -1;  // kept for the next Up or Down
    switch (b->ziel) {
        case Zeichen:
            if (!waehlen && von != bis)
                ziel = b->vor ? bis : von;  // the selection closes to its side
            else
                ziel = m_cursor + (b->vor ? 1 : -1);
            break;
        case Wort:
            ziel = Wortgrenze(m_cursor, b->vor);
            break;
        case Zeile:
        case Seite: {
            x = m_x >= 0 ? m_x
                         : Layout(z)->lineAt(0).cursorToX(int(m_cursor - m_zeilen->Anfang(z)));
            const qsizetype schritt =
                b->ziel == Zeile ? 1 : std::max(1, m_box.verticalScrollBar()->pageStep());
            const qsizetype neu =
                std::clamp<qsizetype>(z + (b->vor ? schritt : -schritt), 0, m_zeilen->Zeilen() - 1);
            if (b->ziel == Seite)
                m_box.verticalScrollBar()->setValue(m_box.verticalScrollBar()->value() +
                                                    int(b->vor ? schritt : -schritt));
            ziel = neu == z && b->ziel == Zeile
                       ? m_cursor
                       : m_zeilen->Anfang(neu) + Layout(neu)->lineAt(0).xToCursor(x);
            break;
        }
        case Rand:
            ziel = m_zeilen->Anfang(z) + (b->vor ? m_zeilen->Laenge(z) : 0);
            break;
        case Ende:
            ziel = b->vor ? m_zeilen->Zeichen() : 0;
            break;
    }
    Setzen(ziel, waehlen);
    m_x = x;
    if (waehlen) AuswahlUebernehmen();
    return true;
}

void CBerichtsansicht::Druecken(QMouseEvent* e, bool dreifach) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint punkt = e->position().toPoint();
    const qsizetype pos = PositionBei(punkt);
    m_x = -1;
    if (dreifach) {
        // The line with its line end, as Qt's box selects a paragraph.
        const qsizetype z = m_zeilen->ZeileBei(pos);
        const int oben = m_box.verticalScrollBar()->value();
        const int links = m_box.horizontalScrollBar()->value();
        Auswaehlen(m_zeilen->Anfang(z), m_zeilen->Anfang(z) + m_zeilen->Laenge(z) + 1);
        m_box.verticalScrollBar()->setValue(oben);
        m_box.horizontalScrollBar()->setValue(links);
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

void CBerichtsansicht::Bewegen(QMouseEvent* e) {
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
    if (m_box.viewport()->rect().contains(punkt))
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

void CBerichtsansicht::Loslassen(QMouseEvent* e) {
    m_rollen.stop();
    if (m_maus == Maus::VielleichtZiehen) Setzen(PositionBei(e->position().toPoint()), false);
    if (m_maus != Maus::Nichts) AuswahlUebernehmen();
    m_maus = Maus::Nichts;
}

void CBerichtsansicht::Doppelklick(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    std::tie(m_wortAnfang, m_wortEnde) =
        m_zeilen->Einheit(PositionBei(e->position().toPoint()), QTextBoundaryFinder::Word);
    Auswaehlen(m_wortAnfang, m_wortEnde);
    m_maus = Maus::Woerter;
    AuswahlUebernehmen();
}

void CBerichtsansicht::Ziehen() {
    auto* ziehen = new QDrag(&m_box);
    ziehen->setMimeData(Auswahldaten());
    ziehen->exec(Qt::CopyAction);  // a report gives its text, never loses it
}

// Qt's own menu, German through Qt's translations; its copy and select-all
// act on the report, not on the box's empty document.
void CBerichtsansicht::Kontextmenue(QContextMenuEvent* e) {
    QMenu* menue = m_box.createStandardContextMenu(e->pos());
    if (menue == nullptr) return;
    for (QAction* eintrag : menue->actions()) {
        if (eintrag->objectName() == QLatin1String("edit-copy")) {
            eintrag->setEnabled(m_anker != m_cursor);
            disconnect(eintrag, &QAction::triggered, nullptr, nullptr);
            connect(eintrag, &QAction::triggered, this, [this] { Kopieren(); });
        } else if (eintrag->objectName() == QLatin1String("select-all")) {
            eintrag->setEnabled(m_zeilen->Zeichen() > 0);
            disconnect(eintrag, &QAction::triggered, nullptr, nullptr);
            connect(eintrag, &QAction::triggered, this, &CBerichtsansicht::AllesAuswaehlen);
        }
    }
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(e->globalPos());
}

void CBerichtsansicht::Fokus(bool hinein) {
    m_cursorSichtbar = hinein;
    if (hinein && QApplication::cursorFlashTime() > 0)
        m_blinken.start(QApplication::cursorFlashTime() / 2, this);
    else
        m_blinken.stop();
    Neuzeichnen();  // the selection changes colour
}

void CBerichtsansicht::timerEvent(QTimerEvent* e) {
    if (e->timerId() == m_blinken.timerId()) {
        m_cursorSichtbar = !m_cursorSichtbar;
        Neuzeichnen();
    } else if (e->timerId() == m_rollen.timerId()) {
        const QRect flaeche = m_box.viewport()->rect();
        QScrollBar& senkrecht = *m_box.verticalScrollBar();
        if (m_mauspunkt.y() < flaeche.top())
            senkrecht.setValue(senkrecht.value() - 1);
        else if (m_mauspunkt.y() > flaeche.bottom())
            senkrecht.setValue(senkrecht.value() + 1);
        const QPoint innen(std::clamp(m_mauspunkt.x(), flaeche.left(), flaeche.right()),
                           std::clamp(m_mauspunkt.y(), flaeche.top(), flaeche.bottom()));
        if (m_maus == Maus::Waehlen) Setzen(PositionBei(innen), true);
    }
}
