#include "notizedit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>
#include <new>

#include "dialogeinheiten.h"
#include "fehlerrahmen.h"
#include "kontextmenue.h"
#include "textdaten.h"
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

// The room Qt's document may take to hold so many characters: its buffer
// grows by doubling, old and new held while it moves.
void RaumFuerText(qsizetype zeichen) {
    RaumPruefen(2 * sizeof(QChar) * std::size_t(zeichen));
}

}  // namespace

CNotizEdit::CNotizEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    TabstoppsSetzen();
}

std::string CNotizEdit::KernText() const {
    RaumFuerText(document()->characterCount());
    // toPlainText() would turn no-break spaces into blanks.
    return textwandlung::NachKern(document()->toRawText());
}

void CNotizEdit::KernTextSetzen(const std::string& text) {
    QString neu = textwandlung::VonKern(text, kZeilenJeAbsatz);
    RaumFuerText(neu.size());
    setPlainText(neu);
}

QString CNotizEdit::NichtDarstellbareZeichen() const {
    return textwandlung::NichtDarstellbar(document()->toRawText());
}

// Only text set past the filter can hold such characters; the box keeps it
// rather than hand back a changed text.
bool CNotizEdit::KernTextAnnehmbar() {
    const QString fremd = NichtDarstellbareZeichen();
    if (fremd.isEmpty()) return true;
    setFocus();
    Ablehnen(fremd);
    return false;
}

