#pragma once
// The report box: a read-only view of a report of any size. Only the lines
// on screen are laid out, each as Qt's text box lays out a paragraph (the
// box's font, tab stops every 32 dialog units, a margin, no wrap), and a
// line of megabytes only in the pieces on screen, so a report opens at once,
// looks as in Qt's box, and the end of every line can be scrolled to. The
// rest is kept as Qt's box plays it: selection with mouse (drag, double and
// triple click) and keys, Ctrl+A and Ctrl+C, the X11 selection, Qt's German
// context menu, dragging text out, both scroll bars, a blinking cursor.
// Enter is taken, so it never closes the dialog.

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QCache>
#include <QPoint>
#include <QTextLayout>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "berichtszeilen.h"
#include "textfeld.h"

class QMimeData;

class CBerichtsansicht : public QAbstractScrollArea, public CTextfeld {
    Q_OBJECT
public:
    CBerichtsansicht(std::string bytes, QWidget* parent = nullptr);
    ~CBerichtsansicht() override;

    const Berichtszeilen& Zeilen() const { return *m_zeilen; }

    // The selection runs from the anchor to the cursor; without one they are
    // equal.
    qsizetype Cursor() const { return m_cursor; }
    qsizetype Anker() const { return m_anker; }
    void Auswaehlen(qsizetype anker, qsizetype cursor);
    void AllesAuswaehlen();
    void Kopieren() const;

    // In the viewport's coordinates; PositionBei clamps to the lines shown.
    QRect Zeichenrechteck(qsizetype pos);
    qsizetype PositionBei(QPoint punkt);
    void Zeigen(qsizetype pos);  // scrolls the position into view

    QAbstractScrollArea* Feld() override { return this; }
    bool KernTextAnnehmbar() override { return true; }  // it came from the core
    // The bytes are handed over, not copied, unless a selection handed out
    // holds them too; the box is to be deleted afterwards.
    std::string KernTextHergeben() override;
    void Leeren() override {}

signals:
    void AuswahlGeaendert();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    // A line is laid out in pieces of so many characters; a short line is
    // one piece.
    static constexpr qsizetype kStueck = 4096;
    struct Bewegung;

    qsizetype Stuecke(qsizetype zeile) const;
    std::unique_ptr<QTextLayout> Auslegen(qsizetype zeile, qsizetype stueck, qreal x0) const;
    QTextLayout* Layout(qsizetype zeile, qsizetype stueck);
    const std::vector<qreal>& StueckX(qsizetype zeile);  // where each piece starts, then the end
    qreal XVon(qsizetype zeile, qsizetype spalte);
    qsizetype SpalteBei(qsizetype zeile, qreal x);
    qreal Hoehe(qsizetype zeile);
    qreal ObenVon(qsizetype oben) const;  // where the top line starts
    void BreiteAufnehmen(qreal breite);
    void Neu();  // size or font changed: lines laid out anew, scroll bars set
    void Bildlaufleisten();
    void Setzen(qsizetype pos, bool halten);  // halten: the anchor stays
    qsizetype Wortgrenze(qsizetype pos, bool vor);
    void AuswahlUebernehmen() const;  // to the X11 selection
    QMimeData* Auswahldaten() const;
    void Ziehen();
    void Blinken(bool an);
    static const Bewegung* BewegungVon(const QKeyEvent* e, bool* waehlen);

    std::shared_ptr<Berichtszeilen> m_zeilen;  // shared with the selection handed out
    QTextOption m_option;
    // (line, piece); as many as hold this many characters
    QCache<std::pair<qsizetype, qsizetype>, QTextLayout> m_layouts{1 << 18};
    std::unordered_map<qsizetype, std::vector<qreal>> m_stueckX;  // lines of more than a piece
    qreal m_breite = 0;  // the widest line laid out so far, margins included

    qsizetype m_anker = 0;
    qsizetype m_cursor = 0;
    qreal m_x = -1;  // where Up and Down keep the cursor; -1: where it is

    enum class Maus { Nichts, Waehlen, Woerter, VielleichtZiehen };
    Maus m_maus = Maus::Nichts;
    QPoint m_druckpunkt;
    qsizetype m_wortAnfang = 0, m_wortEnde = 0;  // the word double-clicked
    QPoint m_mauspunkt;
    QBasicTimer m_rollen;  // while a selection is dragged past the edge

    QPoint m_doppelklickStelle;
    qint64 m_doppelklickZeit = -1;  // ms of QDeadlineTimer's clock; -1: none

    QBasicTimer m_blinken;
    bool m_cursorSichtbar = false;
};
