// The DVD edition's window over the shared test DVD: listing titles and
// chapters, track lists and choices per row, check marks per listing mode,
// Remove, the messages of Add DVD and Add IFO (also for the paths the program
// is started with), batches through the real register.dat, and a list that
// shows every column.

#include "app/dvd_preview_source.h"
#include "dvd_fixture.h"
#include "dvd_media_checks.h"
#include "jobs/batch.h"
#include "main_window_fixture.h"
#include "platform/ini/ini_file.h"
#include "preview/snapshot.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTreeView>

namespace {

using veltrix::test::testDvd;

const QStringList kFirstSetAudio = {"AC-3 en 2ch 48000Hz (0x80)", "MPEG-1 de 2ch 48000Hz (0xc0)"};
const QStringList kFirstSetSubtitles = {"No Subtitle", "Subtitle en (0x20)"};
const QStringList kChapterCaptions = {"Title_01", "  Chapter_01", "  Chapter_03", "Title_04", "  Chapter_01"};
constexpr int kDivxProfile = 2;
constexpr int kMp3Profile = 17;

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

class DvdWindowTest : public MainWindowTest {
protected:
    Tfm_main &startDvd(int profile = kMp3Profile, const QString &edition = QStringLiteral("veltrix-dvd-ripper"))
    {
        IniFile settings(appSettingsFileName(edition));
        EXPECT_TRUE(settings.writeInteger("profiles", "selcetsubindex", profile));
        Tfm_main &w = start(edition);
        m_prompts.shown.clear();
        return w;
    }
    void addDvd(const std::string &folder)
    {
        m_prompts.folderAnswer = qs(folder);
        clickSkin("dvdopen");
    }
    QTreeView *lv() const { return child<QTreeView>("lv"); }
    QStringList column(int c) const
    {
        QStringList texts;
        for (int row = 0; row < lv()->model()->rowCount(); ++row)
            texts.append(lv()->model()->index(row, c).data().toString());
        return texts;
    }
    std::vector<bool> marks() const { return m_window->session().jobs().checkMarks(); }
    void setMark(int row, bool checked) { m_window->session().jobs().setChecked(row, checked); }
    QComboBox *tracks(const char *name) const { return child<QComboBox>(name); }
    QStringList items(const char *name) const
    {
        QStringList texts;
        for (int i = 0; i < tracks(name)->count(); ++i)
            texts.append(tracks(name)->itemText(i));
        return texts;
    }
    // A real click on the row, as the user selects it.
    void clickRow(int row)
    {
        const QModelIndex item = lv()->model()->index(row, kNameColumn);
        QTest::mouseClick(lv()->viewport(), Qt::LeftButton, {}, lv()->visualRect(item).center());
        ASSERT_EQ(m_window->session().jobs().selectedRow(), row);
    }
};

TEST_F(DvdWindowTest, ListsTitlesAndChaptersWithTracksAndMarksPerMode)
{
    Tfm_main &w = startDvd();
    EXPECT_EQ(w.windowTitle(), "Veltrix DVD Ripper"); // the task bar tells the editions apart
    addDvd(testDvd().discRoot);
    ASSERT_EQ(m_prompts.shown.size(), 1u);
    EXPECT_EQ(m_prompts.shown[0].text, message(32));
    EXPECT_EQ(column(0), QStringList({"Title_01", "Title_02"}));
    EXPECT_EQ(column(1), QStringList({"720x576", "720x576"}));
    EXPECT_EQ(column(2), QStringList({"00:00:35", "00:00:08"}));
    EXPECT_TRUE(column(3)[0].endsWith("MB") && column(3)[0] != "0.00MB") << column(3)[0].toStdString();
    EXPECT_EQ(column(4), QStringList({"Ready", "Ready"}));
    EXPECT_EQ(marks(), std::vector<bool>({true, true}));
    // The longest title is selected, with its tracks.
    EXPECT_EQ(w.session().jobs().selectedRow(), 0);
    EXPECT_EQ(object(&w, "alltime")->text(), "00:00:35");
    EXPECT_EQ(items("cb_audio"), kFirstSetAudio);
    EXPECT_EQ(items("cb_subtitle"), kFirstSetSubtitles);
    clickRow(1);
    EXPECT_EQ(items("cb_audio"), QStringList({"AC-3 en 2ch 48000Hz (0x80)"}));
    EXPECT_EQ(items("cb_subtitle"), QStringList({"No Subtitle"}));

    clickRow(0);
    tracks("cb_audio")->setCurrentIndex(1);
    EXPECT_EQ(w.session().jobs().job(0).tracks, (TrackChoice{1, 0}));
    EXPECT_EQ(w.session().jobs().job(0).convert.audioStreamId, "0xc0");
    setMark(1, false);

    clickSkin("chapter");
    EXPECT_FALSE(w.listingTitles());
    EXPECT_EQ(column(0), kChapterCaptions);
    EXPECT_EQ(column(2), QStringList({"00:00:35", "00:00:10", "00:00:20", "00:00:08", "00:00:08"}));
    EXPECT_EQ(marks(), std::vector<bool>(5, true));
    setMark(2, false);

    clickSkin("chapter");
    EXPECT_EQ(marks(), std::vector<bool>({true, false}));
    // Rebuilt rows start from the first audio track again.
    EXPECT_EQ(w.session().jobs().job(0).tracks, TrackChoice{});
    EXPECT_EQ(w.session().jobs().job(0).convert.audioStreamId, "0x80");
    EXPECT_EQ(tracks("cb_audio")->currentIndex(), 0);
    clickSkin("chapter");
    EXPECT_EQ(marks(), std::vector<bool>({true, true, false, true, true}));
    EXPECT_TRUE(m_prompts.boxes().empty());
}

// With no IFO file listed, the toggle switches the mode and keeps the rows.
TEST_F(DvdWindowTest, ToggleWithoutADvdKeepsTheFileRows)
{
    veltrix::test::TempDir media;
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=440:duration=1", media.file("tone.wav"));
    Tfm_main &w = startDvd();
    m_prompts.fileAnswers.push_back({qs(media.file("tone.wav"))});
    QTest::mouseClick(child<QAbstractButton>("bt_dvdopen"), Qt::LeftButton);
    ASSERT_TRUE(addEnded(w));
    ASSERT_EQ(column(0), QStringList{"tone"});
    clickSkin("chapter");
    EXPECT_FALSE(w.listingTitles());
    EXPECT_EQ(column(0), QStringList{"tone"});
    EXPECT_EQ(items("cb_audio"), QStringList()) << "a file row has no DVD tracks";
}

TEST_F(DvdWindowTest, OpeningTellsWhatItFound)
{
    enum How { AddDvd, AddIfo, CommandLine };
    struct Case {
        const char *label;
        How how;
        std::vector<std::string> paths;
        QStringList times; // of the rows listed
        int message;       // 0: none
    };
    const veltrix::test::TestDvd &dvd = testDvd();
    const veltrix::test::TempDir empty;
    const Case cases[] = {
        {"lower-case disc", AddDvd, {dvd.lowerRoot}, {"00:00:35", "00:00:08"}, 0},
        {"no IFO file", AddDvd, {empty.path()}, {}, 33},
        {"no title in the IFO files", AddDvd, {dvd.garbage}, {}, 34},
        {"IFO files in the order chosen", AddIfo, {dvd.ifo(2), dvd.ifo(1)}, {"00:00:08", "00:00:35"}, 0},
        {"IFO file without titles", AddIfo, {dvd.garbage + "/VIDEO_TS/VTS_01_0.IFO"}, {}, 34},
        {"the disc's menu file, no title set", AddIfo, {dvd.videoTs + "/VIDEO_TS.IFO"}, {}, 34},
        {"started with the disc", CommandLine, {dvd.discRoot}, {"00:00:35", "00:00:08"}, 0},
        {"started with the VIDEO_TS folder", CommandLine, {dvd.videoTs}, {"00:00:35", "00:00:08"}, 0},
        {"started with an IFO file", CommandLine, {dvd.ifo(2)}, {"00:00:08"}, 0},
        {"started with a folder without IFO", CommandLine, {empty.path()}, {}, 33},
        {"started with a garbage IFO file", CommandLine, {dvd.garbage + "/VIDEO_TS/VTS_01_0.IFO"}, {}, 34},
    };
    Tfm_main &w = startDvd();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        m_prompts.shown.clear();
        QStringList paths;
        for (const std::string &path : c.paths)
            paths.append(qs(path));
        switch (c.how) {
        case AddDvd:
            addDvd(c.paths[0]);
            break;
        case AddIfo:
            m_prompts.fileAnswers.push_back(paths);
            clickSkin("ifoopen");
            EXPECT_EQ(m_prompts.shown.at(0).text, "IFO Files (*.ifo *.IFO)");
            break;
        case CommandLine:
            EXPECT_TRUE(w.openDvdPaths(paths));
            break;
        }
        EXPECT_EQ(column(2), c.times);
        const auto boxes = m_prompts.boxes();
        ASSERT_EQ(boxes.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(boxes[0].kind, Kind::Information);
            EXPECT_EQ(boxes[0].text, message(c.message));
        }
    }
    // A cancelled folder chooser leaves the list as it was; a path that is
    // neither a folder nor an IFO file is not the DVD listing's to open.
    w.openDvdPaths({qs(dvd.discRoot)});
    addDvd("");
    EXPECT_FALSE(w.openDvdPaths({qs(dvd.videoTs + "/VTS_01_1.VOB")}));
    EXPECT_EQ(column(0), QStringList({"Title_01", "Title_02"}));
}

