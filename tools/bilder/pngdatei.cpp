#include "pngdatei.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "darstellung.h"

QByteArray PngDaten(const QImage& bild) {
    // A fresh image over the same pixels carries none of the source's
    // text, colour space or resolution.
    const QImage pixel = bild.convertToFormat(QImage::Format_RGB32);
    QImage rein = QImage(pixel.constBits(), pixel.width(), pixel.height(), pixel.bytesPerLine(),
                         QImage::Format_RGB32)
                      .copy();
    constexpr int kPunkteProMeter = 3780;  // 96 dpi
    rein.setDotsPerMeterX(kPunkteProMeter);
    rein.setDotsPerMeterY(kPunkteProMeter);

    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "png");
    if (!schreiber.write(rein)) Abbrechen(QStringLiteral("PNG: %1").arg(schreiber.errorString()));
    return daten;
}
