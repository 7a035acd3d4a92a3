// dorvane-bilder [DIR]: renders the program's windows, on a fixed day with
// fixed notes, to PNG files in DIR (default: docs). The same inputs give
// the same bytes on every run.

#include <QDir>
#include <QSaveFile>
#include <cstdio>

#include "aufnahmen.h"
#include "darstellung.h"
#include "fenstertreiber.h"
#include "kalender_app.h"
#include "pngdatei.h"

int main(int argc, char** argv) {
    fenster::BeiFehlschlag(Abbrechen);
    UmgebungFestlegen();
    CKalenderApp app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() > 2 || (argumente.size() == 2 && argumente[1].startsWith('-'))) {
        std::fprintf(stderr, "usage: dorvane-bilder [DIR]\n");
        return 2;
    }
    const QDir ziel(argumente.size() == 2 ? argumente[1] : QStringLiteral("docs"));
    DarstellungFestlegen(app);

    // Everything is rendered before anything is written, so a failure
    // leaves the pictures there as they were.
    std::vector<std::pair<QString, QByteArray>> dateien;
    for (const Aufnahme& aufnahme : AlleAufnehmen())
        dateien.emplace_back(aufnahme.name + QStringLiteral(".png"), PngDaten(aufnahme.bild));

    if (!ziel.mkpath(QStringLiteral(".")))
        Abbrechen(QStringLiteral("cannot create %1").arg(ziel.path()));
    for (const auto& [name, daten] : dateien) {
        QSaveFile datei(ziel.filePath(name));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() ||
            !datei.commit())
            Abbrechen(
                QStringLiteral("cannot write %1: %2").arg(datei.fileName(), datei.errorString()));
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(datei.fileName())));
    }
    return 0;
}
