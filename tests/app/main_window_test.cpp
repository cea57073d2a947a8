#include "app/main_commands.h"
#include "app/tfm_main.h"
#include "jobs/job_model.h"
#include "jobs/output_naming.h"
#include "media_fixtures.h"
#include "platform/ini/ini_file.h"
#include "platform/skin/skin_surface.h"
#include "profiles/active_profile.h"
#include "profiles/catalogue.h"
#include "profiles/profile_choices.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "session/edition.h"
#include "ui_text/message_table.h"
#include "windows/product_pages.h"
#include "windows/profile_button.h"
#include "windows/profile_picker.h"
#include "windows/tfm_dvdcutter.h"
#include "windows/tfm_set.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTreeView>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, FirstShowSetsUpTheWindow)
{
    Tfm_main &w = start();
    EXPECT_EQ(w.session().edition().name, "veltrix-video-converter");
    EXPECT_EQ(w.windowTitle(), "Veltrix Video Converter");
    EXPECT_EQ(w.size(), QSize(781, 558));
    EXPECT_EQ(object(&w, "profilestext")->text(), "MP4-MPEG-4 AVC Video(*.mp4)"); // a video edition's first start
    EXPECT_EQ(w.session().profile().currentProfileId(), 5);
    EXPECT_FALSE(object(&w, "di")->state());
    EXPECT_FALSE(panelShown("pl_back"));
    EXPECT_FALSE(panelShown("pl_audio1"));
    EXPECT_TRUE(panelShown("pl_appname"));
    EXPECT_EQ(child<QAction>("AboutVeltrixVideoConverter1")->text(), "About Veltrix Video Converter");
    EXPECT_FALSE(w.product().webLink.isEmpty());
    // An empty list: Start shows but is off.
    EXPECT_TRUE(child<QAbstractButton>("bt_start")->isVisible());
    EXPECT_FALSE(child<QAbstractButton>("bt_start")->isEnabled());
    EXPECT_TRUE(m_prompts.boxes().empty());
    // The picker opens on the loaded profile's group.
    clickSkin("profiles");
    EXPECT_TRUE(panelShown("pl_video1") && !panelShown("pl_audio1"));
    EXPECT_EQ(shown(5), picture("general", 5));
}

TEST_F(MainWindowTest, ARememberedIdWithoutProfileFallsBackToTheDefault)
{
    for (const int remembered : {26, 0, 999}) {
        rememberProfile(remembered);
        Tfm_main &w = start();
        EXPECT_EQ(w.session().profile().currentProfileId(), 5) << remembered;
        EXPECT_EQ(object(&w, "profilestext")->text(), "MP4-MPEG-4 AVC Video(*.mp4)") << remembered;
        m_window.reset();
    }
}

TEST_F(MainWindowTest, ShowingAgainRepeatsNoSetUp)
{
    Tfm_main &w = start();
    child<QLineEdit>("ed_output")->setText("/typed/folder");
    object(&w, "profilestext")->setText("changed");
    w.hide();
    w.show();
    EXPECT_EQ(child<QLineEdit>("ed_output")->text(), "/typed/folder");
    EXPECT_EQ(object(&w, "profilestext")->text(), "changed");
}

struct EditionCase {
    const char *name;
    QRect list;
    bool tracksShown;
    bool previewButtonsShown;
    QString firstColumn;
    bool skinDvdCommandsShown; // where the list leaves them in view
};

TEST_F(MainWindowTest, EditionLayoutIsApplied)
{
    const EditionCase cases[] = {
        {"veltrix-video-converter", {7, 101, 718, 327}, false, false, "Title", true},
        {"veltrix-DVD-ripper", {7, 101, 462, 327}, true, true, "Title", true},
        {"Zuvok-converter", {8, 121, 509, 316}, false, false, "File Name", false},
        {"ZUVOK-dvd", {8, 121, 509, 298}, true, true, "Title", true},
    };
    for (const EditionCase &c : cases) {
        SCOPED_TRACE(c.name);
        Tfm_main &w = start(c.name);
        QTreeView *lv = child<QTreeView>("lv");
        EXPECT_EQ(lv->geometry(), c.list);
        EXPECT_EQ(lv->model()->headerData(0, Qt::Horizontal).toString(), c.firstColumn);
        EXPECT_EQ(child<QComboBox>("cb_audio")->isVisible(), c.tracksShown);
        EXPECT_EQ(child<QComboBox>("cb_subtitle")->isVisible(), c.tracksShown);
        EXPECT_EQ(child<QAbstractButton>("bt_play")->isVisible(), c.previewButtonsShown);
        EXPECT_EQ(object(&w, "dvdopen")->visible(), c.skinDvdCommandsShown);
        clickSkin("profiles");
        EXPECT_EQ(child<QFrame>("pl_audio1")->pos().y(),
                  w.session().edition().dvdMode && w.session().edition().zuvok ? 71 : 90);
        m_window.reset();
    }
}

