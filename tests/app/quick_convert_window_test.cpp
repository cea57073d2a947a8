// The first window: one file converted to MP3 through its own skin buttons.

#include "app/quick_convert_window.h"
#include "media_fixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

// Presses and releases the mouse in the middle of a skin object, on whatever
// widget is drawn there (the skin's own surface for a skin button).
void clickSkinObject(QuickConvertWindow &window, const char *name)
{
    const SkinObject *object = TSkin::findObject(window.skin().skinFormOfWindow(&window), name);
    ASSERT_NE(object, nullptr) << name;
    const QPoint centre = object->qrect().center();
    QWidget *target = window.childAt(centre);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, centre));
}

TEST(QuickConvertWindow, ConvertsAFileWithItsSkinButtons)
{
    TempDir dir;
    generateMedia("-f lavfi -i sine=frequency=330:duration=4 -ac 2", dir.file("a tune.wav"));
    QuickConvertWindow window(VELTRIX_BIN_DIR, QString::fromStdString(dir.file("out")));
    ASSERT_TRUE(window.loadSkin(VELTRIX_BIN_DIR "/skn.skn"));
    window.show();
    window.setSourceFile(QString::fromStdString(dir.file("a tune.wav")));
    ASSERT_EQ(window.list()->topLevelItemCount(), 1);
    EXPECT_EQ(window.list()->topLevelItem(0)->text(2), "4 s");

    QSignalSpy ended(&window, &QuickConvertWindow::conversionEnded);
    clickSkinObject(window, "convert");
    ASSERT_TRUE(ended.count() > 0 || ended.wait(30000));
    EXPECT_EQ(window.list()->topLevelItem(0)->text(3), "Finish");
    EXPECT_EQ(ffprobeField(dir.file("out/a tune.mp3"), "stream=codec_name"), "mp3");

    // A second run never overwrites the first file.
    ended.clear();
    clickSkinObject(window, "convert");
    ASSERT_TRUE(ended.count() > 0 || ended.wait(30000));
    EXPECT_EQ(ffprobeField(dir.file("out/a tune_1.mp3"), "stream=codec_name"), "mp3");
}

TEST(QuickConvertWindow, ReportsAFileItCannotConvert)
{
    TempDir dir;
    writeFile(dir.file("notes.mp3"), "plain text");
    QuickConvertWindow window(VELTRIX_BIN_DIR, QString::fromStdString(dir.file("out")));
    ASSERT_TRUE(window.loadSkin(VELTRIX_BIN_DIR "/skn.skn"));
    window.setSourceFile(QString::fromStdString(dir.file("notes.mp3")));
    QSignalSpy ended(&window, &QuickConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_TRUE(ended.count() > 0 || ended.wait(30000));
    EXPECT_EQ(window.list()->topLevelItem(0)->text(3), "Failed");
}

} // namespace
