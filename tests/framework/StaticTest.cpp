// Labels that wrap: at word boundaries, and inside a word too long for a line.
#include <gtest/gtest.h>
#include <QImage>

#include "framework/Static.h"

namespace {

using framework::CStatic;

// Whether any pixel of `rows` in `image` differs from the background.
bool HasInk(const QImage& image, int firstRow, int lastRow) {
    const QRgb background = image.pixel(0, 0);
    for (int y = firstRow; y <= lastRow && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

TEST(StaticTest, AWordTooLongForTheLineBreaksInsideTheBox) {
    QWidget window;
    CStatic label(&window);
    label.setGeometry(0, 0, 120, 4 * label.fontMetrics().height());
    label.SetWordBreak(true);
    label.SetWindowText("C:\\GAMES\\LETTRINO\\DICTIONARIES\\ENGLISH\\AMERICAN\\WORDS.TXT");
    ASSERT_GT(label.fontMetrics().horizontalAdvance(label.text()), 2 * label.width());
    const QImage image = label.grab().toImage();
    const int line = label.fontMetrics().height();
    // The path fills the first line and carries on in the second and third.
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(HasInk(image, n * line, (n + 1) * line - 1)) << n;
    }
    EXPECT_EQ(label.GetWindowText(),
              "C:\\GAMES\\LETTRINO\\DICTIONARIES\\ENGLISH\\AMERICAN\\WORDS.TXT");
}

}  // namespace