// Each routed skin name, clicked for real, reaches its command.
TEST_F(MainWindowTest, SkinClicksReachTheirCommands)
{
    rememberProfile(17);
    Tfm_main &w = start();
    m_prompts.shown.clear();

    clickSkin("openfiles");
    ASSERT_EQ(m_prompts.shown.size(), 1u);
    EXPECT_EQ(m_prompts.shown[0].kind, Kind::OpenFiles);

    m_prompts.shown.clear();
    clickSkin("openfolder");
    ASSERT_EQ(m_prompts.shown.size(), 1u);
    EXPECT_EQ(m_prompts.shown[0].kind, Kind::ChooseFolder);
    EXPECT_EQ(m_prompts.shown[0].text, "File Directory");

    clickSkin("profiles");
    EXPECT_TRUE(panelShown("pl_audio1"));

    m_prompts.shown.clear();
    m_prompts.folderAnswer = "/chosen/output";
    const QString before = w.session().outputFolder().stored();
    clickSkin("browse");
    ASSERT_EQ(m_prompts.shown.size(), 1u);
    EXPECT_EQ(m_prompts.shown[0].text, message(37));
    EXPECT_EQ(m_prompts.openedAt, before) << "the chooser opens at the stored folder";
    EXPECT_EQ(child<QLineEdit>("ed_output")->text(), "/chosen/output");

    // Typing alone keeps the stored folder; leaving the field keeps the typed one.
    child<QLineEdit>("ed_output")->setText("/typed/later");
    clickSkin("open");
    child<QLineEdit>("ed_output")->setText("~/typed");
    QTest::keyClick(child<QLineEdit>("ed_output"), Qt::Key_Return);
    clickSkin("open");
    EXPECT_EQ(m_shell.openedFolders, QStringList({"/chosen/output", QDir::home().filePath("typed")}));

    struct Busy {
        const char *name;
        bool previewing, converting, titles;
        int message;
    };
    const Busy busy[] = {
        {"cutter", true, false, true, 27},     {"cutter", false, false, false, 28},
        {"remove", true, false, true, 27},     {"chapter", true, false, true, 27},
        {"dvdopen", true, false, true, 27},    {"ifoopen", true, false, true, 27},
        {"cutter", false, true, true, 26},     {"clear", false, true, true, 26},
        {"converter", false, true, true, 26},  {"openfiles", false, true, true, 26},
        {"openfolder", false, true, true, 26}, {"chapter", false, true, true, 26},
        {"dvdopen", false, true, true, 26},    {"ifoopen", false, true, true, 26},
    };
    for (const Busy &b : busy) {
        SCOPED_TRACE(b.name);
        // With no IFO file listed the toggle only switches the listing mode.
        if (w.listingTitles() != b.titles) {
            w.run(MainCommand::StopPreview);
            w.run(MainCommand::ToggleListing);
        }
        if (b.previewing && !w.session().isPreviewing())
            beginPreview(w);
        if (!b.previewing)
            w.run(MainCommand::StopPreview);
        if (b.converting && !w.session().isConverting())
            beginBusyBatch(w);
        m_prompts.shown.clear();
        // Start continues a paused batch: it is refused only while one runs.
        const bool resumeFirst = b.converting && std::string(b.name) == "converter";
        if (resumeFirst)
            w.run(MainCommand::PauseBatch);
        clickSkin(b.name);
        if (resumeFirst)
            w.run(MainCommand::PauseBatch);
        ASSERT_EQ(m_prompts.boxes().size(), 1u);
        EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Warning);
        EXPECT_EQ(m_prompts.boxes()[0].text, message(b.message));
    }
    endBusyBatch(w);

    // The cutter window, opened as its button opens it, closes through its own skin.
    w.run(MainCommand::OpenCutter);
    Tfm_dvdcutter *cutter = &w.fm_dvdcutter();
    ASSERT_TRUE(cutter->isVisible());
    clickSkin("cutclose", cutter);
    EXPECT_FALSE(cutter->isVisible());
}

TEST_F(MainWindowTest, MenuObjectsPopTheirMenusBelowThem)
{
    Tfm_main &w = start();
    w.move(w.pos() + QPoint(37, 23)); // wherever the window has been moved to
    qRegisterMetaType<QMenu *>();
    QSignalSpy popped(&w, &Tfm_main::menuPopped);
    const std::pair<const char *, MenuPlace> cases[] = {
        {"file", {"zm_popup_file", {33, 50}}},       {"settings", {"zm_pop_edit", {66, 50}}},
        {"purchase", {"zm_pop_actions", {106, 50}}}, {"register", {"zm_pop_tools", {158, 50}}},
        {"help", {"zm_pop_help", {198, 50}}},        {"dvdfile", {"pop_dvd", {76, 54}}},
    };
    for (const auto &[name, place] : cases) {
        SCOPED_TRACE(name);
        clickSkin(name);
        ASSERT_FALSE(popped.isEmpty());
        const QList<QVariant> args = popped.takeLast();
        QMenu *menu = args.at(0).value<QMenu *>();
        EXPECT_EQ(menu->objectName(), place.menu);
        EXPECT_EQ(args.at(1).toPoint(), w.frameGeometry().topLeft() + place.offset);
        menu->hide();
    }
}

