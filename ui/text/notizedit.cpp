#include "notizedit.h"

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
}

std::string CNotizEdit::KernText() const {
    // toPlainText() would turn no-break spaces into blanks.
    return textwandlung::NachKern(document()->toRawText());
}

void CNotizEdit::KernTextSetzen(const std::string& text) {
    setPlainText(textwandlung::VonKern(text, kZeilenJeAbsatz));
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

void CNotizEdit::keyPressEvent(QKeyEvent* e) {
    const QString fremd = textwandlung::NichtDarstellbar(Eingabetext(e));
    if (!fremd.isEmpty()) {
        e->accept();
        Ablehnen(fremd);
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void CNotizEdit::inputMethodEvent(QInputMethodEvent* e) {
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
    const QString fremd =
        daten->hasText() ? textwandlung::NichtDarstellbar(daten->text()) : QString();
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
