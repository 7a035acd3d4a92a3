#include "notizedit.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextDocument>
#include <utility>

#include "berichtsansicht.h"
#include "berichtszugang.h"
#include "dialogeinheiten.h"
#include "textwandlung.h"
#include "zeichenfilter.h"

namespace {

// The text a key would insert: none for Ctrl shortcuts (Ctrl+Alt is AltGr
// on some systems), and control characters never.
QString Eingabetext(const QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) return QString();
    QString text;
    for (QChar c : e->text()) {
        if (c.category() != QChar::Other_Control) text += c;
    }
    return text;
}

// Texts of more lines than this are set in groups of that many lines.
constexpr qsizetype kZeilenJeAbsatz = 64;

}  // namespace

CNotizEdit::CNotizEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    TabstoppsSetzen();
    berichtszugang::Anmelden();
}

CNotizEdit::~CNotizEdit() = default;

std::string CNotizEdit::KernText() const {
    if (m_pBericht != nullptr) return m_pBericht->Zeilen().KernText();
    // toPlainText() would turn no-break spaces into blanks.
    return textwandlung::NachKern(document()->toRawText());
}

std::string CNotizEdit::KernTextHergeben() {
    if (m_pBericht == nullptr) return KernText();
    std::string text = m_pBericht->Hergeben();
    delete m_pBericht;
    m_pBericht = nullptr;
    ZugangVergessen();
    return text;
}

void CNotizEdit::KernTextSetzen(std::string text) {
    if (!isReadOnly()) {
        BerichtBeenden();
        setPlainText(textwandlung::VonKern(text, kZeilenJeAbsatz));
        return;
    }
    // Qt's box would lay out every line of a report before showing one.
    const bool neu = m_pBericht == nullptr;
    delete m_pBericht;
    clear();
    m_pBericht = new CBerichtsansicht(*this, std::move(text));
    connect(m_pBericht, &CBerichtsansicht::AuswahlGeaendert, this,
            [this] { berichtszugang::AuswahlMelden(this); });
    if (neu) ZugangVergessen();
}

void CNotizEdit::BerichtBeenden() {
    if (m_pBericht == nullptr) return;
    setPlainText(textwandlung::VonKern(KernTextHergeben(), kZeilenJeAbsatz));
}

// Qt keeps the accessible interface it made for the box; the box now reads
// as a report, or again as an editor, so the next question makes it anew.
void CNotizEdit::ZugangVergessen() {
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
}

QString CNotizEdit::NichtDarstellbareZeichen() const {
    if (m_pBericht != nullptr)
        return m_pBericht->Zeilen().HatNullzeichen() ? QString(QChar(u'\0')) : QString();
    return textwandlung::NichtDarstellbar(document()->toRawText());
}

void CNotizEdit::NurLesenSetzen(bool nurLesen) {
    setReadOnly(nurLesen);
    if (!nurLesen) BerichtBeenden();
    setTextInteractionFlags(nurLesen ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                     : Qt::TextEditorInteraction);
}

void CNotizEdit::Ablehnen(const QString& zeichen) {
    ZeichenAblehnen(this, zeichen);
    emit Abgelehnt(zeichen);
}

