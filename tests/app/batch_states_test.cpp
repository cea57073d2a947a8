// What the main window shows of a batch: the paused state on the bar, the
// hint line and the row; a failed row's reason in Properties; the summary
// at the end; and a double press on the Start/Stop pill.

#include "window_fixture.h"

#include "jobs/batch.h"
#include "windows/tfm_info.h"
#include "windows/tfm_set.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QThread>
#include <QTimer>
#include <functional>

using namespace veltrix::test;

namespace {

// Opens Properties modally as the user does, checks it while it is shown and closes it.
void showProperties(Tfm_main &w, const std::function<void(const Tfm_info &)> &check)
{
    bool shown = false;
    QTimer::singleShot(0, &w, [&] {
        Tfm_info &info = w.fm_info();
        shown = info.isVisible();
        check(info);
        info.accept();
    });
    w.run(MainCommand::FileInformation);
    EXPECT_TRUE(shown);
}

class BatchStatesTest : public WindowTest {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 2", s_media->file("tone.wav"));
        generateMedia("-f lavfi -i sine=frequency=660:duration=2 -ac 2", s_media->file("tone2.wav"));
        // Ten minutes of sound: converting long enough to be paused.
        generateMedia("-f lavfi -i anullsrc=r=8000:cl=mono -t 600 -b:a 8k", s_media->file("long.mp3"));
        generateMedia("-f lavfi -i sine=frequency=440:duration=4 -ac 2", s_media->file("corrupt.wav"));
        std::string bytes = readFile(s_media->file("corrupt.wav"));
        bytes.replace(20, 2, std::string("\x55\x55", 2)); // a sample format no decoder knows
        writeFile(s_media->file("corrupt.wav"), bytes);
    }
    static void TearDownTestSuite() { s_media.reset(); }
    static QString media(const char *name) { return QString::fromStdString(s_media->file(name)); }

    // The conversion bar's colour a few pixels into its left end.
    QColor barPixel() const
    {
        const SkinRect bar = skinObject("convertpos")->rect();
        return m_window->grab().toImage().pixelColor(bar.left + 4, (bar.top + bar.bottom) / 2);
    }
    static bool isGrey(const QColor &c) { return c.red() == c.green() && c.green() == c.blue(); }

    static inline std::unique_ptr<TempDir> s_media;
};

TEST_F(BatchStatesTest, PausedShowsOnTheBarTheHintLineAndTheRow)
{
    Tfm_main &w = start();
    addFiles({media("long.mp3")});
    w.run(MainCommand::StartBatch);
    // The bar has grown a little way.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.session().jobs().status(0).progress >= 200; }, 60000));
    EXPECT_FALSE(isGrey(barPixel()));

    w.run(MainCommand::PauseBatch);
    EXPECT_EQ(hintLine(), "Paused");
    EXPECT_EQ(w.session().jobs().statusColumn(0), "Paused");
    EXPECT_FALSE(skinObject("convertpos")->state());
    EXPECT_TRUE(isGrey(barPixel())) << barPixel().name().toStdString();
    // The hint line is not a hover text while converting: it stays.
    QTest::qWait(300);
    EXPECT_EQ(hintLine(), "Paused");
    // The encoder's own lines are in Properties, as the run goes.
    selectAlso(0);
    showProperties(w, [](const Tfm_info &info) {
        EXPECT_TRUE(info.findChild<QPlainTextEdit *>("me_output")->toPlainText().contains("time="));
    });

    w.run(MainCommand::PauseBatch);
    EXPECT_NE(hintLine(), "Paused");
    EXPECT_FALSE(hintLine().contains("time="));
    EXPECT_TRUE(w.session().jobs().statusColumn(0).endsWith('%'));
    EXPECT_TRUE(skinObject("convertpos")->state());
    EXPECT_FALSE(isGrey(barPixel()));

    // Stopped while paused: the summary replaces the paused look and stays
    // once the stopped encoder has ended.
    w.run(MainCommand::PauseBatch);
    w.run(MainCommand::StopBatch);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.session().encoderRun().isRunning(); }, 20000));
    EXPECT_EQ(hintLine(), "Conversion ended: 0 finished, 0 failed, 1 stopped");
    EXPECT_TRUE(skinObject("convertpos")->state());
}