// The side buttons pop up their list's entries beside them, the chosen one
// checked, or "As the profile sets it" above them while nothing is chosen; a
// choice is the Settings dialog's and reaches the quality settings file. A
// list the profile disables disables its button.
TEST_F(MainWindowTest, SideButtonsChooseFromTheirLists)
{
    Tfm_main &w = start();
    ASSERT_TRUE(w.session().profile().select(17)); // MP3: no picture size, no video quality
    qRegisterMetaType<QMenu *>();
    QSignalSpy popped(&w, &Tfm_main::menuPopped);
    EXPECT_FALSE(object(&w, "video_size")->state());
    clickSkin("video_size");
    EXPECT_TRUE(popped.isEmpty());
    ASSERT_TRUE(w.session().profile().select(5)); // MP4 AVC at 1280x720; no source quality entries, nothing selected
    // Button, list, its key in the settings file, the entry checked (-1: none chosen), the entry chosen.
    const std::tuple<const char *, QualityListId, const char *, int, int> cases[] = {
        {"video_size", QualityListId::Size, "size", 4, 1},
        {"video_quality", QualityListId::VideoQuality, "video bitrate", -1, 0},
        {"audio_quality", QualityListId::AudioQuality, "audio bitrate", -1, 3},
        {"channels", QualityListId::Channel, "Channel", 1, 0},
    };
    for (const auto &[name, list, key, checked, choice] : cases) {
        SCOPED_TRACE(name);
        clickSkin(name);
        ASSERT_EQ(popped.size(), 1);
        QMenu *menu = popped.takeFirst().at(0).value<QMenu *>();
        ASSERT_TRUE(menu->isVisible());
        QStringList entries, expected = qualityList(w.session().profile().lists(), list).entries;
        for (QAction *entry : menu->actions())
            entries << (entry->isChecked() ? "* " : "") + entry->text();
        if (checked < 0)
            expected = QStringList{"* " + kAsTheProfileSetsIt, ""} + expected;
        else
            expected[checked] = "* " + expected[checked];
        EXPECT_EQ(entries, expected);
        const int first = checked < 0 ? 2 : 0;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(first + choice)).center());
        EXPECT_EQ(qualityList(w.session().profile().lists(), list).selected, choice);
        const char *shownIn[] = {"cb_size", "cb_videobitrate", "cb_audiobitrate", "cb_channel"};
        EXPECT_EQ(w.fm_set().findChild<QComboBox *>(shownIn[int(list)])->currentIndex(), choice);
    }
    ASSERT_TRUE(w.session().profile().select(17));
    for (const auto &[name, list, key, checked, choice] : cases)
        EXPECT_EQ(IniFile(w.session().profile().settingsPath()).readInteger("5", key, -1), choice) << key;
}

TEST_F(MainWindowTest, HoverHintsFollowTheHintTable)
{
    Tfm_main &w = start();
    const std::pair<const char *, int> hints[] = {
        {"profiles", 3},       {"profilestext", 3}, {"openfiles", 22},    {"chapter", 15},      {"ifoopen", 2},
        {"dvdopen", 1},        {"openfolder", 21},  {"converter", 17},    {"remove", 23},       {"clear", 24},
        {"stopconverter", 18}, {"browse", 19},      {"open", 20},         {"play", 10},         {"stopplay", 12},
        {"pause", 11},         {"cutter", 16},      {"play_bar", 13},     {"play_time", 14},    {"audio", 4},
        {"subtitle", 5},       {"video_size", 6},   {"video_quality", 7}, {"audio_quality", 8}, {"channels", 9},
    };
    for (const auto &[name, number] : hints) {
        SCOPED_TRACE(name);
        pointAtSkin(name);
        EXPECT_EQ(hintLine(), message(number));
    }
    pointAtSkin("menurow");
    EXPECT_EQ(hintLine(), message(25) + " veltrix-video-converter.");
    // During a batch the hint line keeps what it shows.
    beginBusyBatch(w);
    pointAtSkin("menurow");
    const QString shownInBatch = hintLine();
    pointAtSkin("browse");
    EXPECT_EQ(hintLine(), shownInBatch);
    endBusyBatch(w);
}

TEST_F(MainWindowTest, SliderPressSetsTheDragFlagUntilRelease)
{
    Tfm_main &w = start();
    SkinObject *bar = object(&w, "play_bar");
    QTest::mousePress(surfaceOf(&w), Qt::LeftButton, {}, bar->qrect().center());
    EXPECT_TRUE(w.sliderDragging());
    QTest::mouseRelease(surfaceOf(&w), Qt::LeftButton, {}, bar->qrect().center());
    EXPECT_FALSE(w.sliderDragging());
    beginBusyBatch(w);
    QTest::mousePress(surfaceOf(&w), Qt::LeftButton, {}, bar->qrect().center());
    EXPECT_FALSE(w.sliderDragging());
    QTest::mouseRelease(surfaceOf(&w), Qt::LeftButton, {}, bar->qrect().center());
    endBusyBatch(w);
}

TEST_F(MainWindowTest, PointingMovesTheHighlightWithoutSelecting)
{
    rememberProfile(17);
    Tfm_main &w = start();
    clickSkin("profiles");
    QTest::mouseMove(profileButton(15));
    QTest::mouseMove(profileButton(16));
    EXPECT_EQ(shown(15), picture("general", 15));
    EXPECT_EQ(shown(16), picture("move", 16));
    EXPECT_EQ(w.session().profile().currentProfileId(), 16);
    // A press on the list closes the picker; the loaded profile stays.
    QTest::mousePress(child<QTreeView>("lv")->viewport(), Qt::LeftButton);
    EXPECT_FALSE(panelShown("pl_audio1"));
    EXPECT_EQ(w.session().profile().currentProfileId(), 16);
    EXPECT_EQ(w.session().profile().loadedProfileId(), 17);
    EXPECT_EQ(object(&w, "profilestext")->text(), "MP3-MPEG Layer-3Audio(*.mp3)");
}

TEST_F(MainWindowTest, ClickingAProfileButtonSelectsIt)
{
    Tfm_main &w = start();
    clickSkin("profiles");
    QTest::mouseMove(profileButton(15));
    QTest::mouseClick(profileButton(15), Qt::LeftButton);
    EXPECT_FALSE(panelShown("pl_audio1"));
    EXPECT_EQ(w.session().profile().loadedProfileId(), 15);
    EXPECT_EQ(object(&w, "profilestext")->text(), "AAC-Advanced Audio Coding(*.aac)");
}

