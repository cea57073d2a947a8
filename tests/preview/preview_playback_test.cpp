// Playback control against a fake player that the tests drive: play, pause,
// stop, back and forward, the position sliders, the end of the media and a
// stalled player, shown on the real skin objects of the shipped skin.

#include "preview/preview_playback.h"

#include "engine/progress.h"
#include "fake_preview_engine.h"
#include "platform/skin/skin.h"
#include "recording_preview_host.h"

#include <QFrame>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

PreviewRow fileRow(const char *path, qint32 fullDuration, qint32 rowDuration)
{
    return PreviewRow{PreviewSource{QString::fromLatin1(path), {}}, fullDuration, rowDuration};
}

class PreviewPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skin.loadSkin(QStringLiteral(VELTRIX_SHIPPED_SKIN))) << skin.errorText().toStdString();
        skin.attach(&mainWindow);
        ASSERT_TRUE(skin.applySkinForm(&mainWindow, QStringLiteral("popvideoconverter")));
        skin.attach(&cutterWindow);
        ASSERT_TRUE(skin.applySkinForm(&cutterWindow, QStringLiteral("cutter")));
        panel = new QFrame(&mainWindow);
        panel->setGeometry(482, 111, 233, 174);
        panel->hide();
        cutterPanel = new QFrame(&cutterWindow);
        cutterPanel->setGeometry(322, 62, 296, 168);
        cutterPanel->hide();

        PreviewDisplay display;
        display.panel = panel;
        display.cutterPanel = cutterPanel;
        display.main = {object(mainWindow, "play_time"), object(mainWindow, "play_bar"),
                        PositionBar(object(mainWindow, "playpos"), kPlayBarWidth, kProgressFull)};
        display.cutter = {object(cutterWindow, "cut_play_time"), object(cutterWindow, "cut_play_bar"),
                          PositionBar(object(cutterWindow, "cutplaypos"), kCutPlayBarWidth, kProgressFull)};
        playPosLeft = object(mainWindow, "playpos")->rect().left;
        cutPosLeft = object(cutterWindow, "cutplaypos")->rect().left;

        host.rows = {fileRow("/media/a.mp4", 600, 600), fileRow("/media/b.mp4", 600, 150),
                     PreviewRow{PreviewSource{{}, DvdPreviewSource{}}, 0, 120}};
        playback = std::make_unique<PreviewPlayback>(engine, host, display, host.busy);
        host.playback = playback.get();
    }

    SkinObject *object(QWidget &window, const char *name)
    {
        SkinObject *found = TSkin::findObject(skin.skinFormOfWindow(&window), QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(QWidget &window, const char *name) { return object(window, name)->text(); }
    qint32 slider(QWidget &window, const char *name) { return object(window, name)->position(); }
    qint32 playPosWidth() { return object(mainWindow, "playpos")->rect().right - playPosLeft; }
    qint32 cutPosWidth() { return object(cutterWindow, "cutplaypos")->rect().right - cutPosLeft; }

    // Selects a row and plays it; the fake player's calls start afresh.
    void play(int row)
    {
        host.selectRow(row);
        playback->playSelectedRow();
    }
    void tickAt(double reported)
    {
        engine.reportPosition(reported);
        playback->play_timeTimer();
    }
    void dragPlayBar(qint32 position)
    {
        playback->sliderPress(PositionSlider::Play);
        object(mainWindow, "play_bar")->setPosition(position);
        playback->sliderTrack(PositionSlider::Play);
    }

    TSkin skin;
    QWidget mainWindow, cutterWindow;
    QFrame *panel = nullptr;
    QFrame *cutterPanel = nullptr;
    qint32 playPosLeft = 0, cutPosLeft = 0;
    FakePreviewEngine engine;
    RecordingHost host;
    std::unique_ptr<PreviewPlayback> playback;
};

TEST_F(PreviewPlaybackTest, PlayStartsThePlayerInThePanel)
{
    mainWindow.show();
    EXPECT_EQ(panel->internalWinId(), 0u) << "no X window of its own before the first preview";
    play(0);
    EXPECT_EQ(engine.calls, QStringList({"Init 233x174", "SetEventFuntion", "Seek 0", "Play /media/a.mp4"}));
    EXPECT_EQ(engine.window, panel->winId());
    EXPECT_TRUE(panel->testAttribute(Qt::WA_NativeWindow));
    for (QWidget *sibling : mainWindow.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (sibling != panel) {
            EXPECT_EQ(sibling->internalWinId(), 0u) << "the panel's siblings stay drawn by Qt";
        }
    }
    EXPECT_TRUE(playback->previewing());
    EXPECT_TRUE(playback->positionTimer().isActive());
    EXPECT_EQ(playback->positionTimer().interval(), 1000);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(host.statuses[0], "Play");
    EXPECT_EQ(playback->previewRow(), 0);
    EXPECT_TRUE(host.busy.previewing());
}

TEST_F(PreviewPlaybackTest, PlayNeedsASelectedRowAndNoConversion)
{
    playback->playSelectedRow();
    EXPECT_TRUE(engine.calls.isEmpty());
    host.busy.set(Busy::Converting, true);
    play(0);
    EXPECT_TRUE(engine.calls.isEmpty());
    EXPECT_FALSE(playback->previewing());
}

TEST_F(PreviewPlaybackTest, PlayWhilePlayingChangesNothing)
{
    play(0);
    engine.calls.clear();
    play(1);
    EXPECT_TRUE(engine.calls.isEmpty());
    EXPECT_EQ(playback->previewRow(), 0);
}

TEST_F(PreviewPlaybackTest, TicksShowElapsedTimeOnAnOffsetTimeScale)
{
    play(0);
    tickAt(5.4);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:00:00");
    tickAt(65.4);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:01:00");
    EXPECT_EQ(slider(mainWindow, "play_bar"), 1000);
    EXPECT_EQ(playPosWidth(), 21);
}

TEST_F(PreviewPlaybackTest, PauseTogglesAndPlayResumes)
{
    play(0);
    engine.calls.clear();
    playback->togglePause();
    EXPECT_TRUE(playback->paused());
    EXPECT_FALSE(playback->positionTimer().isActive());
    EXPECT_EQ(host.statuses[0], "Pause");
    playback->playSelectedRow();
    EXPECT_FALSE(playback->paused());
    EXPECT_TRUE(playback->positionTimer().isActive());
    EXPECT_EQ(host.statuses[0], "Play");
    EXPECT_EQ(engine.calls, QStringList({"Pause", "Pause"})) << "resumed, not started again";
}

TEST_F(PreviewPlaybackTest, PauseDoesNothingWhenIdle)
{
    playback->togglePause();
    EXPECT_FALSE(playback->paused());
    EXPECT_TRUE(engine.calls.isEmpty());
}

TEST_F(PreviewPlaybackTest, StopReleasesThePlayerAndResetsTheDisplay)
{
    play(0);
    tickAt(0.04);
    tickAt(65.04);
    playback->togglePause();
    engine.calls.clear();
    playback->stopPreview();
    EXPECT_EQ(engine.calls, QStringList({"Stop", "Destroy"}));
    EXPECT_FALSE(playback->previewing());
    EXPECT_FALSE(playback->paused()) << "a stopped preview is not paused";
    EXPECT_EQ(host.statuses[0], "Stop");
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(playback->positionTimer().isActive());
    EXPECT_EQ(text(mainWindow, "play_time"), "00:00:00");
    EXPECT_EQ(slider(mainWindow, "play_bar"), 0);
    EXPECT_EQ(playPosWidth(), 0);
    EXPECT_EQ(cutPosWidth(), 0);
}

TEST_F(PreviewPlaybackTest, APreviewAfterAStopWhilePausedStartsPlaying)
{
    play(0);
    playback->togglePause();
    playback->stopPreview();
    engine.calls.clear();
    play(1);
    EXPECT_FALSE(engine.calls.contains("Pause"));
    EXPECT_EQ(host.statuses[1], "Play");
    playback->togglePause();
    EXPECT_EQ(host.statuses[1], "Pause") << "the first toggle pauses";
}

TEST_F(PreviewPlaybackTest, StopWhenIdleLeavesTheRowStatusAlone)
{
    host.statuses[0] = "Finish";
    playback->stopPreview();
    EXPECT_EQ(host.statuses[0], "Finish");
    EXPECT_TRUE(engine.calls.isEmpty());
}

TEST_F(PreviewPlaybackTest, TheEndOfTheMediaStopsThePreview)
{
    play(0);
    engine.calls.clear();
    engine.reportEnd({false, {}});
    EXPECT_EQ(engine.calls, QStringList({"Stop", "Destroy"}));
    EXPECT_FALSE(playback->previewing());
    EXPECT_EQ(host.statuses[0], "Stop");
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(PreviewPlaybackTest, AFileThePlayerCannotPlayIsStoppedAndExplained)
{
    play(1);
    engine.reportEnd({true, "unrecognized file format"});
    EXPECT_FALSE(playback->previewing());
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains("/media/b.mp4"));
    EXPECT_TRUE(host.errors[0].contains("unrecognized file format"));
}

TEST_F(PreviewPlaybackTest, APlayerThatCannotStartLeavesTheWindowIdle)
{
    engine.initFails = true;
    play(0);
    EXPECT_FALSE(playback->previewing()) << "a conversion can still start";
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(playback->positionTimer().isActive());
    EXPECT_FALSE(engine.calls.contains("Play /media/a.mp4"));
    EXPECT_EQ(host.errors, QStringList{"no player here"});
    EXPECT_NE(host.statuses[0], "Play");
}

TEST_F(PreviewPlaybackTest, AStalledPlayerIsStoppedOnTheThirdStalledTickOfItsOwn)
{
    // Two stalled ticks of an earlier preview do not count for the next one.
    play(0);
    for (double at : {0.04, 1.04, 2.04, 2.04, 2.04})
        tickAt(at);
    playback->stopPreview();
    play(0);
    for (double at : {0.04, 1.04, 2.04, 2.04, 2.04})
        tickAt(at);
    EXPECT_TRUE(playback->previewing());
    tickAt(2.04);
    EXPECT_FALSE(playback->previewing());
    EXPECT_FALSE(playback->positionTimer().isActive());
}

TEST_F(PreviewPlaybackTest, TheEndTimerStopsThePreviewOnItsFirstTick)
{
    host.rows[0] = fileRow("/media/short.mp4", 3, 3);
    play(0);
    tickAt(0.04);
    tickAt(1.04);
    tickAt(2.04);
    EXPECT_FALSE(playback->endTimer().isActive());
    tickAt(3.04);
    ASSERT_TRUE(playback->endTimer().isActive());
    EXPECT_EQ(playback->endTimer().interval(), 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !playback->previewing(); }, 1000));
    EXPECT_FALSE(playback->endTimer().isActive());
    EXPECT_EQ(host.statuses[0], "Stop");
}

