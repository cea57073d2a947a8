// The preview, the clip cutter and the snapshot, driven through the DVD
// edition's window (the edition that shows the preview) and the video
// edition's (the cutter only) with real clicks and keys. The player runs with null outputs; the clips
// carry their frame number as twelve black or white stripes (bit 0 left).

#include "engine/timecode.h"
#include "jobs/job_model.h"
#include "media_fixtures.h"
#include "platform/ini/ini_file.h"
#include "platform/skin/skin_stand_in.h"
#include "platform/skin/skin_surface.h"
#include "preview/snapshot.h"
#include "profiles/profile_choices.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "session_window.h"
#include "ui_text/message_table.h"
#include "windows/tfm_dvdcutter.h"
#include "windows/tfm_set.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace {

using veltrix::test::RecordingPrompts;
using veltrix::test::RecordingShell;
using veltrix::test::TempDir;

const QString kBin = QStringLiteral(VELTRIX_BIN_DIR);
constexpr int kStripes = 12;
constexpr int kAviDivx = 2; // a video profile: ".avi", MPEG-4

QString message(int n)
{
    QFile file(kBin + "/language.info");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return messageLine(file.readAll(), n);
}

// A clip of `seconds` at 25 frames a second, 96x64, whose frame N shows N in
// stripes, with a keyframe every 10 s. Made once per length.
QString numberedClip(int seconds)
{
    static TempDir folder;
    static std::map<int, QString> made;
    if (!made.count(seconds)) {
        const std::string path = folder.file("numbered" + std::to_string(seconds) + ".mp4");
        veltrix::test::generateMedia(
            "-f lavfi -i color=c=black:s=96x64:r=25:d=" + std::to_string(seconds)
                + ",format=gray,geq=lum='if(mod(floor(N/pow(2\\,floor(X*12/W)))\\,2)\\,235\\,16)' -c:v libx264 "
                  "-preset ultrafast -g 250 -keyint_min 250 -sc_threshold 0 -pix_fmt yuv420p",
            path);
        made[seconds] = QString::fromStdString(path);
    }
    return made[seconds];
}

// The frame number a picture of a numbered clip shows; -1 when a stripe is
// neither clearly black nor clearly white (more than 40 levels off).
int frameNumberIn(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int number = 0;
    for (int bit = 0; bit < kStripes; ++bit) {
        // The inner half of the stripe, away from edges that scaling blurs.
        const int left = image.width() * (4 * bit + 1) / (4 * kStripes);
        const int right = image.width() * (4 * bit + 3) / (4 * kStripes);
        long sum = 0, count = 0;
        for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
            for (int x = left; x < right; ++x, ++count)
                sum += qGray(image.pixel(x, y));
        const int level = int(sum / count);
        if (level > 215)
            number |= 1 << bit;
        else if (level > 40)
            return -1;
    }
    return number;
}

class MainPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_state.path().c_str(), 1);
        ::setenv("VELTRIX_PREVIEW_OUTPUT", "null", 1);
        for (const char *edition : {"veltrix-dvd-ripper", "veltrix-video-converter"})
            ASSERT_TRUE(IniFile(appSettingsFileName(edition)).writeInteger("profiles", "selcetsubindex", kAviDivx));
    }
    void TearDown() override
    {
        m_window.reset();
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_STATE_HOME");
    }

    Tfm_main &start(const QString &edition = QStringLiteral("veltrix-dvd-ripper"))
    {
        m_window = std::make_unique<SessionWindow>(m_prompts, m_shell, kBin + "/" + edition, kBin);
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        child<QLineEdit>("ed_output")->setText(output());
        return *m_window;
    }
    QString output() const { return QString::fromStdString(m_media.file("out")); }
    // Made when it first opens.
    Tfm_dvdcutter *cutter() const { return &m_window->fm_dvdcutter(); }

    void addFile(const QString &path)
    {
        m_prompts.fileAnswers.push_back({path});
        press("bt_dvdopen");
        ASSERT_TRUE(addEnded(*m_window));
        ASSERT_EQ(m_window->session().jobs().rowCount(), 1);
    }

    template <class T> T *child(const QString &name) const { return m_window->findChild<T *>(name); }
    void press(const char *button)
    {
        auto *found = child<QAbstractButton>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        ASSERT_TRUE(found->isEnabled()) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }
    SkinSurface *surfaceOf(QWidget *window) const
    {
        return window->findChildren<SkinSurface *>(Qt::FindDirectChildrenOnly).value(0);
    }
    SkinObject *object(QWidget *window, const char *name) const
    {
        return TSkin::findObject(m_window->skin().skinFormOfWindow(window), QString::fromLatin1(name));
    }
    QString text(QWidget *window, const char *name) const { return object(window, name)->text(); }
    void clickSkin(QWidget *window, const char *name)
    {
        SkinObject *found = object(window, name);
        ASSERT_NE(found, nullptr) << name;
        QTest::mouseClick(surfaceOf(window), Qt::LeftButton, {}, found->qrect().center());
    }
    void moveWithButtonDown(SkinSurface *surface, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), surface->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &move);
    }
    // Drags the slider from its left end to the right until the time text
    // reads `wanted`, and lets it go there; false when no place shows it.
    bool dragUntil(QWidget *window, const char *slider, const char *timeText, const QString &wanted)
    {
        const QRect bar = object(window, slider)->qrect();
        SkinSurface *surface = surfaceOf(window);
        QPoint at(bar.left(), bar.center().y());
        QTest::mousePress(surface, Qt::LeftButton, {}, at);
        while (text(window, timeText) != wanted && at.x() < bar.right()) {
            at.rx() += 1;
            moveWithButtonDown(surface, at);
        }
        QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
        return text(window, timeText) == wanted;
    }
    // Presses the slider at its right end and lets it go.
    void dragToTheEnd(QWidget *window, const char *slider)
    {
        const QRect bar = object(window, slider)->qrect();
        QTest::mousePress(surfaceOf(window), Qt::LeftButton, {}, QPoint(bar.right(), bar.center().y()));
        QTest::mouseRelease(surfaceOf(window), Qt::LeftButton, {}, QPoint(bar.right(), bar.center().y()));
    }
    // Converts the list and reads the output: its frame count and the number
    // its first frame shows.
    struct Converted {
        int frames = -1;
        int firstFrame = -1;
    };
    Converted convert(Tfm_main &w, const std::string &outputName)
    {
        press("bt_start");
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.session().jobs().statusColumn(0) == "Finish"; }, 30000));
        const std::string converted = output().toStdString() + "/" + outputName;
        const std::string first = m_media.file("first.bmp");
        veltrix::test::runProcess({"ffmpeg", "-v", "error", "-y", "-i", converted, "-frames:v", "1", first});
        const std::string frames =
            veltrix::test::runProcess({"ffprobe", "-v", "error", "-count_frames", "-select_streams", "v:0",
                                       "-show_entries", "stream=nb_read_frames", "-of", "csv=p=0", converted})
                .output;
        return {frames.empty() ? -1 : std::stoi(frames), frameNumberIn(QImage(QString::fromStdString(first)))};
    }
    QStringList imagesWritten() const { return QDir(output()).entryList({"*.bmp"}, QDir::Files, QDir::Name); }

    TempDir m_settings, m_state;
    TempDir m_media;
    RecordingPrompts m_prompts;
    RecordingShell m_shell;
    std::unique_ptr<Tfm_main> m_window;
};