// The listing comes back at the next start: the rows with their records and
// track choices, the mode, and each mode's marks and listed files.
TEST_F(DvdWindowTest, ListingComesBackAtTheNextStart)
{
    startDvd();
    addDvd(testDvd().discRoot);
    setMark(1, false);
    clickSkin("chapter");
    setMark(2, false);
    clickRow(3);
    tracks("cb_audio")->setCurrentIndex(0);
    clickRow(0);
    tracks("cb_audio")->setCurrentIndex(1);
    std::vector<Job> jobs;
    for (int row = 0; row < m_window->session().jobs().rowCount(); ++row)
        jobs.push_back(m_window->session().jobs().job(row));
    EXPECT_TRUE(m_window->close());

    Tfm_main &w = startDvd();
    EXPECT_TRUE(m_prompts.boxes().empty());
    EXPECT_FALSE(w.listingTitles());
    EXPECT_EQ(column(0), kChapterCaptions);
    EXPECT_EQ(column(4), QStringList(5, "Ready"));
    EXPECT_EQ(marks(), std::vector<bool>({true, true, false, true, true}));
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(w.session().jobs().job(row), jobs[row]) << row;
    EXPECT_EQ(items("cb_audio"), kFirstSetAudio);
    EXPECT_EQ(tracks("cb_audio")->currentIndex(), 1);
    clickSkin("chapter");
    EXPECT_EQ(column(0), QStringList({"Title_01", "Title_02"}));
    EXPECT_EQ(marks(), std::vector<bool>({true, false}));
}