struct StepCase {
    const char *name;
    int from;
    int by;
    int playedRow; // -1: the preview goes on
};

class PreviewStepTest : public PreviewPlaybackTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(PreviewStepTest, StopsAndPlaysTheNeighbourOrOnlyClearsTheSelection)
{
    host.rows = {fileRow("/media/0.mp4", 60, 60), fileRow("/media/1.mp4", 60, 60), fileRow("/media/2.mp4", 60, 60)};
    play(GetParam().from);
    engine.calls.clear();
    if (GetParam().by < 0)
        playback->stepBack();
    else
        playback->stepForward();
    if (GetParam().playedRow < 0) {
        EXPECT_FALSE(host.selected.has_value());
        EXPECT_TRUE(engine.calls.isEmpty());
        EXPECT_TRUE(playback->previewing());
        EXPECT_EQ(playback->previewRow(), GetParam().from);
        return;
    }
    EXPECT_EQ(engine.calls, QStringList({"Stop", "Destroy", "Init 233x174", "SetEventFuntion", "Seek 0",
                                         QStringLiteral("Play /media/%1.mp4").arg(GetParam().playedRow)}));
    EXPECT_EQ(host.selected, GetParam().playedRow);
    EXPECT_EQ(host.statuses[GetParam().from], "Stop");
    EXPECT_EQ(host.statuses[GetParam().playedRow], "Play");
    EXPECT_EQ(playback->previewRow(), GetParam().playedRow);
}

