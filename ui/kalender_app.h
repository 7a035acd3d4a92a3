#pragma once
// The application object: German texts throughout (Qt's own included), the
// program's name and icon. InitInstance runs the main window modally and
// the program ends when it closes. Commands no window handles end up here.

#include <QApplication>
#include <QPointer>

class CHilfeFenster;

class CKalenderApp : public QApplication {
    Q_OBJECT
public:
    CKalenderApp(int& argc, char** argv);
    ~CKalenderApp() override;

    // Runs the main window; returns false, as there is no loop after it.
    bool InitInstance();

    // The message map: ID_HELP -> OnHelp. Returns whether nID was handled.
    bool OnCmdMsg(unsigned nID);

    // Shows the manual for the window in front; a second call raises the
    // help window already open.
    void OnHelp();

private:
    QPointer<CHilfeFenster> m_pHilfe;
};
