#pragma once
// The main window's month calendar: it fills its fixed rectangle with as
// many whole months side by side and in rows as fit, shows week numbers,
// weeks starting on Monday, German month and day names, marks today, keeps
// one selected day across all months, and its arrows move every month at
// once.
//
// Only a day picked by the user (mouse or keyboard) emits TagGewaehlt;
// changes the program makes through AuswahlSetzen never do. Clicking a
// month's title offers the months, clicking its year steps the year, and
// the arrows repeat while held: all of them only turn the view.
//
// Screen readers see it through kalenderzugang.h.

#include <QDate>
#include <QWidget>

class KalenderLayout;
class QTimer;

class CMonatsKalender : public QWidget {
    Q_OBJECT
public:
    explicit CMonatsKalender(QWidget* parent = nullptr);

    QDate Auswahl() const;
    // Silent; brings the day into view. A day outside the range is refused.
    void AuswahlSetzen(const QDate& tag);

    QDate Heute() const;
    void HeuteSetzen(const QDate& tag);  // default: QDate::currentDate()

    // Days outside [von, bis] are not offered (greyed, not selectable) and
    // the arrows stop at its months. A selection outside is pulled to the
    // nearer end, silently. An empty or invalid range is refused.
    void BereichSetzen(const QDate& von, const QDate& bis);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // What is on show, as a user sees it. Blocks are counted row by row.
    int AnzahlMonate() const;
    QDate ErsterMonat() const;                      // first day of the first block's month
    QString MonatsTitel(int block) const;           // "März 2027"
    int Kalenderwoche(int block, int zeile) const;  // ISO week of a row, 0 if the row is empty
    QRect TagRechteck(const QDate& tag) const;      // empty when the day is not on show
    QRect PfeilZurueckRechteck() const;
    QRect PfeilVorRechteck() const;
    QRect HeuteRechteck() const;
    bool ZurueckMoeglich() const;
    bool VorMoeglich() const;

signals:
    void TagGewaehlt(const QDate& tag);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    friend class KalenderZugang;

    KalenderLayout Layout() const;
    QDate ErsterMonatFuer(int anzahl) const;
    bool ImBereich(const QDate& tag) const;
    // Block, row and column where `tag` is on show; false when it is not.
    bool Stelle(const QDate& tag, const KalenderLayout& layout, int& block, int& zeile,
                int& spalte) const;
    void SichtbarMachen(const QDate& tag);
    void Blaettern(int monate);
    void Waehlen(const QDate& tag);  // a user's pick
    void AnsichtGeaendert();         // the view may have turned

    // kalenderbedienung.cpp
    void TitelGeklickt(int block, const QPoint& punkt);
    void MonatsMenue(int block, const QPoint& global);
    void JahrStellen(int block, const QRect& jahr);
    void WiederholungStarten(int monate);
    void WiederholungStoppen();

    QDate m_auswahl;
    QDate m_heute;
    QDate m_von;
    QDate m_bis;
    QDate m_ersterMonat;  // as wanted; the range may hold it back (ErsterMonatFuer)
    QTimer* m_pWiederholung = nullptr;
    int m_wiederholtMonate = 0;
};
