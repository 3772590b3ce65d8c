#include "ui/quorvel_icon.h"

#include <limits>
#include <numeric>

#include <QList>
#include <QPixmap>

#include "ui/quorvel.xpm"

namespace quorvel {

namespace {

// The colour of `colours` nearest to `pixel`; colours are opaque.
QRgb NearestColour(QRgb pixel, const QList<QRgb>& colours) {
    QRgb nearest = colours.front();
    int nearest_distance = std::numeric_limits<int>::max();
    for (const QRgb colour : colours) {
        const int r = qRed(pixel) - qRed(colour);
        const int g = qGreen(pixel) - qGreen(colour);
        const int b = qBlue(pixel) - qBlue(colour);
        const int distance = r * r + g * g + b * b;
        if (distance < nearest_distance) {
            nearest = colour;
            nearest_distance = distance;
        }
    }
    return nearest;
}

}  // namespace

// A pixel drawing blurs under smooth scaling. Enlargements repeat its
// pixels (nearest neighbour): exact at whole multiples, and at 48 still
// crisp, one pixel in two doubled. Reductions average the area each new
// pixel covers, then take the nearest of the drawing's own colours and
// keep a pixel only if it is mostly covered: no blur, no new colour.
QImage QuorvelIconImage(int size) {
    const QImage indexed(quorvel_xpm);
    const QImage drawing = indexed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (size >= drawing.width()) return drawing.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Through a whole multiple of both sizes, the smooth reduction is an
    // exact average over whole pixels.
    const int common = std::lcm(drawing.width(), size);
    QImage image = drawing.scaled(common, common, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                       .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> colours = indexed.colorTable();
    colours.removeIf([](QRgb colour) { return qAlpha(colour) < 255; });
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            image.setPixel(x, y, qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0) : NearestColour(pixel, colours));
        }
    }
    return image;
}

QIcon QuorvelIcon() {
    // Scaled once: the program and its window both ask, and start-up waits.
    static const QList<QImage> images = [] {
        QList<QImage> made;
        for (const int size : kQuorvelIconSizes) made.append(QuorvelIconImage(size));
        return made;
    }();
    QIcon icon;
    for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}  // namespace quorvel
