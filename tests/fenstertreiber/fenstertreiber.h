#pragma once
// Drives the program's windows as a user does: keys, clicks, days picked in
// the calendar, menu entries, and the modal windows and menus that open
// meanwhile. Shared by the window tests, the picture renderer and the
// window benchmark, which differ only in what a failure does.

#include <sys/resource.h>
#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dia_kalender.h"
#include "kalender_app.h"
#include "orakel.h"

class CMonatsKalender;
class CNotizEdit;

namespace fenster {

// What a failure does (default: the running Qt test fails); after it the
// driver closes what it could not answer, so no nested loop hangs.
void BeiFehlschlag(std::function<void(const QString&)> handler);
void Fehlschlagen(const QString& grund);

// Runs a window test on X11, where users are, or on the one platform named,
// and fails on any other rather than pass in a simulation.
int FenstertestAusfuehren(QObject& test, int argc, char** argv, const char* plattform = "xcb");

// The child with that resource ID as object name; fails when there is none.
template <typename T>
T* Steuerelement(QWidget* pFenster, const char* id) {
    T* pElement = pFenster->findChild<T*>(QLatin1String(id));
    if (pElement == nullptr) Fehlschlagen(QStringLiteral("no control %1").arg(QLatin1String(id)));
    return pElement;
}

// Key by key, also beyond the BMP; "\n" is the Enter key.
void Tippen(QWidget* pZiel, const QString& text);
void Klicken(QWidget* pFenster, const char* id);
// A right click as the window system delivers it.
void Rechtsklick(QWidget* pFenster, const QPoint& pos);
void MenuePunktKlicken(QWidget* pMenue, const QString& textAnfang);
QWidget* Hilfefenster();  // the help window on show, or null
// A refusal shows as a tooltip: TippWacheStellen puts up a sentinel tooltip
// at `pFeld`; TippSeitWache is the tooltip shown since, "" when none.
void TippWacheStellen(QWidget* pFeld);
QString TippSeitWache();

// Answers the modal windows and popup menus that open while an action runs,
// each new one, once active, with the next answer. A window with no answer
// left or left open by its answer fails and is closed; answers left over
// fail too. `taktMs` is how often it looks.
class Fensterfolge : public QObject {
public:
    using Antwort = std::function<void(QWidget*)>;

    explicit Fensterfolge(QWidget* pHauptfenster, int taktMs = 10);  // looks from now on
    Fensterfolge& Dann(Antwort antwort);
    void Ausfuehren(const std::function<void()>& aktion);
    bool AlleBeantwortet() const { return m_antworten.empty(); }

private:
    void Pruefen();

    QPointer<QWidget> m_pHaupt, m_pLetztes;
    std::deque<Antwort> m_antworten;
    QTimer m_takt;
    int m_nWarten = 0;
};

// A local moment, as the clock reports it.
Datumswert Moment(int jahr, int monat, int tag, int stunde = 0, int minute = 0);

// The main window as the program makes and runs it, with the caller's clock.
class Hauptfenster {
public:
    explicit Hauptfenster(Datumswert jetzt);
    void Zeigen();

    Datumswert m_jetzt;
    const std::unique_ptr<CDia_Kalender> m_pDlg;
    CDia_Kalender& m_dlg;

    CNotizEdit* Editor();
    CMonatsKalender* Kalender();
    QString Tag();  // the label
    void Tippen(const QString& text);
    void Waehlen(const QDate& tag);  // with the mouse, leafing as far as needed
    // Picks each day and types its note, then `danach`, which files the last.
    void NotizenAnlegen(const std::vector<std::pair<QDate, QString>>& notizen, const QDate& danach);
    // Runs `aktion`, or clicks `id`, answering the windows it opens in order.
    void Mit(std::initializer_list<Fensterfolge::Antwort> antworten,
             const std::function<void()>& aktion);
    void Befehl(const char* id, std::initializer_list<Fensterfolge::Antwort> antworten);

    // "&Finden" with the term, or "&Termine": the report's caption as shown
    // and its bytes; "?" when none opened.
    struct Bericht {
        QString titel;
        std::string text;
    };
    Bericht Suchen(const QString& begriff);
    Bericht Termine();

private:
    Bericht Berichten(const QString* begriff);
};

// While it lives, this process may take only the address space it has now
// and `spielraum` bytes more: out of memory at will.
class Speichergrenze {
public:
    explicit Speichergrenze(std::size_t spielraum);
    ~Speichergrenze();

private:
    rlimit m_vorher{};
};

// What the window tests share: the window, and a zone a test may set.
// Schliessen belongs in each test's cleanup.
class Fenstertest : public QObject {
protected:
    void Oeffnen(Datumswert jetzt);
    void Schliessen();

    std::unique_ptr<orakel::Zone> m_zone;
    std::unique_ptr<Hauptfenster> m_f;
};

// Answers a message box with `knopf` and keeps what it showed.
struct Meldung {
    QString titel, text, knoepfe;  // the buttons' texts, each followed by "|"
    Fensterfolge::Antwort Antwort(int knopf);
};

inline orakel::Datum AlsDatum(const QDate& tag) {
    return {tag.year(), tag.month(), tag.day()};
}
// The label after a pick.
inline QString Beschriftung(const QDate& tag) {
    return QString::fromLatin1("Notiz f\xFCr Tag  ") + tag.toString(QStringLiteral("dd.MM.yyyy"));
}

}  // namespace fenster

// The main function of a window test on the program's application object.
#define FENSTERTEST_MAIN(Klasse)                                 \
    int main(int argc, char** argv) {                            \
        CKalenderApp app(argc, argv);                            \
        Klasse test;                                             \
        return fenster::FenstertestAusfuehren(test, argc, argv); \
    }

// Two byte strings alike, or the test fails where they part.
#define BYTEGLEICH(ist, soll)                                            \
    do {                                                                 \
        const std::string unterschied_ = orakel::Unterschied(ist, soll); \
        QVERIFY2(unterschied_.empty(), unterschied_.c_str());            \
    } while (false)
