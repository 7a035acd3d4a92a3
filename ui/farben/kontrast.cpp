#include "kontrast.h"

#include <cmath>

namespace {

double Kanal(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminanz(const QColor& c) {
    return 0.2126 * Kanal(c.redF()) + 0.7152 * Kanal(c.greenF()) + 0.0722 * Kanal(c.blueF());
}

}  // namespace

namespace kontrast {

double Verhaeltnis(const QColor& a, const QColor& b) {
    const double la = Luminanz(a), lb = Luminanz(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Mindestens(const QColor& farbe, const QColor& grund, const QColor& ziel, double mindestens) {
    for (int zehntel = 0; zehntel < 10; ++zehntel) {
        const double z = zehntel / 10.0, f = 1.0 - z;
        const QColor mix = QColor::fromRgbF(float(farbe.redF() * f + ziel.redF() * z),
                                            float(farbe.greenF() * f + ziel.greenF() * z),
                                            float(farbe.blueF() * f + ziel.blueF() * z));
        if (Verhaeltnis(mix, grund) >= mindestens) return mix;
    }
    return ziel;
}

}  // namespace kontrast
