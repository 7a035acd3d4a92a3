#include "ressourcen.h"

#include <QDir>

#include "resource.h"
#include "stringtabelle.h"

QIcon SymbolLaden(int nID) {
    QIcon symbol;
    if (nID != res::IDR_MAINFRAME) return symbol;
    const QDir gruppe(QStringLiteral(":/IDR_MAINFRAME"));
    for (const QString& datei : gruppe.entryList({QStringLiteral("*.png")}, QDir::Files))
        symbol.addFile(gruppe.filePath(datei));
    return symbol;
}

QString StringLaden(int nID) {
    for (const StringEintrag& eintrag : kStringTabelle) {
        if (eintrag.nID == nID) return QString::fromUtf16(eintrag.pszText);
    }
    return {};
}

QUrl HandbuchAdresse() {
    return QUrl(QStringLiteral("qrc:/hilfe/handbuch.html"));
}