TEST_F(BatchStatesTest, TheEndOfABatchIsSummedUpAndAFailedRowExplainsItself)
{
    Tfm_main &w = start();
    addFiles({media("tone.wav"), media("corrupt.wav"), media("tone2.wav")});
    ASSERT_EQ(w.session().jobs().rowCount(), 3);
    w.run(MainCommand::StartBatch);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !w.session().isConverting() && !w.session().encoderRun().isRunning(); }, 60000));

    EXPECT_EQ(hintLine(), "Conversion ended: 2 finished, 1 failed, 0 stopped");
    EXPECT_EQ(m_shell.notifications, QStringList{"Conversion finished: 2 finished, 1 failed, 0 stopped"});
    EXPECT_FALSE(m_shell.sleepInhibited);

    ASSERT_EQ(w.session().jobs().status(1).state, JobState::Failed);
    const QString reason = w.session().jobs().status(1).reason;
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(list()->model()->index(1, kStatusColumn).data(Qt::ToolTipRole).toString(), "Failed: " + reason);
    EXPECT_EQ(list()->model()->index(0, kStatusColumn).data(Qt::ToolTipRole).toString(), "");

    // Properties of the failed row, opened as its menu item opens it.
    list()->clearSelection();
    selectAlso(1);
    showProperties(w, [&](const Tfm_info &info) {
        EXPECT_TRUE(info.findChild<QGroupBox *>("gb_run")->isVisible());
        EXPECT_EQ(info.findChild<QLineEdit *>("ed_state")->text(), "Failed: " + reason);
        EXPECT_TRUE(info.findChild<QLineEdit *>("ed_commandline")->text().contains(media("corrupt.wav")));
        // The reason names the source; the encoder's lines hold its cause.
        EXPECT_TRUE(reason.endsWith(", reading " + media("corrupt.wav"))) << reason.toStdString();
        const QString cause = reason.section(", reading ", 0, 0);
        EXPECT_TRUE(info.findChild<QPlainTextEdit *>("me_output")->toPlainText().contains(cause));
        EXPECT_TRUE(QFileInfo::exists(info.findChild<QLineEdit *>("ed_logfile")->text()));
    });

    // A row that never ran shows no run.
    addFiles({media("tone.wav")});
    list()->clearSelection();
    selectAlso(3);
    showProperties(w, [](const Tfm_info &info) { EXPECT_FALSE(info.findChild<QGroupBox *>("gb_run")->isVisible()); });
}

TEST_F(BatchStatesTest, ASecondPressOnThePillWithinHalfASecondIsIgnored)
{
    Tfm_main &w = start();
    addFiles({media("long.mp3")});
    QTest::mouseClick(child<QAbstractButton>("bt_start"), Qt::LeftButton);
    ASSERT_TRUE(w.session().isConverting());
    // The Stop pill now lies where Start was: the second click of a double click.
    auto *stop = child<QAbstractButton>("Bt_Convertstop");
    ASSERT_TRUE(stop->isVisible());
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_TRUE(w.session().isConverting());

    QTest::qWait(kPressDebounceMs + 50);
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_FALSE(w.session().isConverting());
}

// "Jobs at once" from the Tools menu and the Settings dialog, kept in the
// settings file; with two, both rows convert beside each other.
TEST_F(BatchStatesTest, JobsAtOnceComesFromTheToolsMenuOrTheSettingsAndIsKept)
{
    if (QThread::idealThreadCount() < 2)
        GTEST_SKIP() << "one processor core: one job at a time";
    Tfm_main &w = start();
    const QList<QAction *> items = child<QMenu>("JobsAtOnce1")->actions();
    ASSERT_EQ(items.size(), 1 + QThread::idealThreadCount());
    EXPECT_EQ(items[0]->text(), "Automatic");
    EXPECT_TRUE(items[0]->isChecked());
    items[1]->trigger();
    EXPECT_EQ(w.session().batch().jobsAtOnceSetting(), 1);
    QTimer::singleShot(0, &w, [&] {
        auto *jobs = w.fm_set().findChild<QComboBox *>("cb_jobs");
        EXPECT_EQ(jobs->currentText(), "1");
        jobs->setCurrentIndex(2);
        w.fm_set().Button1Click();
    });
    w.run(MainCommand::SettingsDialog);
    EXPECT_TRUE(items[2]->isChecked());

    addFiles({media("tone.wav"), media("tone2.wav")});
    w.run(MainCommand::StartBatch);
    EXPECT_EQ(hintLine(), "Converting 2 of 2 \u00b7 2 running");
    EXPECT_EQ(w.session().jobs().statusColumn(1), "00.00%");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.session().isConverting(); }, 60000));
    EXPECT_EQ(hintLine(), "Conversion ended: 2 finished, 0 failed, 0 stopped");
    ASSERT_TRUE(w.close());
    EXPECT_NE(readFile(m_settings.file("veltrix/veltrix-video-converter.ini")).find("\nJobsAtOnce=2\n"),
              std::string::npos);
}

} // namespace
