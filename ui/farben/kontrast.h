#pragma once
// Colours that stay readable on whatever palette the desktop gives: the
// contrast of two colours as WCAG 2 measures it, and a colour moved toward
// another until it holds a contrast.

#include <QColor>

namespace kontrast {

// From 1 (the same luminance) to 21 (black on white).
double Verhaeltnis(const QColor& a, const QColor& b);

// `farbe` itself if it holds `mindestens` against `grund`; otherwise the
// first mix of it toward `ziel`, in tenths, that does, or `ziel`.
QColor Mindestens(const QColor& farbe, const QColor& grund, const QColor& ziel, double mindestens);

}  // namespace kontrast