struct PageCase {
    const char *edition;
    int opened;      // left edge of page 1 when opened
    int afterReturn; // left edge of page 1 after page 2 and back
    bool remembersPage;
};

TEST_F(MainWindowTest, PickerPagesMoveByEdition)
{
    const PageCase cases[] = {
        {"veltrix-video-converter", 94, 94, true},
        {"veltrix-audio-converter", 94, 53, false},
        {"zuvok-mp3", 88, 88, false},
    };
    for (const PageCase &c : cases) {
        SCOPED_TRACE(c.edition);
        rememberProfile(17, c.edition);
        Tfm_main &w = start(c.edition);
        clickSkin("profiles");
        QFrame *page1 = child<QFrame>("pl_audio1");
        QFrame *page2 = child<QFrame>("pl_audio2");
        EXPECT_EQ(page1->x(), c.opened);
        QTest::mouseClick(child<QWidget>("Image2"), Qt::LeftButton);
        EXPECT_TRUE(page2->isVisible());
        EXPECT_FALSE(page1->isVisible());
        EXPECT_EQ(page2->x(), 94);
        EXPECT_EQ(profileButton(23)->y(), 52);
        QTest::mouseClick(child<QWidget>("Image5"), Qt::LeftButton);
        EXPECT_TRUE(page1->isVisible());
        EXPECT_FALSE(page2->isVisible());
        EXPECT_EQ(page1->x(), c.afterReturn);
        EXPECT_EQ(w.session().settings().audioPage, true);
        m_window.reset();
    }
}

// The audio editions list the sound groups only; every entry fits the list.
TEST_F(MainWindowTest, AllFormatsOffersTheEditionsGroups)
{
    const int every = int(profileGroups().size()) - 1; // the audio pages share an entry
    const std::pair<const char *, int> cases[] = {{"veltrix-video-converter", every},
                                                  {"veltrix-dvd-ripper", every},
                                                  {"veltrix-audio-converter", 2},
                                                  {"zuvok-mp3", 2}};
    for (const auto &[edition, groups] : cases) {
        SCOPED_TRACE(edition);
        rememberProfile(17, edition);
        Tfm_main &w = start(edition);
        clickSkin("profiles");
        QTest::mouseClick(w.picker().panel("pl_audio2")->findChild<QWidget *>("im_allformats"), Qt::LeftButton);
        QFrame *list = child<QFrame>("pl_main");
        const QList<QWidget *> entries = list->findChildren<QWidget *>(QRegularExpression("^im_pl_"));
        EXPECT_EQ(entries.size(), groups);
        for (const QWidget *entry : entries)
            EXPECT_LE(entry->geometry().bottom(), list->height());
        EXPECT_EQ(panelShown("pl_today_audio"), groups == 2); // beside the audio pages
        m_window.reset();
    }
}