// Every later row keeps its own records and tracks when a row above it goes.
TEST_F(DvdWindowTest, RemoveInTheMiddleKeepsTheLaterRowsRecords)
{
    Tfm_main &w = startDvd();
    addDvd(testDvd().discRoot);
    clickSkin("chapter");
    ASSERT_EQ(column(0), kChapterCaptions);
    clickRow(2);
    tracks("cb_audio")->setCurrentIndex(1);
    tracks("cb_subtitle")->setCurrentIndex(1);
    setMark(4, false);
    std::vector<Job> later;
    for (int row = 2; row < 5; ++row)
        later.push_back(w.session().jobs().job(row));

    clickRow(1);
    w.run(MainCommand::RemoveRows);
    ASSERT_EQ(column(0), QStringList({"Title_01", "  Chapter_03", "Title_04", "  Chapter_01"}));
    for (int row = 1; row < 4; ++row)
        EXPECT_EQ(w.session().jobs().job(row), later[row - 1]) << row;
    EXPECT_EQ(marks(), std::vector<bool>({true, true, true, false}));
    EXPECT_EQ(w.session().jobs().selectedRow(), 1);
    EXPECT_EQ(items("cb_audio"), kFirstSetAudio);
    EXPECT_EQ(std::pair(tracks("cb_audio")->currentIndex(), tracks("cb_subtitle")->currentIndex()), std::pair(1, 1));
    clickRow(3);
    EXPECT_EQ(items("cb_audio"), QStringList({"AC-3 en 2ch 48000Hz (0x80)"}));
}

