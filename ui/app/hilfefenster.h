#pragma once
// The help window: the program's manual, shown from the resources. It
// follows links within the manual only; nothing is fetched from outside.
// As a window of its own owned by the window in front, it takes input while
// that window runs modally.

#include <QWidget>

class QTextBrowser;
class QUrl;

class CHilfeFenster : public QWidget {
    Q_OBJECT
public:
    explicit CHilfeFenster(QWidget* pOwner);

private:
    void VerweisOeffnen(const QUrl& ziel);

    QTextBrowser* m_pText = nullptr;
};
