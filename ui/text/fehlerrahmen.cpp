#include "fehlerrahmen.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <new>

#include "fehler.h"
#include "textwandlung.h"

namespace {

int g_nGezeigt = 0;        // boxes shown so far
bool g_bGemeldet = false;  // a box queued and not yet shown

void FehlerZeigen(QWidget* pFenster, const QString& text) {
    QMessageBox::warning(pFenster, QCoreApplication::applicationName(), text);
}

void SpeichermangelZeigen(QWidget* pFenster) {
    ++g_nGezeigt;
    FehlerZeigen(pFenster, QStringLiteral("Nicht genügend Arbeitsspeicher."));
}

// Qt's own steps around an action (an undo command, the lines laid out, a
// message box) take this much more.
constexpr std::size_t kReserve = 16 << 20;

}  // namespace

bool ImRahmen(QWidget* pFenster, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const CFalscherParameter& fehler) {
        FehlerZeigen(pFenster, textwandlung::VonKern(fehler.what()));
    } catch (const std::bad_alloc&) {
        SpeichermangelZeigen(pFenster);
    } catch (const std::exception&) {
        // Other errors carry no German text of their own.
        FehlerZeigen(pFenster, QStringLiteral("Ein unerwarteter Fehler ist aufgetreten."));
    }
    return false;
}

void RaumPruefen(std::size_t bytes) {
    // Taken and given back at once; volatile, so the compiler keeps both.
    char* volatile pRaum = new char[bytes + kReserve];
    delete[] pRaum;
}

void SpeichermangelMelden() {
    if (g_bGemeldet) return;
    g_bGemeldet = true;
    const int nVorher = g_nGezeigt;
    QMetaObject::invokeMethod(
        qApp,
        [nVorher] {
            g_bGemeldet = false;
            if (g_nGezeigt == nVorher) SpeichermangelZeigen(QApplication::activeModalWidget());
        },
        Qt::QueuedConnection);
}
