#pragma once
// The multi-line note box of the main window and the note dialog: Enter
// makes a new line, no word wrap (long lines scroll sideways), Tab moves the
// focus as in a dialog, tab stops every 32 dialog units. Characters
// Windows-1252 cannot hold are refused when typed, pasted or dropped,
// visibly (a beep and a tooltip naming them); a refused paste or drop
// inserts nothing. Read-only it shows a report, of any size, through a view
// that lays out only the lines on screen (CBerichtsansicht).

#include <QPlainTextEdit>
#include <string>

class CBerichtsansicht;

class CNotizEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CNotizEdit(QWidget* parent = nullptr);
    ~CNotizEdit() override;

    // Whole text as the core holds it (Windows-1252, "\r\n"). KernText
    // throws std::invalid_argument if the box holds a character that
    // Windows-1252 cannot (only possible when set past the filter, e.g.
    // with setPlainText); check with NichtDarstellbareZeichen first.
    // A long text is set with its lines in groups, each group one
    // paragraph of the document: a paragraph per line costs Qt's document
    // microseconds each, seconds for a report of megabytes. Nothing the
    // user sees changes; a triple click still selects one line.
    // Read-only, the text goes to the report view; the document stays empty.
    std::string KernText() const;
    void KernTextSetzen(std::string text);
    // For a box whose dialog closes: the same text. A report's bytes are
    // handed over rather than copied, and the report is gone from the box
    // afterwards; an editing box keeps its text.
    std::string KernTextHergeben();

    // The characters in the box that Windows-1252 cannot hold; normally empty.
    QString NichtDarstellbareZeichen() const;

    // Read-only but selectable and copyable with mouse and keyboard. Enter
    // is still taken by the box, so it does not close a dialog. Set before
    // the text.
    void NurLesenSetzen(bool nurLesen);

    // The report shown read-only; null while the box edits.
    CBerichtsansicht* Bericht() const { return m_pBericht; }

    // Beeps, shows the tooltip beside the cursor and emits Abgelehnt.
    void Ablehnen(const QString& zeichen);

signals:
    // A typed, pasted or dropped text was refused; `zeichen` are the
    // characters Windows-1252 cannot hold.
    void Abgelehnt(const QString& zeichen);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void TabstoppsSetzen();
    void BerichtBeenden();
    void ZugangVergessen();

    CBerichtsansicht* m_pBericht = nullptr;  // a child of the box

    QPoint m_doppelklickStelle;
    qint64 m_doppelklickZeit = -1;  // ms of QDeadlineTimer's clock; -1: none
    int m_doppelklickText = 0;      // where in the text
};
