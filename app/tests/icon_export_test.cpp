// The icon files made at build time show exactly the drawing in
// ui/quorvel.xpm, transparency included.

#include <QImage>
#include <gtest/gtest.h>

#include "ui/quorvel.xpm"

namespace {

// Pixels as ARGB; the colour of a fully transparent pixel does not count.
void ExpectSameIcon(const QImage& made, const QImage& drawing, const char* what) {
    ASSERT_FALSE(made.isNull()) << what;
    ASSERT_EQ(made.size(), drawing.size()) << what;
    const QImage a = made.convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawing.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const bool same = qAlpha(q) == 0 ? qAlpha(p) == 0 : p == q;
            if (!same && differing++ < 5) ADD_FAILURE() << what << " differs at " << x << ',' << y;
        }
    }
    EXPECT_EQ(differing, 0) << what;
}

TEST(IconExport, PngAndIcoShowTheDrawing) {
    const QImage drawing(quorvel_xpm);
    ASSERT_EQ(drawing.size(), QSize(32, 32));
    ASSERT_TRUE(drawing.hasAlphaChannel());
    for (const char* path : {QUORVEL_ICON_DIR "/quorvel.png", QUORVEL_ICON_DIR "/quorvel.ico"}) {
        ExpectSameIcon(QImage(QString::fromUtf8(path)), drawing, path);
    }
}

}  // namespace