// A video profile picked from a group of the category list converts; the
// profile field's icon shows a film.
TEST_F(MainWindowTest, AVideoProfileChosenUnderAllFormatsConverts)
{
    veltrix::test::TempDir media;
    const std::string clip = media.file("clip.mp4");
    veltrix::test::generateMedia("-f lavfi -i testsrc=size=160x120:rate=10:duration=1 "
                                 "-f lavfi -i sine=frequency=440:duration=1 -shortest -c:v libx264 -c:a aac",
                                 clip);
    Tfm_main &w = start();
    m_prompts.fileAnswers.push_back({QString::fromStdString(clip)});
    QTest::mouseClick(child<QAbstractButton>("bt_dvdopen"), Qt::LeftButton);
    ASSERT_TRUE(addEnded(w));
    ASSERT_EQ(w.session().jobs().rowCount(), 1);

    clickSkin("profiles");
    QTest::mouseClick(w.picker().panel("pl_audio1")->findChild<QWidget *>("im_allformats"), Qt::LeftButton);
    QFrame *list = child<QFrame>("pl_main");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(panelShown("pl_video1")); // an audio profile is current: the first video group
    EXPECT_FALSE(panelShown("pl_audio1"));

    // "Audio" returns to the first audio page where the picker opens it.
    QTest::mouseClick(list->findChild<QWidget *>("im_pl_audio1"), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(panelShown("pl_audio1"));
    EXPECT_EQ(child<QFrame>("pl_audio1")->x(), 94);

    QTest::mouseClick(w.picker().panel("pl_audio1")->findChild<QWidget *>("im_allformats"), Qt::LeftButton);
    auto *avi = list->findChild<QLabel *>("im_pl_avi");
    ASSERT_NE(avi, nullptr);
    EXPECT_FALSE(avi->pixmap().isNull());
    QTest::mouseClick(avi, Qt::LeftButton);
    QFrame *group = child<QFrame>("pl_avi");
    EXPECT_TRUE(group->isVisible());
    EXPECT_FALSE(panelShown("pl_video1"));
    EXPECT_EQ(group->x(), list->geometry().right()); // beside the list, sharing its border
    EXPECT_EQ(shown(105), picture("general", 105));

    QTest::mouseMove(profileButton(105));
    EXPECT_EQ(shown(105), picture("move", 105));
    QTest::mouseClick(profileButton(105), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(group->isVisible());
    ASSERT_EQ(object(&w, "profilestext")->text(), "AVI - MPEG-4 Movie(*.avi)");
    EXPECT_EQ(child<QLabel>("im_mainico")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              QImage(kBin + "/images/main/2-film.bmp").convertToFormat(QImage::Format_RGB32));

    const std::string output = media.file("out");
    child<QLineEdit>("ed_output")->setText(QString::fromStdString(output));
    QTest::mouseClick(child<QAbstractButton>("bt_start"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(w.session().jobs().statusColumn(0) == "Finish", 60000);
    EXPECT_EQ(veltrix::test::ffprobeField(output + "/clip.avi", "stream=codec_name"), "mpeg4");
    EXPECT_TRUE(m_prompts.boxes().empty());
}

TEST_F(MainWindowTest, PickerRefusesToOpenDuringABatch)
{
    Tfm_main &w = start();
    beginBusyBatch(w);
    clickSkin("profiles");
    EXPECT_FALSE(panelShown("pl_audio1"));
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].text, message(26));
    endBusyBatch(w);
}

// Closing during a batch asks: go on converting, or stop as Stop does, leave no encoder behind and save the
// settings, the loaded profile's quality choices and the partial output the row left among them.
TEST_F(MainWindowTest, CloseDuringABatchGoesOnOrStopsAndQuits)
{
    Tfm_main &w = start();
    const QString settingsFile = QString::fromStdString(m_settings.file("veltrix/veltrix-video-converter.ini"));
    ASSERT_TRUE(w.session().profile().select(17)); // MP3 writes as it goes: the partial file grows
    beginBusyBatch(w);
    m_prompts.answerYes = false;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Question);
    EXPECT_FALSE(QFile::exists(settingsFile));
    w.run(MainCommand::PauseBatch); // continue: the batch converts on
    const QString status = w.session().jobs().statusColumn(0);
    QTRY_VERIFY_WITH_TIMEOUT(w.session().jobs().statusColumn(0) != status, 20000);
    QualityLists lists = w.session().profile().lists();
    lists.audioQuality.selected = 0;
    w.session().profile().setLists(lists);
    const qint64 pid = w.session().encoderRun().processId();
    m_prompts.answerYes = true;
    w.close(); // the window closes once the encoder has exited, taking no input meanwhile
    EXPECT_FALSE(w.isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 20000);
    EXPECT_FALSE(w.session().encoderRun().isRunning());
    EXPECT_TRUE(veltrix::test::livingProcessesInGroup(static_cast<pid_t>(pid)).empty());
    EXPECT_EQ(w.session().jobs().statusColumn(0), "Stop");
    const QString partial = QString::fromStdString(m_busyMedia.file("out/long (partial).mp3"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(m_busyMedia.file("out/long.mp3"))));
    EXPECT_GT(QFileInfo(partial).size(), 0);
    EXPECT_TRUE(QFile::exists(settingsFile));
    m_window.reset();
    Tfm_main &again = start();
    EXPECT_EQ(again.session().profile().lists().audioQuality.selected, 0);
    EXPECT_EQ(again.session().jobs().job(0).lastRun.stoppedOutput, leftOutputAt(partial)); // which a restart replaces
}

TEST_F(MainWindowTest, RunBackgroundHidesUntilTheTrayIconIsClicked)
{
    Tfm_main &w = start();
    child<QAction>("RunBackground1")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.trayIcon()->isVisible());
    EXPECT_EQ(w.trayIcon()->toolTip(), "Veltrix Software");
    emit w.trayIcon()->activated(QSystemTrayIcon::Context);
    EXPECT_FALSE(w.isVisible());
    emit w.trayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.trayIcon()->isVisible());
}

// A desktop without a notification area could never give the window back
// from an icon: the window goes to the task bar instead.
TEST_F(MainWindowTest, RunBackgroundWithoutATrayKeepsTheWindowReachable)
{
    m_shell.trayAvailable = false;
    Tfm_main &w = start();
    child<QAction>("RunBackground1")->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isMinimized());
    EXPECT_FALSE(w.trayIcon()->isVisible());
}

TEST_F(MainWindowTest, FileInformationNeedsASelectedRow)
{
    start();
    child<QAbstractButton>("bt_chapte")->setEnabled(true);
    QTest::mouseClick(child<QAbstractButton>("bt_chapte"), Qt::LeftButton);
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Information);
    EXPECT_EQ(m_prompts.boxes()[0].text, message(30));
}

TEST_F(MainWindowTest, LinksOpenThroughTheShell)
{
    Tfm_main &w = start();
    child<QAction>("MenuItem1")->trigger();
    child<QAction>("MenuItem2")->trigger();
    child<QAction>("FeedbackandSupport1")->trigger();
    QTest::mouseClick(child<QAbstractButton>("bt_web"), Qt::LeftButton);
    EXPECT_EQ(m_shell.openedLinks,
              (QStringList{w.product().webLink, w.product().supportLink, kContactPage, kAboutPage}));
}

TEST_F(MainWindowTest, BannerDragsTheWindow)
{
    Tfm_main &w = start();
    QWidget *banner = child<QWidget>("img_name");
    const QPoint before = w.pos();
    QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 25), banner->mapToGlobal(QPointF(40, 25)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(banner, &move);
    QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(40, 25));
    EXPECT_EQ(w.pos(), before + QPoint(30, 15));
}

TEST_F(MainWindowTest, WindowShowsItsSkin)
{
    Tfm_main &w = start();
    const QImage grab = w.grab().toImage();
    EXPECT_EQ(QColor(grab.pixel(400, 40)), QColor(0x16, 0x1c, 0x26)); // menu row
    EXPECT_EQ(QColor(grab.pixel(600, 5)), QColor(0x10, 0x14, 0x1b));  // title area
    // The banner shows the edition's name: its pixels are not all title colour.
    int lettering = 0;
    for (int x = 40; x < 240; ++x)
        lettering += QColor(grab.pixel(x, 15)) != QColor(0x10, 0x14, 0x1b);
    EXPECT_GT(lettering, 20);
    // The Start button's accent shows at its place.
    const QColor start = grab.pixel(520, 450);
    EXPECT_GT(start.blue(), start.red() + 60);
}