TEST_F(MainPreviewTest, PlayPauseSeekAndStopThroughTheWindow)
{
    Tfm_main &w = start();
    addFile(numberedClip(100));
    press("bt_play");
    ASSERT_TRUE(w.session().isPreviewing());
    EXPECT_EQ(w.session().jobs().statusColumn(0), "Play");
    EXPECT_TRUE(child<QFrame>("pl_play")->isVisible());
    EXPECT_TRUE(child<QAbstractButton>("bt_images")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>("bt_play")->isEnabled());

    // The shown position follows the player.
    QTRY_VERIFY_WITH_TIMEOUT(timeCodeToSeconds(text(&w, "play_time")) >= 2, 6000);
    EXPECT_GT(object(&w, "play_bar")->position(), 0);

    clickSkin(&w, "pause");
    EXPECT_EQ(w.session().jobs().statusColumn(0), "Pause");
    const QString pausedAt = text(&w, "play_time");
    QTest::qWait(1500);
    EXPECT_EQ(text(&w, "play_time"), pausedAt);
    clickSkin(&w, "pause");
    EXPECT_EQ(w.session().jobs().statusColumn(0), "Play");

    // The slider's place is a share of the whole clip; released, the player goes there.
    ASSERT_TRUE(dragUntil(&w, "play_bar", "play_time", "00:00:50"));
    QTRY_VERIFY_WITH_TIMEOUT(timeCodeToSeconds(text(&w, "play_time")) > 50, 5000);
    EXPECT_LT(timeCodeToSeconds(text(&w, "play_time")), 56);
    EXPECT_FALSE(w.sliderDragging());

    press("bt_playstop");
    EXPECT_FALSE(w.session().isPreviewing());
    EXPECT_EQ(w.session().jobs().statusColumn(0), "Stop");
    EXPECT_EQ(text(&w, "play_time"), "00:00:00");
    EXPECT_EQ(object(&w, "play_bar")->position(), 0);
    EXPECT_FALSE(child<QFrame>("pl_play")->isVisible());
    EXPECT_TRUE(m_prompts.boxes().empty());
}

TEST_F(MainPreviewTest, CutsAClipThroughTheCuttersOwnControls)
{
    Tfm_main &w = start();
    addFile(numberedClip(100));
    press("bt_cut");
    Tfm_dvdcutter *cut = cutter();
    ASSERT_TRUE(cut->isVisible());
    QTreeWidgetItem *row = cut->lv()->topLevelItem(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(0), "numbered100");
    EXPECT_EQ(row->text(2), "00:01:40.00");

    clickSkin(cut, "play");
    ASSERT_TRUE(w.session().isPreviewing());
    EXPECT_TRUE(cut->pl_play()->isVisible());
    clickSkin(cut, "pause");

    ASSERT_TRUE(dragUntil(cut, "cut_play_bar", "cut_play_time", "00:01:05.00"));
    clickSkin(cut, "begin");
    ASSERT_TRUE(dragUntil(cut, "cut_play_bar", "cut_play_time", "00:01:17.00"));
    clickSkin(cut, "end");
    EXPECT_EQ(text(cut, "cut_begin_time"), "00:01:05.00");
    EXPECT_EQ(text(cut, "cut_end_time"), "00:01:17.00");
    EXPECT_EQ(row->text(1), "00:01:05.00");
    EXPECT_EQ(row->text(2), "00:01:17.00");
    clickSkin(cut, "hou");
    EXPECT_EQ(text(cut, "cut_play_time"), "00:00:47.00");
    clickSkin(cut, "qian");
    clickSkin(cut, "qian");
    EXPECT_EQ(text(cut, "cut_play_time"), "00:01:17.00") << "no step past the end (00:01:47 of 00:01:40)";

    // A begin after the end, or an end before the begin, is refused.
    ASSERT_TRUE(dragUntil(cut, "cut_play_bar", "cut_play_time", "00:01:20.00"));
    clickSkin(cut, "begin");
    ASSERT_TRUE(dragUntil(cut, "cut_play_bar", "cut_play_time", "00:01:00.00"));
    clickSkin(cut, "end");
    ASSERT_EQ(m_prompts.boxes().size(), 2u);
    EXPECT_TRUE(m_prompts.boxes()[0].text.startsWith("The clip cannot begin at 00:01:20"));
    EXPECT_TRUE(m_prompts.boxes()[1].text.startsWith("The clip cannot end at 00:01:00"));
    EXPECT_EQ(row->text(1), "00:01:05.00");
    EXPECT_EQ(row->text(2), "00:01:17.00");

    clickSkin(cut, "cutclose");
    EXPECT_FALSE(cut->isVisible());
    EXPECT_FALSE(w.session().isPreviewing());
    EXPECT_EQ(w.session().jobs().index(0, kTimeColumn).data().toString(), "00:00:12");

    // The main window's bar still spans the whole file, not the clip.
    press("bt_play");
    clickSkin(&w, "pause");
    dragToTheEnd(&w, "play_bar");
    EXPECT_EQ(text(&w, "play_time"), "00:01:40");
    press("bt_playstop");

    m_prompts.shown.clear();
    const Converted clip = convert(w, "numbered100.avi");
    EXPECT_EQ(clip.frames, 300) << "12.0 s at 25 frames a second";
    EXPECT_EQ(clip.firstFrame, 1625) << "65 s at 25 frames a second";
    EXPECT_TRUE(m_prompts.boxes().empty());
}

