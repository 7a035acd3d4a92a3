#include "ressourcen.h"

#include <QDir>

#include "resource.h"
#include "stringtabelle.h"

// The resource file is linked from a static library, so nothing would pull
// it in by itself.
static void RessourcenEinbinden() {
    static const bool einmal = [] {
        Q_INIT_RESOURCE(dorvane);
        return true;
    }();
    (void)einmal;
}

QIcon SymbolLaden(int nID) {
    RessourcenEinbinden();
    QIcon symbol;
    if (nID != IDR_MAINFRAME) return symbol;
    const QDir gruppe(QStringLiteral(":/IDR_MAINFRAME"));
    for (const QString& datei : gruppe.entryList({QStringLiteral("*.png")}, QDir::Files))
        symbol.addFile(gruppe.filePath(datei));
    return symbol;
}

QString StringLaden(int nID) {
    for (const StringEintrag& eintrag : kStringTabelle) {
        if (eintrag.nID == nID) return QString::fromUtf8(eintrag.pszText);
    }
    return {};
}

QUrl HandbuchAdresse() {
    RessourcenEinbinden();
    return QUrl(QStringLiteral("qrc:/hilfe/handbuch.html"));
}
