#pragma once
// How the report box shows a report: only the lines on screen are laid
// out, each as Qt's box lays out a paragraph (the document's font, tab
// stops, margin, no wrap), so a report of any size opens at once and looks
// as in Qt's box. The rest of the box's part is kept as Qt's box plays it:
// selection with mouse (drag, double and triple click) and keys, Ctrl+A and
// Ctrl+C, the X11 selection, the context menu, dragging text out, both
// scroll bars scrolling by lines and pixels, a blinking cursor.
//
// The box (a QPlainTextEdit with an empty document) hands its events here.

#include <QBasicTimer>
#include <QCache>
#include <QObject>
#include <QPoint>
#include <QTextLayout>
#include <memory>
#include <string>
#include <utility>

#include "berichtszeilen.h"

class QContextMenuEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QPaintEvent;
class QPlainTextEdit;

class CBerichtsansicht : public QObject {
    Q_OBJECT
public:
    CBerichtsansicht(QPlainTextEdit& box, std::string bytes);
    ~CBerichtsansicht() override;

    const Berichtszeilen& Zeilen() const { return *m_zeilen; }
    // The report as the core holds it, for a box that is done with it: its
    // bytes are handed over, not copied, unless a selection handed out holds
    // them too. The view is to be deleted afterwards.
    std::string Hergeben();

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

    // The box's events.
    void Malen(QPaintEvent* e);
    bool Taste(QKeyEvent* e);  // false: not the box's key
    void Druecken(QMouseEvent* e, bool dreifach);
    void Bewegen(QMouseEvent* e);
    void Loslassen(QMouseEvent* e);
    void Doppelklick(QMouseEvent* e);
    void Kontextmenue(QContextMenuEvent* e);
    void Fokus(bool hinein);
    void Neu();  // size or font changed: lines laid out anew, scroll bars set

signals:
    void AuswahlGeaendert();

protected:
    void timerEvent(QTimerEvent* e) override;

private:
    QTextLayout* Layout(qsizetype zeile);
    qreal Hoehe(qsizetype zeile);
    qreal ObenVon(qsizetype oben) const;  // where the top line starts
    void Bildlaufleisten();
    void Setzen(qsizetype pos, bool halten);  // halten: the anchor stays
    void Neuzeichnen();
    qsizetype Wortgrenze(qsizetype pos, bool vor);
    void AuswahlUebernehmen() const;  // to the X11 selection
    QMimeData* Auswahldaten() const;
    void Ziehen();

    QPlainTextEdit& m_box;
    std::shared_ptr<Berichtszeilen> m_zeilen;  // shared with the selection handed out
    QCache<qsizetype, QTextLayout> m_layouts{512};
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

    QBasicTimer m_blinken;
    bool m_cursorSichtbar = false;
};