TEST_F(DvdWindowTest, ConvertsATitleWithItsChosenTracksAndAChapter)
{
    Tfm_main &w = startDvd(kDivxProfile);
    w.session().profile().setPictureFit(PictureFit::Stretch); // the subtitle is measured over the whole frame
    addDvd(testDvd().discRoot);
    clickSkin("chapter");
    for (int row : {1, 3, 4})
        setMark(row, false);
    clickRow(0);
    tracks("cb_audio")->setCurrentIndex(1);
    tracks("cb_subtitle")->setCurrentIndex(1);

    veltrix::test::TempDir out;
    child<QLineEdit>("ed_output")->setText(qs(out.path()));
    QTest::mouseClick(child<QAbstractButton>("bt_start"), Qt::LeftButton);
    // Until register.dat reports, the Status moves on a one-second timer.
    EXPECT_TRUE(w.session().encoderRun().isCreeping());
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().isConverting(), 180000);
    EXPECT_EQ(column(4), QStringList({"Finish", "Ready", "Finish", "Ready", "Ready"}));

    const std::string title = out.file("Title_01.avi");
    EXPECT_NEAR(veltrix::test::durationOf(title), 35.0, 0.2);
    EXPECT_NEAR(veltrix::test::toneOf(title), testDvd().facts.secondTone, 10);
    EXPECT_EQ(veltrix::test::subtitlePointsAt(title, 4), veltrix::test::kSubtitlePoints);
    EXPECT_NEAR(veltrix::test::durationOf(out.file("Chapter_03.avi")), 20.0, 0.1);
    EXPECT_TRUE(m_prompts.boxes().empty());
}

