#pragma once
// The application object: German texts throughout (Qt's own included), the
// program's name and icon, and the help window. From its construction on,
// the process cannot be dumped, so a crash leaves no core file with notes.
// InitInstance runs the main window modally and the program ends when it
// closes.

#include <QApplication>
#include <QPointer>
#include <memory>

#include "uhr.h"

class CDia_Kalender;
class CHilfeFenster;

class CKalenderApp : public QApplication {
    Q_OBJECT
public:
    CKalenderApp(int& argc, char** argv);
    ~CKalenderApp() override;

    // Out of memory in an event no handler caught costs that event.
    bool notify(QObject* pEmpfaenger, QEvent* e) override;

    // Runs the main window; returns false, as there is no loop after it.
    bool InitInstance();

    // The main window with its help wired to OnHelp: the program, the tests,
    // the pictures and the benchmark all open it here.
    std::unique_ptr<CDia_Kalender> HauptfensterErstellen(Uhr uhr = Systemzeit);

    // Shows the manual for the window in front; a second call raises the
    // help window already open.
    void OnHelp();

private:
    QPointer<CHilfeFenster> m_pHilfe;
};