// An executable folder like the build's, with links to its files except one.
QString folderWithout(const veltrix::test::TempDir &dir, const QString &missing)
{
    const QString folder = QString::fromStdString(dir.path());
    QDirIterator files(kBin, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = QDir(kBin).relativeFilePath(file);
        if (relative == missing)
            continue;
        QDir().mkpath(QFileInfo(folder + "/" + relative).absolutePath());
        QFile::link(file, folder + "/" + relative);
    }
    return folder;
}

// An error a command raises is shown; the command ends and the window goes on.
TEST_F(MainWindowTest, ACommandsErrorIsReportedAndTheWindowGoesOn)
{
    veltrix::test::TempDir dir;
    const QString folder = folderWithout(dir, "images/sub/move/16.bmp");
    rememberProfile(17);
    Tfm_main &w = start("veltrix-video-converter", folder);
    m_prompts.shown.clear();
    clickSkin("profiles");
    QTest::mouseMove(profileButton(15));
    QTest::mouseMove(profileButton(16));
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Warning);
    EXPECT_EQ(m_prompts.boxes()[0].text,
              QStringLiteral("Cannot open file \"%1/images/sub/move/16.bmp\". No such file or directory").arg(folder));
    EXPECT_EQ(w.session().profile().currentProfileId(), 15);
    // Still usable: the next profile highlights and selects.
    QTest::mouseMove(profileButton(18));
    QTest::mouseClick(profileButton(18), Qt::LeftButton);
    EXPECT_EQ(object(&w, "profilestext")->text(), "OGG-Ogg Vorbis Audio(*.ogg)");
}

// Start-up only looks the profile pictures up; one that is missing is still
// reported there, and the pages that can show theirs still do.
TEST_F(MainWindowTest, AMissingProfilePictureIsReportedAtStart)
{
    veltrix::test::TempDir dir;
    const QString folder = folderWithout(dir, "images/sub/general/40.bmp");
    rememberProfile(17);
    start("veltrix-video-converter", folder);
    const QString expected =
        QStringLiteral("Cannot open file \"%1/images/sub/general/40.bmp\". No such file or directory").arg(folder);
    const auto boxes = m_prompts.boxes();
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const auto &box) { return box.text == expected; }));
    clickSkin("profiles");
    EXPECT_EQ(shown(21), picture("general", 21));
}

// A profile whose field picture is missing is reported when it is clicked;
// the loaded profile stays, and the picker goes on working.
TEST_F(MainWindowTest, AProfileWithoutItsFieldPictureIsReportedAndNotLoaded)
{
    veltrix::test::TempDir dir;
    const QString folder = folderWithout(dir, "images/main/2-film.bmp");
    Tfm_main &w = start("veltrix-video-converter", folder);
    const int loaded = w.session().profile().loadedProfileId();
    m_prompts.shown.clear();
    clickSkin("profiles");
    w.picker().showGroup(QStringLiteral("pl_video1"));
    QTest::mouseClick(profileButton(2), Qt::LeftButton);
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].text.left(11), "Cannot open");
    EXPECT_TRUE(m_prompts.boxes()[0].text.contains("2-film.bmp"));
    EXPECT_EQ(w.session().profile().loadedProfileId(), loaded);
}

// With several normal pictures missing, start-up reports the lowest id's alone.
TEST_F(MainWindowTest, TheFirstMissingProfilePictureIsTheOneReported)
{
    veltrix::test::TempDir dir;
    const QString folder = folderWithout(dir, "images/sub/general/40.bmp");
    ASSERT_TRUE(QFile::remove(folder + "/images/sub/general/12.bmp"));
    start("veltrix-video-converter", folder);
    QStringList reported;
    for (const RecordingPrompts::Shown &box : m_prompts.boxes())
        if (box.text.contains("images/sub/general/"))
            reported << box.text;
    EXPECT_EQ(reported, QStringList{QStringLiteral("Cannot open file \"%1/images/sub/general/12.bmp\". No such file or "
                                                   "directory")
                                        .arg(folder)});
}

// A name banner that cannot be read is reported; the rest of the set-up
// still runs, so the settings are read and later saved.
TEST_F(MainWindowTest, AnUnreadableBannerDoesNotStopTheSetUp)
{
    veltrix::test::TempDir dir;
    const QString folder = folderWithout(dir, "images/main/veltrix-video-converter.bmp");
    veltrix::test::writeFile(dir.file("images/main/veltrix-video-converter.bmp"), "not a picture");
    Tfm_main &w = start("veltrix-video-converter", folder);
    // This folder has no share/veltrix beside it, so message 31 follows.
    ASSERT_FALSE(m_prompts.boxes().empty());
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Warning);
    EXPECT_TRUE(m_prompts.boxes()[0].text.contains("veltrix-video-converter.bmp"))
        << m_prompts.boxes()[0].text.toStdString();
    EXPECT_EQ(w.windowTitle(), "Veltrix Video Converter"); // the set-up went on
    EXPECT_EQ(w.session().profile().currentProfileId(), 5);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(m_settings.file("veltrix/veltrix-video-converter.ini"))));
}