// An audio profile writes no picture; a title whose IFO file has gone, or
// whose video files are missing, fails with its own reason and the batch
// goes on, to a file added in the DVD edition too and its after-batch
// action; the titles that could not start are told once, after it.
TEST_F(DvdWindowTest, AudioProfileFailedTitlesAndFileRowInOneBatch)
{
    veltrix::test::TempDir media;
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=660:duration=2", media.file("tone.wav"));
    const QString gone = qs(media.file("VTS_01_0.IFO"));
    ASSERT_TRUE(QFile::copy(qs(testDvd().noVobs + "/VTS_01_0.IFO"), gone));
    Tfm_main &w = startDvd(kMp3Profile);
    m_prompts.fileAnswers.push_back({gone, qs(testDvd().noVobs + "/VTS_01_0.IFO"), qs(testDvd().ifo(2))});
    clickSkin("ifoopen");
    m_prompts.fileAnswers.push_back({qs(media.file("tone.wav"))});
    QTest::mouseClick(child<QAbstractButton>("bt_dvdopen"), Qt::LeftButton);
    ASSERT_TRUE(addEnded(w));
    ASSERT_EQ(column(0), QStringList({"Title_01", "Title_02", "Title_03", "tone"}));
    ASSERT_TRUE(QFile::remove(gone)); // the disc was taken out

    veltrix::test::TempDir out;
    child<QLineEdit>("ed_output")->setText(qs(out.path()));
    w.session().batch().setAfterBatchAction(AfterBatchAction::OpenFolder);
    std::size_t boxesInTheBatch = 99;
    QObject::connect(&w.session().batch(), &Batch::batchEnded, [&] { boxesInTheBatch = m_prompts.boxes().size(); });
    QTest::mouseClick(child<QAbstractButton>("bt_start"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().isConverting(), 120000);
    EXPECT_EQ(column(4), QStringList({"Failed", "Failed", "Finish", "Finish"}));
    EXPECT_TRUE(w.session().jobs().status(0).reason.contains(gone))
        << w.session().jobs().status(0).reason.toStdString();
    EXPECT_TRUE(w.session().jobs().status(1).reason.endsWith("has no video files (VTS_01_1.VOB and on): copy the whole "
                                                             "VIDEO_TS folder, or insert the disc"))
        << w.session().jobs().status(1).reason.toStdString();
    EXPECT_EQ(boxesInTheBatch, 0u);
    EXPECT_EQ(m_shell.openedFolders.size(), 1);
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_TRUE(m_prompts.boxes()[0].text.contains("Title_01: " + w.session().jobs().status(0).reason))
        << m_prompts.boxes()[0].text.toStdString();
    EXPECT_EQ(QDir(qs(out.path())).entryList(QDir::Files), QStringList({"Title_03.mp3", "tone.mp3"}));
    const auto streams = veltrix::test::runProcess(
        {"ffprobe", "-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", out.file("Title_03.mp3")});
    EXPECT_EQ(streams.output, "audio\n");
    EXPECT_EQ(veltrix::test::ffprobeField(out.file("tone.mp3"), "stream=codec_name"), "mp3");
}

// The preview plays a DVD row's own sectors with the tracks chosen for it,
// and a snapshot reads them too.
TEST_F(DvdWindowTest, ADvdRowPreviewsAndSnapshotsItsSectorsAndTracks)
{
    Tfm_main &w = startDvd();
    addDvd(testDvd().discRoot);
    clickSkin("chapter");
    clickRow(2);
    tracks("cb_audio")->setCurrentIndex(1);
    tracks("cb_subtitle")->setCurrentIndex(1);
    const Job &chapter = w.session().jobs().job(2);
    const DvdPreviewSource source = dvdPreviewSourceOf(chapter.convert, chapter.clip);
    EXPECT_EQ(QDir(source.dvdFolder), QDir(qs(testDvd().discRoot)));
    EXPECT_EQ(source.titleSet, 1);
    EXPECT_EQ(source.sectors, std::vector<DvdSectorRange>({{chapter.convert.firstSector, chapter.convert.lastSector}}));
    EXPECT_EQ(std::pair(source.audioStreamId, source.subtitleStreamId), std::pair(0xc0, 0x20));
    const Job &title = w.session().jobs().job(0);
    EXPECT_EQ(dvdPreviewSourceOf(title.convert, title.clip).sectors.size(), 3u) << "a title plays all its cells";
    TConvertInfo gone = title.convert;
    gone.ifoPath = qs(testDvd().discRoot + "/VIDEO_TS/VTS_07_0.IFO");
    EXPECT_TRUE(dvdPreviewSourceOf(gone, title.clip).sectors.empty());

    // Cut to its first second, the chapter still previews whole; a row click
    // meanwhile leaves the preview's time display and track lists alone; its
    // snapshot is named without the caption's leading blanks.
    veltrix::test::TempDir out;
    child<QLineEdit>("ed_output")->setText(qs(out.path()));
    tracks("cb_subtitle")->setCurrentIndex(0);
    w.session().jobs().setClipRange(2, {0, 100});
    w.session().jobs().setDuration(2, "00:00:01");
    w.run(MainCommand::StartPreview);
    ASSERT_TRUE(w.session().isPreviewing());
    EXPECT_EQ(column(4)[2], "Play");
    const QString shownLength = object(&w, "alltime")->text();
    clickRow(0);
    EXPECT_EQ(object(&w, "alltime")->text(), shownLength);
    EXPECT_EQ(tracks("cb_audio")->currentIndex(), 1);
    QTest::qWait(1500);
    EXPECT_TRUE(w.session().isPreviewing()) << "the chapter still plays past its clip";
    ASSERT_TRUE(w.session().jobs().caption(2).startsWith("  "));
    w.run(MainCommand::Snapshot);
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().snapshot().isTaking(), 20000);
    EXPECT_TRUE(QFileInfo::exists(qs(out.path()) + "/" + w.session().jobs().caption(2).trimmed() + ".bmp"));
    w.run(MainCommand::StopPreview);

    // A snapshot of the title while its subtitle shows has the subtitle in it.
    clickRow(0);
    tracks("cb_subtitle")->setCurrentIndex(1);
    w.run(MainCommand::StartPreview);
    QTRY_VERIFY_WITH_TIMEOUT(object(&w, "play_time")->text() >= "00:00:03", 10000);
    w.run(MainCommand::Snapshot);
    w.run(MainCommand::StopPreview);
    QTRY_VERIFY_WITH_TIMEOUT(!w.session().snapshot().isTaking(), 20000);
    ASSERT_TRUE(m_prompts.boxes().empty()) << m_prompts.boxes()[0].text.toStdString();
    EXPECT_EQ(veltrix::test::subtitlePointsAt(out.file("Title_01.bmp"), 0), veltrix::test::kSubtitlePoints);
}

