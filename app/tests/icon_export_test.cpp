// The icon at every size is the drawing in ui/quorvel.xpm without blur, and
// the files made at build time and the window's icon are those same images.

#include <string>

#include <QIcon>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include "ui/quorvel.xpm"
#include "ui/quorvel_icon.h"

namespace {

// The colour of a fully transparent pixel does not count.
QRgb Seen(QRgb pixel) { return qAlpha(pixel) == 0 ? 0 : pixel; }

// Pixels as ARGB.
void ExpectSameIcon(const QImage& made, const QImage& drawing, const std::string& what) {
    ASSERT_FALSE(made.isNull()) << what;
    ASSERT_EQ(made.size(), drawing.size()) << what;
    const QImage a = made.convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawing.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const bool same = Seen(a.pixel(x, y)) == Seen(b.pixel(x, y));
            if (!same && differing++ < 5) ADD_FAILURE() << what << " differs at " << x << ',' << y;
        }
    }
    EXPECT_EQ(differing, 0) << what;
}

TEST(IconExport, IcoShowsTheDrawing) {
    const QImage drawing(quorvel_xpm);
    ASSERT_EQ(drawing.size(), QSize(32, 32));
    ASSERT_TRUE(drawing.hasAlphaChannel());
    ExpectSameIcon(QImage(QStringLiteral(QUORVEL_ICON_DIR "/quorvel.ico")), drawing, "quorvel.ico");
}

// Each pixel is one of the drawing's pixels under it, when enlarged or when
// all under it are alike; one of the drawing's colours, when reduced.
TEST(IconImage, EverySizeIsTheDrawingWithoutBlur) {
    const QImage drawing = QImage(quorvel_xpm).convertToFormat(QImage::Format_ARGB32);
    const int n = drawing.width();
    QSet<QRgb> colours;
    for (int v = 0; v < n; ++v) {
        for (int u = 0; u < n; ++u) colours.insert(Seen(drawing.pixel(u, v)));
    }
    for (const int size : quorvel::kQuorvelIconSizes) {
        const QImage image = quorvel::QuorvelIconImage(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        int faults = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                QSet<QRgb> under;
                for (int v = y * n / size; v < ((y + 1) * n + size - 1) / size; ++v) {
                    for (int u = x * n / size; u < ((x + 1) * n + size - 1) / size; ++u) {
                        under.insert(Seen(drawing.pixel(u, v)));
                    }
                }
                const QRgb pixel = Seen(image.pixel(x, y));
                const bool good = (size >= n || under.size() == 1 ? under : colours).contains(pixel);
                if (!good && faults++ < 5) ADD_FAILURE() << size << " px at " << x << ',' << y << ": " << pixel;
            }
        }
    }
}

// The desktop's files and the window's icon come from one function.
TEST(IconExport, ThemeFilesAndWindowIconHoldEverySize) {
    const QIcon icon = quorvel::QuorvelIcon();
    for (const int size : quorvel::kQuorvelIconSizes) {
        const QImage expected = quorvel::QuorvelIconImage(size);
        const QString png = QStringLiteral(QUORVEL_ICON_DIR "/hicolor/%1x%1/apps/" QUORVEL_DESKTOP_ID ".png").arg(size);
        ExpectSameIcon(QImage(png), expected, png.toStdString());
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        ExpectSameIcon(icon.pixmap(size).toImage(), expected, "window icon " + std::to_string(size));
    }
}

}  // namespace