// A whole conversion driven through the window's own controls.
TEST_F(MainWindowTest, ConvertsTwoFilesEndToEnd)
{
    veltrix::test::TempDir media;
    const std::string first = media.file("first tone.wav");
    const std::string second = media.file("second.mp3");
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=440:duration=3", first);
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=660:duration=2", second);
    const std::string output = media.file("out");

    Tfm_main &w = start();
    m_prompts.fileAnswers.push_back({QString::fromStdString(first), QString::fromStdString(second)});
    QTest::mouseClick(child<QAbstractButton>("bt_dvdopen"), Qt::LeftButton);
    ASSERT_TRUE(addEnded(w));
    ASSERT_EQ(w.session().jobs().rowCount(), 2);

    clickSkin("profiles");
    QTest::mouseMove(profileButton(18));
    QTest::mouseClick(profileButton(18), Qt::LeftButton);
    ASSERT_EQ(object(&w, "profilestext")->text(), "OGG-Ogg Vorbis Audio(*.ogg)");

    m_prompts.folderAnswer = QString::fromStdString(output);
    clickSkin("browse");

    QTest::mouseClick(child<QAbstractButton>("bt_start"), Qt::LeftButton);
    EXPECT_TRUE(w.session().isConverting());
    EXPECT_FALSE(child<QAbstractButton>("bt_start")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(
        w.session().jobs().statusColumn(0) == "Finish" && w.session().jobs().statusColumn(1) == "Finish", 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().isConverting(), 10000);
    EXPECT_TRUE(child<QAbstractButton>("bt_start")->isVisible());
    for (const char *name : {"/first tone.ogg", "/second.ogg"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(veltrix::test::ffprobeField(output + name, "stream=codec_name"), "vorbis");
    }
    EXPECT_TRUE(m_prompts.boxes().empty());
}

// The folder typed into the Output field is resolved once against the home
// folder, whatever the program's working folder; a field that names no usable
// folder refuses Start and converts nothing.
struct TypedFolderCase {
    const char *what;
    QString typed;
    QString folderInHome; // where the file lands; empty: Start is refused
};

TEST_F(MainWindowTest, TheTypedOutputFolderIsTakenFromTheHomeFolder)
{
    veltrix::test::TempDir home;
    veltrix::test::TempDir media;
    const QString homePath = QString::fromStdString(home.path());
    const QByteArray oldHome = qgetenv("HOME");
    ::setenv("HOME", home.path().c_str(), 1);
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=440:duration=1", media.file("tone.wav"));
    const TypedFolderCase cases[] = {
        {"relative", "converted", "converted"},
        {"tilde", "~/tilde out", "tilde out"},
        {"home itself", "~", ""},
        {"absolute", homePath + "/abs", "abs"},
        {"empty", "", QString()},
        {"blanks only", "   ", QString()},
        {"unreadable name", "caf\uFFFD", QString()},
    };
    for (const TypedFolderCase &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(QString::fromStdString(m_state.file("veltrix/veltrix-video-converter.jobs"))); // an empty list
        Tfm_main &w = start();
        m_prompts.fileAnswers.push_back({QString::fromStdString(media.file("tone.wav"))});
        QTest::mouseClick(child<QAbstractButton>("bt_dvdopen"), Qt::LeftButton);
        ASSERT_TRUE(addEnded(w));
        ASSERT_EQ(w.session().jobs().rowCount(), 1);
        m_prompts.shown.clear();
        child<QLineEdit>("ed_output")->setText(c.typed);
        QTest::mouseClick(child<QAbstractButton>("bt_start"), Qt::LeftButton);
        if (c.folderInHome.isNull()) {
            EXPECT_FALSE(w.session().isConverting());
            ASSERT_EQ(m_prompts.boxes().size(), 1u);
            EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Warning);
            EXPECT_TRUE(m_prompts.boxes()[0].text.contains("nothing was converted"));
            EXPECT_EQ(w.session().jobs().status(0).state, JobState::Waiting);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!w.session().isConverting(), 30000);
            const QString folder = QDir(homePath).filePath(c.folderInHome);
            EXPECT_EQ(w.session().jobs().status(0).state, JobState::Finished);
            EXPECT_TRUE(QFileInfo(folder + "/tone.mp4").size() > 0) << folder.toStdString();
            EXPECT_EQ(QDir(child<QLineEdit>("ed_output")->text()).absolutePath(), QDir(folder).absolutePath());
            EXPECT_EQ(QDir(w.session().outputFolder().stored()).absolutePath(), QDir(folder).absolutePath());
            QFile::remove(folder + "/tone.mp3");
            EXPECT_TRUE(m_prompts.boxes().empty());
        }
        m_window.reset();
    }
    ::setenv("HOME", oldHome.constData(), 1);
}

// The profile remembered on close is the one loaded: a highlight left by the
// pointer is not saved, and a remembered profile that cannot be loaded at
// start is kept for the next start.
struct RememberedCase {
    const char *what;
    QString missing;  // a file of the executable folder left out; empty: none
    bool pointAround; // point at buttons and close the picker without a click
    int saved;
};

