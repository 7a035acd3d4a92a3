#pragma once
// Driving the program's windows as a user does.

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dia_kalender.h"

class CMonatsKalender;
class CNotizEdit;
class QMenu;

// Answers the modal windows and popup menus that open while an action runs,
// in order, each answer the next new one. A window with no answer left, or
// whose answer failed, fails the test and is closed, so a fault never
// leaves a test hanging in a nested loop. One alive at a time.
class ModalFolge : public QObject {
public:
    using Antwort = std::function<void(QWidget*)>;

    explicit ModalFolge(QWidget* pAusser = nullptr);  // pAusser: the main window
    ModalFolge& Dann(Antwort antwort);
    bool AlleBeantwortet() const { return m_antworten.empty(); }

private:
    void Pruefen();

    QPointer<QWidget> m_pAusser, m_pLetztes;
    std::deque<Antwort> m_antworten;
    QTimer m_takt;
};

// Runs a window test on the X11 platform users run. On any other platform
// it fails at once: a missing display must never fall back to a
// simulation that hides what X11 does.
int FenstertestAusfuehren(QObject& test, int argc, char** argv);

// A refusal shows as a tooltip. TippWacheStellen puts up a sentinel tooltip
// at `pFeld`; TippSeitWache is the tooltip shown since, "" when none.
void TippWacheStellen(QWidget* pFeld);
QString TippSeitWache();

// Key by key, also beyond Latin-1; "\n" is the Enter key.
void Tippen(QWidget* pZiel, const QString& text);
void Klicken(QWidget* pFenster, const char* id);
void MenuePunktKlicken(QWidget* pMenue, const QString& textAnfang);
QWidget* Hilfefenster();  // the help window on show, or null

// A local moment, as the clock reports it.
Datumswert Moment(int jahr, int monat, int tag, int stunde = 0, int minute = 0);

// The main window as the program runs it (application-modal), with a clock
// the test sets.
class Testfenster {
public:
    explicit Testfenster(Datumswert jetzt);
    void Zeigen();

    Datumswert m_jetzt;
    const std::unique_ptr<CDia_Kalender> m_pDlg;  // as the application makes it
    CDia_Kalender& m_dlg;

    CNotizEdit* Editor();
    CMonatsKalender* Kalender();
    QString Tag();  // the label

    void Tippen(const QString& text);
    void MitMausWaehlen(const QDate& tag);  // leafs with the arrows as needed
    void Rechtsklick(const QPoint& pos);    // through the window system
    // Picks each day and types its note, then `danach`, which files the last.
    void NotizenAnlegen(const std::vector<std::pair<QDate, QString>>& notizen, const QDate& danach);

    // "&Finden" with `begriff` or "&Termine" (begriff null): the report's
    // caption and bytes.
    void Bericht(const QString* begriff, QString& titel, std::string& bericht);
};

// What the window tests share: the window, and the caption and bytes of
// the last report. Schliessen belongs in each test's cleanup.
class Fenstertest : public QObject {
protected:
    void Oeffnen(Datumswert jetzt);
    void Schliessen();  // also puts back the zone a test may have changed
    void Suchen(const QString& begriff) { m_f->Bericht(&begriff, m_titel, m_bericht); }
    void Termine() { m_f->Bericht(nullptr, m_titel, m_bericht); }

    std::unique_ptr<Testfenster> m_f;
    const QByteArray m_zone = qgetenv("TZ");
    QString m_titel;
    std::string m_bericht;
};
