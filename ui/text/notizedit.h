#pragma once
// The multi-line note editor of the main window and the note dialog: Enter
// makes a new line, no word wrap (long lines scroll sideways), Tab moves the
// focus as in a dialog, tab stops every 32 dialog units. Characters
// Windows-1252 cannot hold are refused when typed, pasted or dropped,
// visibly (a beep and a tooltip naming them); a refused paste or drop
// inserts nothing. Out of memory costs only the action: what would not fit
// is not handed to Qt, the box keeps its text and the user sees why.

#include <QPlainTextEdit>
#include <string>

#include "textfeld.h"

class CNotizEdit : public QPlainTextEdit, public CTextfeld {
    Q_OBJECT
public:
    explicit CNotizEdit(QWidget* parent = nullptr);

    // Whole text as the core holds it (Windows-1252, "\r\n"). KernText
    // throws std::invalid_argument if the box holds a character that
    // Windows-1252 cannot (only possible when set past the filter, e.g.
    // with setPlainText); KernTextAnnehmbar checks first. Both throw
    // std::bad_alloc, before Qt is asked, when the room is not there.
    // A long text is set with its lines in groups, each group one
    // paragraph of the document: a paragraph per line costs Qt's document
    // microseconds each, seconds for a text of megabytes. Nothing the user
    // sees changes; a triple click still selects one line.
    std::string KernText() const;
    void KernTextSetzen(const std::string& text);

    // The characters in the box that Windows-1252 cannot hold; normally empty.
    QString NichtDarstellbareZeichen() const;

    // Beeps, shows the tooltip beside the cursor and emits Abgelehnt.
    void Ablehnen(const QString& zeichen);

    QAbstractScrollArea* Feld() override { return this; }
    bool KernTextAnnehmbar() override;
    std::string KernTextHergeben() override { return KernText(); }
    void Leeren() override;

signals:
    // A typed, pasted or dropped text was refused; `zeichen` are the
    // characters Windows-1252 cannot hold.
    void Abgelehnt(const QString& zeichen);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    QMimeData* createMimeDataFromSelection() const override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void TabstoppsSetzen();
    // Whether Qt's document has room for so many characters more; if not,
    // the user is told.
    bool RaumFuer(qsizetype zeichen);
    QString Auswahltext() const;  // throws std::bad_alloc
    void Kopieren(bool ausschneiden);

    QPoint m_doppelklickStelle;
    qint64 m_doppelklickZeit = -1;  // ms of QDeadlineTimer's clock; -1: none
    int m_doppelklickText = 0;      // where in the text
};
