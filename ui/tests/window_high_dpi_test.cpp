// The window on a display with a device pixel ratio of 2 (the test runs
// with QT_SCALE_FACTOR=2): twice as large in device pixels, its lines, dots
// and text drawn at that resolution rather than enlarged from a bitmap.

#include <gtest/gtest.h>

#include "ui/tests/window_support.h"

namespace quorvel {
namespace {

using testing::Find;

const QColor kBlack(Qt::black);
const QColor kBlue(0x80, 0x80, 0xFF);
const QColor kGreen(0xC0, 0xFF, 0xC0);
const QColor kYellow(0xFF, 0xFF, 0x80);
const QColor kGrey(0xE0, 0xE0, 0xE0);

class WindowHighDpi : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = testing::StartedWindow();
        ASSERT_EQ(window_->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
        const QPixmap shot = window_->grab();
        ASSERT_EQ(shot.devicePixelRatio(), 2.0);
        image_ = shot.toImage();
    }

    // A pixel, in device pixels.
    QColor At(int x, int y) const { return QColor(image_.pixel(x, y)); }

    // Along a device pixel column (or row) through a line drawn across it:
    // how many pixels carry the ink, and whether every other one is plain
    // background (no blur or fringe a scaled bitmap would leave).
    struct Cut {
        int ink = 0;
        bool clean = true;
    };
    Cut Across(QPoint from, QPoint step, int length, const QColor& ink) const {
        Cut cut;
        for (QPoint p = from; length-- > 0; p += step) {
            if (At(p.x(), p.y()) == ink) {
                ++cut.ink;
            } else if (At(p.x(), p.y()) != kGrey) {
                cut.clean = false;
            }
        }
        return cut;
    }

    // Whether some 2x2 block of device pixels in the logical rectangle is
    // not of one colour: a window drawn at ratio 1 and enlarged has none.
    bool FinerThanLogicalPixels(const QRect& logical) const {
        for (int y = logical.top(); y <= logical.bottom(); ++y) {
            for (int x = logical.left(); x <= logical.right(); ++x) {
                const QRgb p = image_.pixel(2 * x, 2 * y);
                if (image_.pixel(2 * x + 1, 2 * y) != p || image_.pixel(2 * x, 2 * y + 1) != p ||
                    image_.pixel(2 * x + 1, 2 * y + 1) != p) {
                    return true;
                }
            }
        }
        return false;
    }

    std::unique_ptr<frmQuorvel> window_;
    QImage image_;
};

TEST_F(WindowHighDpi, IsTwiceAsLargeInDevicePixels) {
    EXPECT_EQ(window_->size(), QSize(794, 225));  // logical pixels, as at ratio 1
    EXPECT_EQ(image_.size(), QSize(1588, 450));
}

TEST_F(WindowHighDpi, LinesAreCrispAndTwiceAsThick) {
    // The 1-pixel brackets are 2 device pixels thick, the 2-pixel wire 4.
    struct Line {
        const char* what;
        QPoint from;  // device pixels
        QPoint step;
        int length;
        QColor ink;
        int thickness;
    };
    const Line lines[] = {
        {"upper bracket arm", {200, 68}, {0, 1}, 24, kBlue, 2},
        {"lower bracket arm", {1100, 324}, {0, 1}, 24, kBlue, 2},
        {"upper left tick", {52, 92}, {1, 0}, 24, kBlue, 2},
        {"lower right tick", {1172, 300}, {1, 0}, 24, kBlue, 2},
        {"wire, left of the chain", {40, 132}, {0, 1}, 24, kBlack, 4},
        {"wire, between two pairs", {360, 132}, {0, 1}, 24, kBlack, 4},
        {"wire, right of the current", {1520, 132}, {0, 1}, 24, kBlack, 4},
    };
    for (const auto& line : lines) {
        const Cut cut = Across(line.from, line.step, line.length, line.ink);
        EXPECT_EQ(cut.ink, line.thickness) << line.what;
        EXPECT_TRUE(cut.clean) << line.what;
    }
}

TEST_F(WindowHighDpi, DotsAndTextAreDrawnAtDeviceResolution) {
    // The dots sit on the wire, round at the finer grid.
    for (const QPoint centre : {QPoint(73, 145), QPoint(1193, 145)}) {
        EXPECT_EQ(At(centre.x(), centre.y()), kBlack);
        EXPECT_EQ(At(centre.x(), centre.y() - 12), kGrey);  // above the dot
    }
    EXPECT_TRUE(FinerThanLogicalPixels({32, 68, 9, 9})) << "first dot";

    for (const char* label : {"lblEticheteS", "lblVelmar"}) {
        QWidget* caption = Find(*window_, label, label == std::string_view("lblEticheteS") ? 0 : -1);
        ASSERT_NE(caption, nullptr);
        const QRect place(caption->mapTo(window_.get(), QPoint(0, 0)), caption->size());
        EXPECT_TRUE(FinerThanLogicalPixels(place)) << label;
    }
}

TEST_F(WindowHighDpi, BoxesKeepTheirColours) {
    struct Box {
        const char* what;
        QPoint logical;  // inside the box, window coordinates
        QColor colour;
    };
    const Box boxes[] = {
        {"txtRs(0)", {52, 64}, kGreen},   {"txtIst", {620, 64}, kGreen},  {"txtRst", {332, 32}, kYellow},
        {"txtUs(0)", {52, 92}, kYellow},  {"txtUMUs(0)", {108, 92}, kGrey}, {"txtPst", {620, 120}, kYellow},
    };
    for (const auto& box : boxes) {
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
            EXPECT_EQ(At(2 * box.logical.x() + d.x(), 2 * box.logical.y() + d.y()), box.colour) << box.what;
        }
    }
}

}  // namespace
}  // namespace quorvel
