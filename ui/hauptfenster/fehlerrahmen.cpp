#include "fehlerrahmen.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <exception>
#include <new>

#include "fehler.h"
#include "textwandlung.h"

namespace {

void FehlerZeigen(QWidget* pFenster, const QString& text) {
    QMessageBox::warning(pFenster, QCoreApplication::applicationName(), text);
}

}  // namespace

bool ImRahmen(QWidget* pFenster, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const CFalscherParameter& fehler) {
        FehlerZeigen(pFenster, textwandlung::VonKern(fehler.what()));
    } catch (const std::bad_alloc&) {
        FehlerZeigen(pFenster, QStringLiteral("Nicht genügend Arbeitsspeicher."));
    } catch (const std::exception&) {
        // Other errors carry no German text of their own.
        FehlerZeigen(pFenster, QStringLiteral("Ein unerwarteter Fehler ist aufgetreten."));
    }
    return false;
}