void CNotizEdit::Leeren() {
    // Through a cursor rather than clear(), so Undo can bring the text back.
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void CNotizEdit::Ablehnen(const QString& zeichen) {
    ZeichenAblehnen(this, Feldinhalt::Notiz, zeichen);
    emit Abgelehnt(zeichen);
}

bool CNotizEdit::RaumFuer(qsizetype zeichen) {
    return ImRahmen(this, [&] { RaumFuerText(document()->characterCount() + zeichen); });
}

// The selection as Qt's box copies its plain text: line ends "\n",
// no-break spaces as blanks.
QString CNotizEdit::Auswahltext() const {
    const QTextCursor cursor = textCursor();
    RaumFuerText(cursor.selectionEnd() - cursor.selectionStart());
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text.replace(QChar::Nbsp, u' ');
}

// Copy and cut go to the clipboard only when the text could be made, so a
// failure leaves the clipboard as it was.
void CNotizEdit::Kopieren(bool ausschneiden) {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) return;
    std::unique_ptr<QMimeData> daten;
    if (!ImRahmen(this, [&] { daten = std::make_unique<CTextdaten>(Auswahltext()); })) return;
    QGuiApplication::clipboard()->setMimeData(daten.release());
    if (!ausschneiden) return;
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

// Qt's own handling of a key (typing, undo, redo) cannot fail safely: the
// room comes first.
void CNotizEdit::keyPressEvent(QKeyEvent* e) {
    const bool ausschneiden = e->matches(QKeySequence::Cut);
    if (ausschneiden || e->matches(QKeySequence::Copy)) {
        e->accept();
        Kopieren(ausschneiden);
        return;
    }
    const QString eingabe = Eingabetext(e);
    const QString fremd = textwandlung::NichtDarstellbar(eingabe);
    if (!fremd.isEmpty()) {
        e->accept();
        Ablehnen(fremd);
        return;
    }
    // Moving and deleting need no room; the X11 selection finds its own.
    const bool aendert = !eingabe.isEmpty() || e->key() == Qt::Key_Return ||
                         e->key() == Qt::Key_Enter || e->matches(QKeySequence::Undo) ||
                         e->matches(QKeySequence::Redo);
    if (aendert && !RaumFuer(eingabe.size())) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

// Qt's menu, its copy and cut made here and its other entries run once the
// room is there; paste comes to insertFromMimeData.
void CNotizEdit::contextMenuEvent(QContextMenuEvent* e) {
    auto mitRaum = [this](void (QPlainTextEdit::*schritt)()) {
        return [this, schritt] {
            if (RaumFuer(0)) (this->*schritt)();
        };
    };
    auto kopieren = [this](bool ausschneiden) {
        return [=, this] {
            Kopieren(ausschneiden);
        };
    };
    kontextmenue::Zeigen(createStandardContextMenu(e->pos()), e->globalPos(),
                         {{"edit-copy", {}, kopieren(false)},
                          {"edit-cut", {}, kopieren(true)},
                          {"edit-undo", {}, mitRaum(&QPlainTextEdit::undo)},
                          {"edit-redo", {}, mitRaum(&QPlainTextEdit::redo)},
                          {"select-all", {}, mitRaum(&QPlainTextEdit::selectAll)}});
}

// Called by Qt for the X11 selection and a drag, where no box may open.
QMimeData* CNotizEdit::createMimeDataFromSelection() const {
    try {
        return new CTextdaten(Auswahltext());
    } catch (const std::bad_alloc&) {
        SpeichermangelMelden();
        return new CTextdaten();
    }
}

void CNotizEdit::inputMethodEvent(QInputMethodEvent* e) {
    const QString fremd = textwandlung::NichtDarstellbar(e->commitString());
    const bool raum =
        fremd.isEmpty() && RaumFuer(e->commitString().size() + e->preeditString().size());
    if (raum) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    // Commit nothing, but let the box drop the composition it showed.
    QInputMethodEvent nichts;
    QPlainTextEdit::inputMethodEvent(&nichts);
    e->accept();
    if (!fremd.isEmpty()) Ablehnen(fremd);
}

// Paste, the X11 selection (middle click) and drops all bring their text
// in here. Qt 6.4's own insertion crashes on data with no formats at all,
// which a clipboard nobody owns yields on X11, so it never sees the data:
// the text goes in as plain text, and data without text brings in nothing.
// Text that cannot go in whole for want of memory goes in not at all.
void CNotizEdit::insertFromMimeData(const QMimeData* source) {
    QString zeilen;
    QString fremd;
    const bool bereit = ImRahmen(this, [&] {
        if (source == nullptr || !source->hasText()) return;
        // Held here, so that a failure gives its memory back before the box.
        QString text = source->text();
        fremd = textwandlung::NichtDarstellbar(text);
        // A long text goes in as groups of lines, as a whole text is set.
        if (fremd.isEmpty()) textwandlung::InAbsaetze(text, kZeilenJeAbsatz);
        RaumFuerText(document()->characterCount() + text.size());
        zeilen = std::move(text);
    });
    if (!fremd.isEmpty()) return Ablehnen(fremd);
    if (!bereit || zeilen.isEmpty()) return;
    insertPlainText(zeilen);
    ensureCursorVisible();
}

void CNotizEdit::dropEvent(QDropEvent* e) {
    const QMimeData* daten = e->mimeData();
    QString fremd;
    // Checked before Qt takes a moved text out of its place.
    const bool raum = ImRahmen(this, [&] {
        const QString text = daten->hasText() ? daten->text() : QString();
        fremd = textwandlung::NichtDarstellbar(text);
        RaumFuerText(document()->characterCount() + text.size());
    });
    if (raum && fremd.isEmpty()) {
        QPlainTextEdit::dropEvent(e);
        return;
    }
    // Ended like a drag that left, and never accepted, so a moving source
    // keeps its text.
    QDragLeaveEvent verlassen;
    QPlainTextEdit::dragLeaveEvent(&verlassen);
    e->setDropAction(Qt::IgnoreAction);
    e->ignore();
    if (!fremd.isEmpty()) Ablehnen(fremd);
}

void CNotizEdit::changeEvent(QEvent* e) {
    QPlainTextEdit::changeEvent(e);
    if (e->type() != QEvent::FontChange) return;
    TabstoppsSetzen();
}

void CNotizEdit::mouseDoubleClickEvent(QMouseEvent* e) {
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
    setTabStopDistance(Tabstoppabstand(font()));
}
