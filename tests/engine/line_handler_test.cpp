// The conversion run's line handler: progress lines in, Status text, the
// conversion bar and the hint line out, shown on the shipped skin as the main
// window shows them.

#include "engine/encoder_run.h"
#include "engine/progress.h"
#include "platform/skin/position_bar.h"
#include "platform/skin/skin.h"

#include "media_fixtures.h"

#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class LineHandler : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skin.loadSkin(VELTRIX_BIN_DIR "/skn.skn")) << skin.errorText().toStdString();
        skin.attach(&window);
        ASSERT_TRUE(skin.applySkinForm(&window, "popvideoconverter"));
        form = skin.skinFormOfWindow(&window);
        bar = TSkin::findObject(form, "convertpos");
        hint = TSkin::findObject(form, "hint");
        ASSERT_NE(bar, nullptr);
        ASSERT_NE(hint, nullptr);
        baseLeft = bar->commonFacet()->rect().left;
        convertBar = PositionBar(bar, kConvertBarWidth, kProgressFull);
        convertBar.show(0); // the skin declares the bar at full width
        QObject::connect(&run, &EncoderRun::displayChanged, [this](qint32 value, const QString &line) {
            convertBar.show(value);
            hint->textFacet()->setText(line);
        });
        QObject::connect(&run, &EncoderRun::progress,
                         [this](qint32 value) { statuses.push_back(progressText(value)); });
    }

    void feed(const QByteArray &chunk)
    {
        buffer += chunk;
        run.handleOutput(buffer, seconds);
    }

    qint32 barWidth() const { return bar->commonFacet()->rect().right - baseLeft; }
    QString hintText() const { return hint->textFacet()->text(); }

    TSkin skin;
    QWidget window;
    SkinForm *form = nullptr;
    SkinObject *bar = nullptr;
    SkinObject *hint = nullptr;
    qint32 baseLeft = 0;
    PositionBar convertBar;
    EncoderRun run;
    qint32 seconds = 0; // the job's length
    QByteArray buffer;
    std::vector<QString> statuses;
};

TEST_F(LineHandler, ChunkEndingMidLineWaitsForTheRest)
{
    seconds = 100;
    feed("time=5");
    EXPECT_TRUE(statuses.empty());
    feed("0.00 bitrate= 128.0kbits/s\r");
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_EQ(statuses[0], "50.00%");
    EXPECT_EQ(barWidth(), mulDiv(5000, kConvertBarWidth, kProgressFull));
    EXPECT_TRUE(buffer.isEmpty());
}

TEST_F(LineHandler, DescriptionLinesWithCrLfAndProgressWithLoneCr)
{
    seconds = 40;
    feed("Input #0, wav, from 'a.wav':\r\n  Duration: 00:00:40.00, bitrate: 1411 kb/s\r\n");
    EXPECT_TRUE(statuses.empty());
    feed("time=20.00 bitrate=128.0kbits/s\rtime=30.00 bitrate=128.0kbits/s\r");
    // Every line end of one pass parses the same (first) value of the buffer.
    EXPECT_EQ(statuses, (std::vector<QString>{"50.00%", "50.00%"}));
    feed("time=30.00 bitrate=128.0kbits/s\r");
    EXPECT_EQ(statuses.back(), "75.00%");
}

TEST_F(LineHandler, HintShowsTheTextOfThePreviousProgressLine)
{
    seconds = 1000;
    feed("time=11.00 bitrate=a\r");
    EXPECT_EQ(hintText(), "");
    EXPECT_EQ(run.lastStatusText(), "time=11.00 bitrate=a\r");
    feed("time=12.00 bitrate=b\r");
    EXPECT_EQ(hintText(), "time=11.00 bitrate=a\r");
    feed("time=10.00 bitrate=c\r"); // 10 and below clear the status text
    EXPECT_EQ(hintText(), "time=12.00 bitrate=b\r");
    EXPECT_EQ(run.lastStatusText(), "");
    feed("time=13.00 bitrate=d\r");
    EXPECT_EQ(hintText(), "");
}

TEST_F(LineHandler, ValuesThatCountAsNoProgressWriteNothing)
{
    seconds = 100;
    for (const QByteArray line :
         {"time=200000.00 bitrate=x\r", "time=00:01:02.00 bitrate=x\r", "time=0.00 bitrate=x\r", "frame=1 fps=0\r"})
        feed(line);
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(barWidth(), 0);
}

TEST_F(LineHandler, UnknownJobLengthShowsNoRatio)
{
    seconds = 0;
    feed("time=15.00 bitrate=x\r");
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(barWidth(), 0);
    EXPECT_EQ(run.lastStatusText(), "time=15.00 bitrate=x\r");
}

// The stated length is the source's guess; the encoder may read past it.
TEST_F(LineHandler, PositionPastTheStatedLengthStaysAtFull)
{
    seconds = 10;
    feed("time=15.00 bitrate=x\r");
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_EQ(statuses[0], "100.00%");
    EXPECT_EQ(barWidth(), kConvertBarWidth);
}

TEST_F(LineHandler, BarUpdateClampsHighValuesOnly)
{
    const std::pair<qint32, qint32> cases[] = {{0, 0},
                                               {5000, mulDiv(5000, kConvertBarWidth, kProgressFull)},
                                               {10000, kConvertBarWidth},
                                               {12000, kConvertBarWidth},
                                               {250000, kConvertBarWidth},
                                               {-100, mulDiv(-100, kConvertBarWidth, kProgressFull)}};
    for (const auto &[value, width] : cases) {
        run.barUpdate(value);
        EXPECT_EQ(barWidth(), width) << value;
    }
}

TEST_F(LineHandler, FirstProgressLineEndsTheCreepingLeadIn)
{
    // An encoder that says nothing until stopped; the lines come from the test.
    veltrix::test::TempDir dir;
    veltrix::test::writeFile(dir.file("register.dat"), "#!/bin/sh\nexec sleep 30\n");
    ::chmod(dir.file("register.dat").c_str(), 0755);
    run.setExecutableFolder(QString::fromStdString(dir.path()));
    seconds = 100;
    ASSERT_TRUE(
        run.start({.outputfile = QString::fromStdString(dir.file("out.mp3")), .seconds = 100}, RunLeadIn::Creeping));
    EXPECT_TRUE(run.isCreeping());
    feed("time=25.00 bitrate=x\r");
    EXPECT_FALSE(run.isCreeping());
    EXPECT_EQ(statuses.back(), "25.00%");
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    run.stop();
    EXPECT_TRUE(ended.wait(10000));
}

} // namespace