// Status and Output Size stay inside the narrowed lists, beside a scroll bar.
TEST_F(DvdWindowTest, ListShowsEveryColumnWithinItsWidth)
{
    for (const char *edition : {"veltrix-dvd-ripper", "zuvok-dvd", "zuvok-converter", "veltrix-video-converter"}) {
        SCOPED_TRACE(edition);
        Tfm_main &w = startDvd(kMp3Profile, edition);
        if (w.listingTitles())
            w.run(MainCommand::ToggleListing);
        m_prompts.fileAnswers.push_back(QStringList(6, qs(testDvd().ifo(1))));
        w.run(MainCommand::AddIfo);
        ASSERT_EQ(lv()->model()->rowCount(), 18);
        QCoreApplication::processEvents();
        const QHeaderView *header = lv()->header();
        EXPECT_TRUE(lv()->verticalScrollBar()->isVisible());
        EXPECT_FALSE(lv()->horizontalScrollBar()->isVisible());
        EXPECT_LE(header->length(), lv()->viewport()->width());
        const QFontMetrics metrics(header->font());
        for (int c = 0; c < 5; ++c) {
            const QString caption = lv()->model()->headerData(c, Qt::Horizontal).toString();
            EXPECT_GE(header->sectionSize(c), metrics.horizontalAdvance(caption)) << caption.toStdString();
        }
        const int statusRight = header->sectionViewportPosition(kStatusColumn) + header->sectionSize(kStatusColumn);
        EXPECT_LE(lv()->viewport()->mapTo(&w, QPoint(statusRight, 0)).x(), lv()->geometry().right() + 1);
        EXPECT_GE(header->sectionSize(kStatusColumn), lv()->fontMetrics().horizontalAdvance("100.00%"));
        // Shown track lists name themselves, unclipped, while nothing is chosen.
        for (const char *name : {"cb_audio", "cb_subtitle"}) {
            QComboBox *list = tracks(name);
            if (list->isHidden())
                continue;
            list->setCurrentIndex(-1);
            QStyleOptionComboBox option;
            option.initFrom(list);
            const QRect field =
                list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
            EXPECT_FALSE(list->placeholderText().isEmpty()) << name;
            EXPECT_GE(field.width(), list->fontMetrics().horizontalAdvance(list->placeholderText())) << name;
        }
        m_window.reset();
    }
}

} // namespace
