#pragma once
// PNG bytes that depend on the pixels alone: no text chunks, no colour
// profile, a fixed resolution of 96 dpi. The same picture gives the same
// bytes on every run.

#include <QByteArray>

class QImage;

QByteArray PngDaten(const QImage& bild);