TEST_F(MainWindowTest, TheRememberedProfileIsTheLoadedOne)
{
    const RememberedCase cases[] = {
        {"pointed at without a click", "", true, 18},
        {"profiles.pop missing", "profiles.pop", false, 18},
        {"profile icon missing", "images/main/2.bmp", false, 18},
    };
    for (const RememberedCase &c : cases) {
        SCOPED_TRACE(c.what);
        veltrix::test::TempDir dir;
        const QString folder = c.missing.isEmpty() ? kBin : folderWithout(dir, c.missing);
        rememberProfile(18);
        Tfm_main &w = start("veltrix-video-converter", folder);
        if (c.pointAround) {
            clickSkin("profiles");
            QTest::mouseMove(profileButton(16));
            QTest::mouseMove(profileButton(15));
            QTest::mousePress(child<QTreeView>("lv")->viewport(), Qt::LeftButton);
            EXPECT_EQ(w.session().profile().currentProfileId(), 15);
            // The loaded profile's rules run with its own id.
            EXPECT_EQ(w.session().profileChoices().profileId, 18);
        } else {
            EXPECT_FALSE(m_prompts.boxes().empty());
        }
        EXPECT_TRUE(w.close());
        EXPECT_EQ(IniFile(appSettingsFileName("veltrix-video-converter")).readInteger("profiles", "selcetsubindex", -7),
                  c.saved);
        m_window.reset();
    }
}

// Damaged settings files are copied aside and reported once, at start; the
// rewrite keeps every readable value byte for byte, a folder name that is not
// valid text included.
TEST_F(MainWindowTest, DamagedSettingsFilesAreCopiedAndReportedOnce)
{
    const std::string folder = m_settings.path() + "/veltrix/";
    const std::string app = folder + "veltrix-video-converter.ini";
    const std::string quality = folder + "pro veltrix-video-converter.ini";
    const std::string appText = "[output]\npath=\"/srv/caf\xe9 \"\nnot a setting\n[profiles]\nselcetsubindex=18\n";
    const std::string qualityText = std::string("[18]\naudio bitrate=1\n\0\0\0\n", 26);
    QDir().mkpath(QString::fromStdString(folder));
    veltrix::test::writeFile(app, appText);
    veltrix::test::writeFile(quality, qualityText);

    Tfm_main &w = start();
    const auto boxes = m_prompts.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(app + ".bak"))) << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[1].text.contains(QString::fromStdString(quality + ".bak"))) << boxes[1].text.toStdString();
    EXPECT_EQ(veltrix::test::readFile(app + ".bak"), appText);
    EXPECT_EQ(veltrix::test::readFile(quality + ".bak"), qualityText);
    EXPECT_EQ(w.session().profile().loadedProfileId(), 18);
    EXPECT_EQ(child<QLineEdit>("ed_output")->text(), QString::fromUtf8("/srv/caf\uFFFD "));
    EXPECT_TRUE(w.close());
    EXPECT_NE(veltrix::test::readFile(app).find("\npath=\"/srv/caf\xe9 \"\n"), std::string::npos);
    m_window.reset();

    // The application file is clean now; the quality file, not yet rewritten,
    // keeps its copy and is not reported again.
    m_prompts.shown.clear();
    start();
    EXPECT_TRUE(m_prompts.boxes().empty());
    EXPECT_EQ(veltrix::test::readFile(app + ".bak"), appText);
    EXPECT_EQ(veltrix::test::readFile(quality + ".bak"), qualityText);
}

// A named pipe under the settings file's name (which a read would wait on for
// ever) and a folder under the quality file's are reported, read as nothing
// and left as they are; the window starts with the defaults. Message 34 sends
// the user to a title set's IFO file, never to the menu file it refuses.
TEST_F(MainWindowTest, SettingsThatAreNoFileAreReportedAndLeftAlone)
{
    const std::string folder = m_settings.path() + "/veltrix/";
    QDir().mkpath(QString::fromStdString(folder + "pro veltrix-video-converter.ini"));
    const std::string pipe = folder + "veltrix-video-converter.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Should the program wait on the pipe after all, a writer ends its wait and the test fails.
    std::thread unblock([pipe] {
        std::this_thread::sleep_for(std::chrono::seconds(10));
        ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
    });
    QElapsedTimer started;
    started.start();
    Tfm_main &w = start();
    EXPECT_LT(started.elapsed(), 8000);
    const auto boxes = m_prompts.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.startsWith(QString::fromStdString(pipe) + " is not a file"))
        << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[1].text.contains("pro veltrix-video-converter.ini is not a file"));
    EXPECT_EQ(w.session().profile().loadedProfileId(), 5);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(pipe)).isFile() == false
                && QFileInfo::exists(QString::fromStdString(pipe)));
    unblock.join();
    EXPECT_TRUE(message(34).contains("VTS_01_0.IFO") && !message(34).contains("VIDEO_TS.IFO"));
}

// A profiles.pop with a line missing is reported once, at start, by the
// position of the first block out of place.
TEST_F(MainWindowTest, AShiftedProfileFileIsReportedAtStart)
{
    veltrix::test::TempDir dir;
    const QString folder = folderWithout(dir, "profiles.pop");
    QList<QByteArray> lines =
        QByteArray::fromStdString(veltrix::test::readFile(VELTRIX_BIN_DIR "/profiles.pop")).split('\n');
    lines.removeAt(65); // the size line of id 17
    veltrix::test::writeFile(dir.file("profiles.pop"), lines.join('\n').toStdString());
    start("veltrix-video-converter", folder);
    // This folder has no share/veltrix beside it, so message 31 comes too.
    std::vector<RecordingPrompts::Shown> boxes;
    for (const RecordingPrompts::Shown &box : m_prompts.boxes())
        if (box.text.contains("profiles.pop"))
            boxes.push_back(box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, Kind::Warning);
    EXPECT_TRUE(boxes[0].text.contains("position 18 (OGG-Ogg Vorbis Audio(*.ogg))")) << boxes[0].text.toStdString();
}

} // namespace
