#include "darstellung.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

const char* const kSchrift = "DejaVu Sans";
constexpr int kPunkte = 9;

}  // namespace

void Abbrechen(const QString& grund) {
    std::fprintf(stderr, "dorvane-bilder: %s\n", qPrintable(grund));
    std::fflush(stderr);
    // Inside nested modal loops there is nothing sensible to unwind to.
    std::_Exit(1);
}

void UmgebungFestlegen() {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (const char* name :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING",
          "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
        unsetenv(name);
}

void DarstellungFestlegen(QApplication& app) {
    QStyle* pStil = QStyleFactory::create(QStringLiteral("Fusion"));
    if (pStil == nullptr) Abbrechen(QStringLiteral("the Fusion style is missing"));
    QApplication::setStyle(pStil);
    QApplication::setPalette(pStil->standardPalette());

    if (!QFontDatabase::families().contains(QLatin1String(kSchrift)))
        Abbrechen(
            QStringLiteral("font %1 is missing (Debian package fonts-dejavu-core)").arg(kSchrift));
    QFont schrift(QLatin1String(kSchrift), kPunkte);
    schrift.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    QApplication::setFont(schrift);
    if (QFontInfo(app.font()).family() != QLatin1String(kSchrift))
        Abbrechen(QStringLiteral("font %1 could not be selected").arg(kSchrift));

    // A blinking cursor would be caught in either phase.
    QApplication::setCursorFlashTime(0);
}
