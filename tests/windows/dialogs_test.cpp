// The folder chooser and the file information window.

#include "jobs/job_model.h"
#include "media_fixtures.h"
#include "profiles/active_profile.h"
#include "windows/tfm_dir.h"
#include "windows/tfm_info.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <fstream>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

// Selects `folder` in the chooser's tree.
void selectFolder(Tfm_dir &dir, const QString &folder)
{
    auto *tree = dir.findChild<QTreeView *>("ShellTreeView1");
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    const QModelIndex index = model->index(folder);
    tree->setCurrentIndex(index);
    tree->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

// Every way of leaving the chooser without OK, after an earlier OK chose a
// folder: the earlier folder must not come back as chosen again.
struct Decline {
    const char *what;
    void (*leave)(Tfm_dir &dir);
};

void PrintTo(const Decline &d, std::ostream *os)
{
    *os << d.what;
}

class FolderChooserDecline : public ::testing::TestWithParam<Decline> {};

TEST_P(FolderChooserDecline, OkTakesTheSelectedFolderAndDecliningClearsIt)
{
    TempDir temp;
    const QString folder = QString::fromStdString(temp.path());
    Tfm_dir dir;
    EXPECT_EQ(dir.windowTitle(), "Output Directory");

    QTimer::singleShot(0, &dir, [&] {
        selectFolder(dir, folder);
        dir.findChild<QPushButton *>("btn_ok")->click();
    });
    EXPECT_EQ(QDir(dir.choose("File Directory")).absolutePath(), QDir(folder).absolutePath());
    EXPECT_EQ(dir.windowTitle(), "File Directory");
    EXPECT_EQ(QDir(dir.chosenFolder()).absolutePath(), QDir(folder).absolutePath());

    QTimer::singleShot(0, &dir, [&] { GetParam().leave(dir); });
    EXPECT_EQ(dir.choose("Choose"), "");
    EXPECT_FALSE(dir.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FolderChooserDecline,
    ::testing::Values(Decline{"cancel", [](Tfm_dir &dir) { dir.findChild<QPushButton *>("btn_cancel")->click(); }},
                      Decline{"escape", [](Tfm_dir &dir) { QTest::keyClick(&dir, Qt::Key_Escape); }},
                      Decline{"close_box", [](Tfm_dir &dir) { dir.close(); }}),
    [](const ::testing::TestParamInfo<Decline> &info) { return std::string(info.param.what); });

TEST(FolderChooser, OkWithNothingSelectedKeepsTheWindowOpen)
{
    Tfm_dir dir;
    bool stillOpen = false;
    QTimer::singleShot(0, &dir, [&] {
        dir.findChild<QTreeView *>("ShellTreeView1")->selectionModel()->clear();
        dir.findChild<QPushButton *>("btn_ok")->click();
        stillOpen = dir.isVisible();
        dir.close(); // the close box: nothing chosen
    });
    EXPECT_EQ(dir.choose("x"), "");
    EXPECT_TRUE(stillOpen);
}

// The chooser opens showing the home folder, however deep it lies and
// whenever the file system model loads the folders above it, selected; or
// the folder given, wide enough for a long caption.
TEST(FolderChooser, OpensAtTheHomeFolderOrTheFolderGiven)
{
    TempDir temp;
    const QString home = QString::fromStdString(temp.path()) + "/a/b/c/home";
    QDir().mkpath(home);
    const QByteArray oldHome = qgetenv("HOME");
    ::setenv("HOME", home.toLocal8Bit().constData(), 1);
    // Created at start and opened later, when the model has loaded "/".
    Tfm_dir dir;
    QTest::qWait(1500);
    bool shown = false;
    bool chosen = true;
    QTimer::singleShot(0, &dir, [&] {
        auto *tree = dir.findChild<QTreeView *>("ShellTreeView1");
        auto *model = qobject_cast<QFileSystemModel *>(tree->model());
        shown = QTest::qWaitFor(
            [&] {
                const QRect place = tree->visualRect(model->index(home));
                return place.isValid() && tree->viewport()->rect().contains(place.center());
            },
            10000);
        auto *path = dir.findChild<QLineEdit *>("ed_path");
        chosen = tree->selectionModel()->isSelected(model->index(home)) && path->selectedText() == home;
        dir.close();
    });
    EXPECT_EQ(dir.choose("File Directory"), "");
    ::setenv("HOME", oldHome.constData(), 1);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(chosen);

    const QString caption = "Choose the DVD folder (the folder that holds VIDEO_TS)";
    QTimer::singleShot(0, &dir, [&] { dir.findChild<QPushButton *>("btn_ok")->click(); });
    EXPECT_EQ(dir.choose(caption, home + "/.."), QDir(home + "/..").absolutePath());
    EXPECT_GT(dir.width(), dir.fontMetrics().horizontalAdvance(caption));
}

// The path field follows the tree, takes a typed folder and refuses (saying
// so) one that does not exist; "New folder" makes one in the selected folder.
TEST(FolderChooser, TypedFoldersAndNewFolders)
{
    TempDir temp;
    const QString folder = QDir(QString::fromStdString(temp.path())).absolutePath();
    QDir().mkpath(folder + "/New folder");
    Tfm_dir dir;
    QString refusal;
    QString shownPath;
    QTimer::singleShot(0, &dir, [&] {
        auto *path = dir.findChild<QLineEdit *>("ed_path");
        path->setText(folder + "/missing");
        dir.findChild<QPushButton *>("btn_ok")->click();
        refusal = dir.findChild<QLabel *>("lb_status")->text();
        path->setText(folder);
        dir.findChild<QPushButton *>("bt_newfolder")->click();
        shownPath = path->text();
        dir.findChild<QPushButton *>("btn_ok")->click();
    });
    EXPECT_EQ(dir.choose("Choose"), folder + "/New folder 2");
    EXPECT_TRUE(refusal.contains(folder + "/missing")) << refusal.toStdString();
    EXPECT_EQ(shownPath, folder + "/New folder 2");
    EXPECT_TRUE(QFileInfo(folder + "/New folder 2").isDir());

    QTimer::singleShot(0, &dir, [&] {
        auto *path = dir.findChild<QLineEdit *>("ed_path");
        path->setText(folder);
        QTest::keyClick(path, Qt::Key_Return);
    });
    EXPECT_EQ(dir.choose("Choose"), folder);
}

struct InfoCase {
    const char *what;
    Toriginalinfo record;
    std::array<const char *, 5> fields;
};

void PrintTo(const InfoCase &c, std::ostream *os)
{
    *os << c.what;
}

// What the window reads beside the list: a file's streams, no DVD, no run.
const Tfm_info::Sources kSources{{QStringLiteral(VELTRIX_BIN_DIR "/register.dat"), QStringLiteral(VELTRIX_BIN_DIR "/")},
                                 [](const Job &) { return TrackLists{}; },
                                 [](const Job &) { return std::optional<JobRunRecord>(); }};

class FileInformation : public ::testing::TestWithParam<InfoCase> {};

TEST_P(FileInformation, ShowsTheFieldsAsTheProbeStoredThem)
{
    const Toriginalinfo record = GetParam().record;
    ActiveProfile profile{QStringLiteral(VELTRIX_BIN_DIR)};
    JobModel jobs{profile};
    Job job;
    job.original = record;
    jobs.append(job, QStringLiteral("test"), record.sourcePath);
    jobs.selectRow(0);
    Tfm_info info(jobs, kSources);
    info.show();
    const char *names[] = {"ed_duration", "ed_audioformat", "ed_audiobit", "ed_sample", "ed_channels"};
    for (int i = 0; i < 5; ++i) {
        auto *field = info.findChild<QLineEdit *>(names[i]);
        ASSERT_NE(field, nullptr) << names[i];
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_EQ(field->text(), QString::fromUtf8(GetParam().fields[i])) << names[i];
    }
    EXPECT_EQ(info.windowTitle(), "Properties-test");
}

Toriginalinfo audioRecord()
{
    Toriginalinfo r;
    r.duration = "00:03:25";
    r.audioCodec = "mp3";
    r.audioBitrate = "128";
    r.sampleRate = " 44100 Hz";
    r.channels = " stereo";
    return r;
}

Toriginalinfo dvdRecord()
{
    Toriginalinfo r;
    r.duration = "01:30:00";
    return r;
}

// Every stream of the source, read when the window shows: the picture's
// codec (without its tag), frame, display aspect and rate; each sound track
// with its language; the subtitles.
TEST(FileInformationStreams, ListsEveryStreamOfTheSource)
{
    TempDir media;
    std::ofstream(media.file("words.srt")) << "1\n00:00:00,000 --> 00:00:01,000\nHello\n";
    generateMedia(
        "-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i sine=duration=2 -f lavfi -i "
        "sine=duration=2:sample_rate=48000 -i "
            + media.file("words.srt")
            + " -map 0 -map 1 -map 2 -map 3 -c:v libx264 -pix_fmt yuv420p -color_primaries bt709 -color_trc bt709 "
              "-colorspace bt709 -c:a aac -ac:a:0 2 -ac:a:1 6 -c:s mov_text -metadata:s:a:0 language=eng "
              "-metadata:s:a:1 language=deu",
        media.file("film.mp4"));
    ActiveProfile profile{QStringLiteral(VELTRIX_BIN_DIR)};
    JobModel jobs{profile};
    Job job;
    job.original.sourcePath = QString::fromStdString(media.file("film.mp4"));
    jobs.append(job, QStringLiteral("film"), job.original.sourcePath);
    jobs.selectRow(0);
    Tfm_info info(jobs, kSources);
    info.show();
    auto *streams = info.findChild<QPlainTextEdit *>("me_streams");
    QTRY_VERIFY(streams->toPlainText().startsWith("Container: "));
    const QStringList lines = streams->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 5) << streams->toPlainText().toStdString();
    EXPECT_TRUE(lines[0].startsWith("Container: mov,mp4,m4a,3gp,3g2,mj2 \u00b7 length 00:00:02.0"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("Video 0:0: h264 (High) \u00b7 320x240 \u00b7 display 4:3 \u00b7 25 fps \u00b7 "))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("Audio 0:1 (eng): aac (LC) \u00b7 44100 Hz \u00b7 stereo \u00b7 "))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("Audio 0:2 (deu): aac (LC) \u00b7 48000 Hz \u00b7 5.1 \u00b7 "))
        << lines[3].toStdString();
    EXPECT_TRUE(lines[4].startsWith("Subtitle 0:3: mov_text")) << lines[4].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Sources, FileInformation,
    ::testing::Values(InfoCase{"audio", audioRecord(), {"00:03:25", "mp3", "128 Kb/s", " 44100 Hz", " stereo"}},
                      InfoCase{"dvd_row", dvdRecord(), {"01:30:00", "", " Kb/s", "", ""}}),
    [](const ::testing::TestParamInfo<InfoCase> &info) { return std::string(info.param.what); });

} // namespace