INSTANTIATE_TEST_SUITE_P(Steps, PreviewStepTest,
                         ::testing::Values(StepCase{"BackOnFirst", 0, -1, -1}, StepCase{"ForwardOnLast", 2, +1, -1},
                                           StepCase{"Back", 1, -1, 0}, StepCase{"Forward", 1, +1, 2}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewPlaybackTest, DraggingThePlayBarSeeksAndReleaseRestartsTheTimer)
{
    play(0);
    tickAt(5.4); // start offset 5
    engine.calls.clear();
    dragPlayBar(5000);
    EXPECT_TRUE(playback->sliderDragging());
    EXPECT_FALSE(playback->positionTimer().isActive()) << "the display stops following the player";
    EXPECT_EQ(text(mainWindow, "play_time"), "00:05:00");
    EXPECT_EQ(playPosWidth(), 105);
    playback->sliderRelease(PositionSlider::Play);
    EXPECT_EQ(engine.calls, QStringList({"Seek 300", "Seek 305"}));
    EXPECT_FALSE(playback->sliderDragging());
    EXPECT_TRUE(playback->positionTimer().isActive());
    EXPECT_EQ(playback->clock().seekTarget, 305);
    // The display waits until the elapsed time reaches the seek target.
    tickAt(45.4);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:05:00");
    tickAt(310.4);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:05:05");
}

struct SpanCase {
    const char *name;
    int row;
    qint32 middle; // the second in the middle of the bar
};

class PreviewSpanTest : public PreviewPlaybackTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(PreviewSpanTest, TheBarSpansTheFullDurationOrTheDurationOfADvdRow)
{
    play(GetParam().row);
    engine.calls.clear();
    dragPlayBar(5000);
    playback->sliderRelease(PositionSlider::Play);
    const QString seek = QStringLiteral("Seek %1").arg(GetParam().middle);
    EXPECT_EQ(engine.calls, QStringList({seek, seek}));
    tickAt(0.04);
    tickAt(GetParam().middle + 0.04);
    EXPECT_EQ(slider(mainWindow, "play_bar"), 5000);
    EXPECT_EQ(playPosWidth(), 105);
    tickAt(GetParam().middle + 1.04);
    EXPECT_FALSE(playback->endTimer().isActive()) << "halfway, far from the end";
}

INSTANTIATE_TEST_SUITE_P(Rows, PreviewSpanTest,
                         ::testing::Values(SpanCase{"FileCutTo150Of600", 1, 300}, SpanCase{"DvdRowOf120", 2, 60}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewPlaybackTest, TrackingWhileIdleShowsTheTargetWithoutSeeking)
{
    host.selectRow(0);
    dragPlayBar(2500);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:02:30");
    playback->sliderRelease(PositionSlider::Play);
    EXPECT_TRUE(engine.calls.isEmpty());
    EXPECT_FALSE(playback->sliderDragging());
}

TEST_F(PreviewPlaybackTest, TicksLeaveADraggedSliderAlone)
{
    play(0);
    tickAt(0.04);
    dragPlayBar(8000);
    tickAt(60.04);
    EXPECT_EQ(slider(mainWindow, "play_bar"), 8000);
}

TEST_F(PreviewPlaybackTest, SliderGesturesAreIgnoredWhileConverting)
{
    host.selectRow(0);
    host.busy.set(Busy::Converting, true);
    playback->sliderPress(PositionSlider::Play);
    EXPECT_FALSE(playback->sliderDragging());
}

TEST_F(PreviewPlaybackTest, WithTheCutterOpenThePositionShowsThere)
{
    playback->setCutterOpen(true);
    play(0);
    tickAt(0.04);
    tickAt(150.04);
    EXPECT_EQ(text(cutterWindow, "cut_play_time"), "00:02:30.04");
    EXPECT_EQ(slider(cutterWindow, "cut_play_bar"), 2500);
    EXPECT_EQ(cutPosWidth(), 74);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:00:00");
    engine.calls.clear();
    playback->sliderPress(PositionSlider::Cut);
    object(cutterWindow, "cut_play_bar")->setPosition(5000);
    playback->sliderTrack(PositionSlider::Cut);
    playback->sliderRelease(PositionSlider::Cut);
    EXPECT_EQ(engine.calls, QStringList({"Seek 300", "Seek 300"}));
    EXPECT_EQ(text(cutterWindow, "cut_play_time"), "00:05:00.00");
}

TEST_F(PreviewPlaybackTest, TheCuttersPlayUsesItsOwnPanelAndLeavesTheStatusAlone)
{
    playback->setCutterOpen(true);
    playback->playInCutter(1);
    EXPECT_EQ(engine.calls, QStringList({"Init 296x168", "SetEventFuntion", "Seek 0", "Play /media/b.mp4"}));
    EXPECT_EQ(engine.window, cutterPanel->winId());
    EXPECT_TRUE(cutterPanel->testAttribute(Qt::WA_NativeWindow));
    EXPECT_FALSE(cutterPanel->isHidden());
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(playback->previewRow(), 1);
    playback->togglePause();
    playback->stopPreview();
    EXPECT_TRUE(cutterPanel->isHidden());
    EXPECT_TRUE(host.statuses.empty()) << "the cutter's preview shows in the cutter only";

    host.busy.set(Busy::Converting, true);
    engine.calls.clear();
    playback->playInCutter(0);
    EXPECT_TRUE(engine.calls.isEmpty());
}

// A paused player does not move: a timer restarted by a seek would take that
// for a stall and end the preview.
TEST_F(PreviewPlaybackTest, SeeksWhilePausedLeaveThePositionTimerStopped)
{
    play(0);
    tickAt(0.04);
    playback->togglePause();
    dragPlayBar(5000);
    playback->sliderRelease(PositionSlider::Play);
    EXPECT_FALSE(playback->positionTimer().isActive());
    playback->seekTo(270);
    EXPECT_FALSE(playback->positionTimer().isActive());
    EXPECT_EQ(engine.calls.last(), "Seek 270");
    EXPECT_EQ(playback->clock().seekTarget, 270);
    EXPECT_EQ(text(mainWindow, "play_time"), "00:04:30") << "shown at once while paused";
    EXPECT_EQ(slider(mainWindow, "play_bar"), 4500);
    playback->togglePause();
    EXPECT_TRUE(playback->positionTimer().isActive());
    EXPECT_TRUE(playback->previewing());

    playback->stopPreview();
    engine.calls.clear();
    playback->seekTo(30);
    EXPECT_TRUE(engine.calls.isEmpty()) << "nothing plays";
}

TEST_F(PreviewPlaybackTest, DestroyingThePlaybackReleasesARunningPlayer)
{
    play(0);
    engine.calls.clear();
    playback.reset();
    EXPECT_EQ(engine.calls, QStringList({"Stop", "Destroy"}));
}

} // namespace
