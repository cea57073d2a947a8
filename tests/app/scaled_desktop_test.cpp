// A desktop scaled to 200 %: the window's pictures come from their drawings
// at twice the size, pixel for pixel, as sharp as Qt's own text.

#include "app/image_button.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Before the test environment makes the application.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

TEST(ScaledDesktop, PicturesAreDrawnFromTheirSharperDrawings)
{
    ASSERT_TRUE(kScaled);
    ASSERT_EQ(qApp->devicePixelRatio(), 2);
    const QString buttons = QStringLiteral(VELTRIX_BIN_DIR "/images/buttons/");
    TImageButton button(QStringLiteral("bt_set"), QStringLiteral("Settings"), QStringLiteral(VELTRIX_BIN_DIR), nullptr);
    const QImage plain(buttons + "bt_set.bmp");
    EXPECT_EQ(button.sizeHint(), plain.size());
    const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage sharper = QImage(buttons + "bt_set@2x.png").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), plain.size() * 2);
    EXPECT_EQ(shown, sharper);
    // Drawn anew, not the plain picture enlarged: its edges are half as wide.
    EXPECT_NE(sharper, plain.scaled(plain.size() * 2).convertToFormat(QImage::Format_RGB32));
}

} // namespace
