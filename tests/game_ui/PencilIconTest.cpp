#include "game/ui/PencilIcon.h"

#include "framework/qt/QtIcon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <functional>

namespace {

// The pencil lies from the lower-left to the upper-right corner, so the picture is
// judged in regions named after that diagonal rather than by exact pixel positions.

bool IsOpaque(const QColor& c) {
    return c.alpha() >= 128;
}

// Yellow paint, including the lit and the shaded facet.
bool IsYellow(const QColor& c) {
    return IsOpaque(c) && c.red() >= 180 && c.green() >= 140 && c.blue() <= 170 &&
           c.red() - c.blue() >= 60;
}

bool IsEraserRed(const QColor& c) {
    return IsOpaque(c) && c.red() >= 180 && c.green() <= 130 && c.blue() >= 40;
}

bool IsWood(const QColor& c) {
    return IsOpaque(c) && c.red() >= 180 && c.red() > c.green() && c.green() > c.blue() &&
           c.green() >= 120 && c.blue() >= 50 && c.blue() <= 150;
}

bool IsDark(const QColor& c) {
    return IsOpaque(c) && c.red() <= 80 && c.green() <= 80 && c.blue() <= 80;
}

QImage Render(int size) {
    return framework::IconPixmap(lettrino::PencilIcon(), size)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Counts the pixels inside `region` (a predicate on x, y) that satisfy `test`.
int Count(const QImage& image, const std::function<bool(int, int)>& region,
          bool (*test)(const QColor&)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (region(x, y) && test(image.pixelColor(x, y))) {
                ++n;
            }
        }
    }
    return n;
}

class PencilPicture : public testing::TestWithParam<int> {};

TEST_P(PencilPicture, HasTheRequestedSizeAndATransparentBackground) {
    const int size = GetParam();
    const QImage image = Render(size);
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_TRUE(framework::IconPixmap(lettrino::PencilIcon(), size).hasAlphaChannel());
    // Nothing lies in the corners away from the diagonal.
    const int corner = size / 4;
    const int s = size;
    EXPECT_EQ(Count(
                  image, [&](int x, int y) { return x + y < corner; }, IsOpaque),
              0);
    EXPECT_EQ(
        Count(
            image, [&](int x, int y) { return (s - 1 - x) + (s - 1 - y) < corner; }, IsOpaque),
        0);
}

TEST_P(PencilPicture, CoversAFairShareOfThePicture) {
    const int size = GetParam();
    const int opaque = Count(
        Render(size), [](int, int) { return true; }, IsOpaque);
    EXPECT_GT(opaque, size * size / 5);
    EXPECT_LT(opaque, size * size * 3 / 5);
}

TEST_P(PencilPicture, BodyAlongTheDiagonalIsYellow) {
    const int size = GetParam();
    const QImage image = Render(size);
    // The middle of the rising diagonal runs through the painted body.
    int samples = 0;
    int yellow = 0;
    for (int x = size * 3 / 8; x <= size * 5 / 8; ++x) {
        const int y = size - 1 - x;
        ++samples;
        yellow += IsYellow(image.pixelColor(x, y)) ? 1 : 0;
    }
    EXPECT_GE(yellow * 10, samples * 8) << yellow << " of " << samples;
}

TEST_P(PencilPicture, EraserAtTheUpperRightAndSharpenedWoodAtTheLowerLeft) {
    const int size = GetParam();
    const QImage image = Render(size);
    const int s = size;
    auto upperRight = [&](int x, int y) { return x >= s * 5 / 8 && y < s * 3 / 8; };
    auto lowerLeft = [&](int x, int y) { return x < s * 3 / 8 && y >= s * 5 / 8; };
    EXPECT_GT(Count(image, upperRight, IsEraserRed), 0);
    EXPECT_EQ(Count(image, lowerLeft, IsEraserRed), 0);
    EXPECT_GT(Count(image, lowerLeft, IsWood), 0);
    EXPECT_EQ(Count(image, upperRight, IsWood), 0);
    // The graphite point sits in the very corner.
    auto tip = [&](int x, int y) { return x < s / 8 && y >= s - s / 8; };
    EXPECT_GT(Count(image, tip, IsDark), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PencilPicture, testing::Values(16, 32, 48, 64));

// The two pictures of a classic icon have a hard, closed dark outline: every painted
// pixel that touches the background is dark.
TEST(PencilOutline, IsClosedAndDarkInTheClassicSizes) {
    for (int size : {16, 32}) {
        const QImage image = Render(size);
        auto touchesBackground = [&](int x, int y) {
            const int dx[] = {1, -1, 0, 0};
            const int dy[] = {0, 0, 1, -1};
            for (int i = 0; i < 4; ++i) {
                const int nx = x + dx[i];
                const int ny = y + dy[i];
                if (nx < 0 || ny < 0 || nx >= size || ny >= size ||
                    !IsOpaque(image.pixelColor(nx, ny))) {
                    return true;
                }
            }
            return false;
        };
        int edge = 0;
        int darkEdge = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (IsOpaque(c) && touchesBackground(x, y)) {
                    ++edge;
                    darkEdge += IsDark(c) ? 1 : 0;
                }
            }
        }
        EXPECT_GT(edge, size) << "size " << size;
        EXPECT_EQ(darkEdge, edge) << "size " << size;
    }
}

TEST(PencilIcon, OffersTheSmallAndTheLargeClassicPicture) {
    const QIcon icon = framework::ToQIcon(lettrino::PencilIcon());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    // Each size is the picture drawn for it, not a scaled copy of another.
    for (int size : {16, 32}) {
        const QImage fromIcon =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(fromIcon, Render(size)) << "size " << size;
    }
}

}  // namespace