// The video edition's layout has no preview, yet Ctrl+T opens the cutter on
// the selected row; its keys play, pause, mark the begin and end on the frame
// shown and save that frame, and the conversion starts on the marked frame.
TEST_F(MainPreviewTest, TheVideoEditionCutsOnTheFrameShownFromTheKeyboard)
{
    Tfm_main &w = start(QStringLiteral("veltrix-video-converter"));
    addFile(numberedClip(20));
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
    Tfm_dvdcutter *cut = cutter();
    cut->activateWindow(); // as the desktop's window manager does
    ASSERT_TRUE(QTest::qWaitFor([cut] { return QApplication::activeWindow() == cut; }));
    QTest::keyClick(cut, Qt::Key_Space);
    ASSERT_TRUE(w.session().isPreviewing());
    QSet<QString> shown;
    for (QElapsedTimer clock; !clock.isValid() || clock.elapsed() < 2000; QTest::qWait(20)) {
        if (!clock.isValid())
            clock.start();
        shown << text(cut, "cut_play_time");
    }
    EXPECT_GE(shown.size(), 8) << "the time display follows the player at least four times a second";
    QTest::keyClick(cut, Qt::Key_Space);
    QTest::qWait(300);
    QTest::keyClick(cut, Qt::Key_I);
    QTest::keyClick(cut, Qt::Key_Right);
    QTest::keyClick(cut, Qt::Key_O);
    QTest::keyClick(cut, Qt::Key_I, Qt::ControlModifier);
    const qint64 begin = timeCodeToHundredths(text(cut, "cut_begin_time"));
    const qint64 end = timeCodeToHundredths(text(cut, "cut_end_time"));
    ASSERT_GT(begin, 0);
    EXPECT_EQ(end, (begin / 100 + 5) * 100) << "5 s on from the begin's whole second";
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().snapshot().isTaking() && imagesWritten().size() == 1, 10000);
    EXPECT_EQ(frameNumberIn(QImage(output() + "/" + imagesWritten().first(), "BMP")), end * 25 / 100);
    // Closed from the keyboard's Close; opened again, the focus is on the rows.
    for (SkinStandIn *standIn : cut->findChildren<SkinStandIn *>())
        if (&standIn->object() == object(cut, "cutclose"))
            standIn->setFocus();
    clickSkin(cut, "cutclose");
    w.run(MainCommand::OpenCutter);
    ASSERT_TRUE(QTest::qWaitFor([cut] { return cut->isVisible(); }));
    EXPECT_EQ(cut->focusWidget(), cut->findChild<QTreeWidget *>("lv"));
    clickSkin(cut, "cutclose");

    const Converted clip = convert(w, "numbered20.avi");
    EXPECT_EQ(clip.frames, (end - begin) * 25 / 100);
    EXPECT_EQ(clip.firstFrame, begin * 25 / 100) << "the marked frame";
    EXPECT_TRUE(m_prompts.boxes().empty());
}

