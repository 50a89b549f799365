// Labels that wrap: at word boundaries, and inside a word too long for a line.
#include <gtest/gtest.h>
#include <QImage>
#include <QLabel>

#include "framework/Static.h"
#include "framework/qt/QtWidget.h"
#include "tests/support/TestDialog.h"

namespace {

using namespace framework;
using testing_support::CTestDialog;

constexpr CControlTemplate kLabel = {ControlKind::Label, 10, 0, 0, 0, 60, 8, StyleNone};

TEST(StaticTest, AWordTooLongForTheLineBreaksInsideTheBox) {
    CTestDialog dialog({kLabel});
    QLabel& label = *WidgetAs<QLabel>(*dialog.GetDlgItem(10));
    label.setGeometry(0, 0, 120, 4 * label.fontMetrics().height());
    dialog.Item<CStatic>(10).SetWordBreak(true);
    dialog.SetDlgItemText(10, "C:\\GAMES\\LETTRINO\\DICTIONARIES\\ENGLISH\\AMERICAN\\WORDS.TXT");
    ASSERT_GT(label.fontMetrics().horizontalAdvance(label.text()), 2 * label.width());
    const QImage image = label.grab().toImage();
    const int line = label.fontMetrics().height();
    // The path fills the first line and carries on in the second and third.
    QImage blankLine(image.width(), line, image.format());
    blankLine.fill(QColor::fromRgba(image.pixel(0, 0)));
    for (int n = 0; n < 3; ++n) {
        EXPECT_NE(image.copy(0, n * line, image.width(), line), blankLine) << n;
    }
    EXPECT_EQ(dialog.GetDlgItemText(10),
              "C:\\GAMES\\LETTRINO\\DICTIONARIES\\ENGLISH\\AMERICAN\\WORDS.TXT");
}

// Texts from the configuration and paths keep their "&": "R&D" must not read "RD".
TEST(StaticTest, AWrappingLabelShowsItsAmpersands) {
    const auto shown = [](const char* text) {
        CTestDialog dialog({kLabel});
        QLabel& label = *WidgetAs<QLabel>(*dialog.GetDlgItem(10));
        label.setGeometry(0, 0, 200, 2 * label.fontMetrics().height());
        dialog.Item<CStatic>(10).SetWordBreak(true);
        dialog.SetDlgItemText(10, text);
        return label.grab().toImage();
    };
    EXPECT_NE(shown("Fish & Chips, R&D"), shown("Fish  Chips, RD"));
    EXPECT_NE(shown("A&&B"), shown("A&B"));
}

}  // namespace