void CNotizEdit::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly()) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            e->accept();
            return;
        }
        if (m_pBericht != nullptr) {
            if (m_pBericht->Taste(e))
                e->accept();
            else
                e->ignore();
            return;
        }
    } else {
        const QString fremd = textwandlung::NichtDarstellbar(Eingabetext(e));
        if (!fremd.isEmpty()) {
            e->accept();
            Ablehnen(fremd);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void CNotizEdit::inputMethodEvent(QInputMethodEvent* e) {
    // Qt's box takes a commit even when read-only; a report never changes.
    if (isReadOnly()) {
        e->ignore();
        return;
    }
    const QString fremd = textwandlung::NichtDarstellbar(e->commitString());
    if (fremd.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    // Commit nothing, but let the box drop the composition it showed.
    QInputMethodEvent nichts;
    QPlainTextEdit::inputMethodEvent(&nichts);
    e->accept();
    Ablehnen(fremd);
}

// Paste, the X11 selection (middle click) and drops all bring their text
// in here. Qt 6.4's own insertion crashes on data with no formats at all,
// which a clipboard nobody owns yields on X11, so it never sees the data:
// the text goes in as plain text, and data without text brings in nothing.
void CNotizEdit::insertFromMimeData(const QMimeData* source) {
    const QString text = source != nullptr && source->hasText() ? source->text() : QString();
    if (text.isEmpty()) return;
    const QString fremd = textwandlung::NichtDarstellbar(text);
    if (!fremd.isEmpty()) {
        Ablehnen(fremd);
        return;
    }
    // A long text goes in as groups of lines, as a whole text is set.
    QString zeilen = text;
    textwandlung::InAbsaetze(zeilen, kZeilenJeAbsatz);
    insertPlainText(zeilen);
    ensureCursorVisible();
}

void CNotizEdit::dropEvent(QDropEvent* e) {
    const QMimeData* daten = e->mimeData();
    const QString fremd = !isReadOnly() && daten->hasText()
                              ? textwandlung::NichtDarstellbar(daten->text())
                              : QString();
    if (fremd.isEmpty()) {
        QPlainTextEdit::dropEvent(e);
        return;
    }
    // Ended like a drag that left, and never accepted, so a moving source
    // keeps its text.
    QDragLeaveEvent verlassen;
    QPlainTextEdit::dragLeaveEvent(&verlassen);
    e->setDropAction(Qt::IgnoreAction);
    e->ignore();
    Ablehnen(fremd);
}

void CNotizEdit::changeEvent(QEvent* e) {
    QPlainTextEdit::changeEvent(e);
    if (e->type() != QEvent::FontChange) return;
    TabstoppsSetzen();
    if (m_pBericht != nullptr) m_pBericht->Neu();
}

void CNotizEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    if (m_pBericht != nullptr)
        m_pBericht->Doppelklick(e);
    else
        QPlainTextEdit::mouseDoubleClickEvent(e);
    m_doppelklickStelle = e->position().toPoint();
    m_doppelklickText = textCursor().position();  // in the word clicked
    m_doppelklickZeit = QDeadlineTimer::current().deadline();
}

void CNotizEdit::mousePressEvent(QMouseEvent* e) {
    const bool dreifach = e->button() == Qt::LeftButton && m_doppelklickZeit >= 0 &&
                          QDeadlineTimer::current().deadline() - m_doppelklickZeit <
                              QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
                          (e->position().toPoint() - m_doppelklickStelle).manhattanLength() <
                              QApplication::startDragDistance();
    m_doppelklickZeit = -1;
    if (m_pBericht != nullptr) {
        m_pBericht->Druecken(e, dreifach);
        return;
    }
    // Qt's own selection of a group scrolls to its end; the view stays put.
    const int oben = verticalScrollBar()->value();
    const int links = horizontalScrollBar()->value();
    QPlainTextEdit::mousePressEvent(e);
    // Qt selects the paragraph; in a group of lines that is one line.
    QTextCursor cursor = textCursor();
    if (!dreifach || !cursor.block().text().contains(QChar::LineSeparator)) return;
    cursor.setPosition(m_doppelklickText);
    cursor.movePosition(QTextCursor::StartOfLine);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    verticalScrollBar()->setValue(oben);
    horizontalScrollBar()->setValue(links);
}

void CNotizEdit::TabstoppsSetzen() {
    setTabStopDistance(InPixel(QRect(0, 0, 32, 0), DialogbasisVon(font())).width());
}

// A report is shown, scrolled and selected in by its own view; Qt's box
// keeps the frame, the scroll bars and the focus.
void CNotizEdit::paintEvent(QPaintEvent* e) {
    if (m_pBericht != nullptr)
        m_pBericht->Malen(e);
    else
        QPlainTextEdit::paintEvent(e);
}

void CNotizEdit::resizeEvent(QResizeEvent* e) {
    QPlainTextEdit::resizeEvent(e);
    if (m_pBericht != nullptr) m_pBericht->Neu();
}

void CNotizEdit::showEvent(QShowEvent* e) {
    QPlainTextEdit::showEvent(e);
    if (m_pBericht != nullptr) m_pBericht->Neu();
}

void CNotizEdit::scrollContentsBy(int dx, int dy) {
    if (m_pBericht != nullptr)
        viewport()->update();
    else
        QPlainTextEdit::scrollContentsBy(dx, dy);
}

void CNotizEdit::mouseMoveEvent(QMouseEvent* e) {
    if (m_pBericht != nullptr)
        m_pBericht->Bewegen(e);
    else
        QPlainTextEdit::mouseMoveEvent(e);
}

void CNotizEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (m_pBericht != nullptr)
        m_pBericht->Loslassen(e);
    else
        QPlainTextEdit::mouseReleaseEvent(e);
}

void CNotizEdit::contextMenuEvent(QContextMenuEvent* e) {
    if (m_pBericht != nullptr)
        m_pBericht->Kontextmenue(e);
    else
        QPlainTextEdit::contextMenuEvent(e);
}

void CNotizEdit::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    if (m_pBericht != nullptr) m_pBericht->Fokus(true);
}

void CNotizEdit::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    if (m_pBericht != nullptr) m_pBericht->Fokus(false);
}