// The image is of the frame shown, in the chosen size, under exactly its
// computed name; the run marks no row and runs no after-batch action.
TEST_F(MainPreviewTest, SnapshotsSaveTheShownFrameAndDoNothingElse)
{
    {
        IniFile settings(appSettingsFileName("veltrix-dvd-ripper"));
        ASSERT_TRUE(settings.writeInteger("profiles", "FinishSelcet", 1)); // open the folder after a batch
    }
    const QString clip = QString::fromStdString(m_media.file("frame%d.mp4"));
    ASSERT_TRUE(QFile::copy(numberedClip(100), clip));
    Tfm_main &w = start();
    addFile(clip);
    // A size other than the source's own, so the image is scaled, chosen in
    // the Settings dialog.
    QTimer::singleShot(0, &w, [&w] {
        Tfm_set &settings = w.fm_set();
        auto *size = settings.findChild<QComboBox *>("cb_size");
        size->setCurrentIndex(size->findText("320x240(QVGA)"));
        settings.findChild<QPushButton *>("Button1")->click();
    });
    press("bt_set");
    ASSERT_EQ(w.session().profile().lists().size.selectedText(), "320x240(QVGA)");
    press("bt_play");
    clickSkin(&w, "pause");
    ASSERT_TRUE(dragUntil(&w, "play_bar", "play_time", "00:00:08"));

    press("bt_images");
    // A second one while the first is still being written is refused.
    press("bt_images");
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_TRUE(m_prompts.boxes()[0].text.startsWith("The previous image is still being saved"));
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().snapshot().isTaking(), 10000);
    press("bt_images");
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().snapshot().isTaking(), 10000);

    EXPECT_EQ(imagesWritten(), QStringList({"frame%d.bmp", "frame%d_1.bmp"}));
    EXPECT_EQ(text(&w, "hint"), "Image saved: " + output() + "/frame%d_1.bmp");
    const QImage image(output() + "/frame%d.bmp", "BMP");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 240));
    EXPECT_EQ(frameNumberIn(image), 8 * 25);

    EXPECT_EQ(w.session().jobs().statusColumn(0), "Pause");
    EXPECT_FALSE(w.session().isConverting());
    EXPECT_TRUE(m_shell.openedFolders.isEmpty());
    EXPECT_EQ(m_prompts.boxes().size(), 1u);
}

TEST_F(MainPreviewTest, ASnapshotThatFindsNoPictureSaysSo)
{
    Tfm_main &w = start();
    addFile(numberedClip(4));
    press("bt_play");
    clickSkin(&w, "pause");
    dragToTheEnd(&w, "play_bar");
    ASSERT_EQ(text(&w, "play_time"), "00:00:04");
    press("bt_images");
    QTRY_VERIFY_WITH_TIMEOUT(!m_prompts.boxes().empty(), 10000);
    EXPECT_TRUE(m_prompts.boxes()[0].text.startsWith("No image was saved: the encoder found no picture at 00:00:04 "
                                                     "of numbered4"))
        << m_prompts.boxes()[0].text.toStdString();
    EXPECT_TRUE(imagesWritten().isEmpty());
}

TEST_F(MainPreviewTest, ASnapshotAndAPreviewAreRefusedDuringABatch)
{
    Tfm_main &w = start();
    const std::string sound = m_media.file("long.mp3");
    veltrix::test::generateMedia("-f lavfi -i anullsrc=r=8000:cl=mono -t 600 -b:a 8k", sound);
    addFile(QString::fromStdString(sound));
    press("bt_start");
    ASSERT_TRUE(w.session().encoderRun().isRunning());
    w.run(MainCommand::PauseBatch);
    const qint64 encoder = w.session().encoderRun().processId();

    w.run(MainCommand::Snapshot);
    w.run(MainCommand::StartPreview);
    ASSERT_EQ(m_prompts.boxes().size(), 2u);
    EXPECT_EQ(m_prompts.boxes()[0].text, message(26));
    EXPECT_EQ(m_prompts.boxes()[1].text, message(26));
    EXPECT_FALSE(w.session().isPreviewing());
    EXPECT_EQ(w.session().encoderRun().processId(), encoder);
    EXPECT_TRUE(imagesWritten().isEmpty());
    w.run(MainCommand::StopBatch);
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().encoderRun().isRunning(), 20000);
}

} // namespace
