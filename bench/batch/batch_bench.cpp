// A batch and the adding of files through the program's own window, against
// the same work done by bare ffmpeg: five 30-second clips converted with the
// command lines the program builds, run one after another; fifty files added
// (probe included) against fifty "ffmpeg -i" runs. Prints median wall times
// of three rounds and their ratios. Run through bench/batch.sh.

#include "app/program_windows.h"
#include "ui_text/prompts.h"
#include "app/tfm_main.h"
#include "engine/commandline.h"
#include "engine/encoder_run.h"
#include "jobs/argument_pieces.h"
#include "jobs/job_list.h"
#include "jobs/profile_choices.h"
#include "platform/shell/desktop_shell.h"
#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kClips = 5;
constexpr int kAddedFiles = 50;
constexpr int kRounds = 3;

// Answers the file-open dialog with the files the bench hands it; boxes are
// printed, never shown.
class BenchPrompts : public Prompts {
public:
    QStringList nextFiles;
    void warning(const QString &text) override { std::fprintf(stderr, "warning: %s\n", qPrintable(text)); }
    void information(const QString &text) override { std::fprintf(stderr, "information: %s\n", qPrintable(text)); }
    bool question(const QString &) override { return true; }
    QStringList openFiles(const QString &) override { return std::exchange(nextFiles, {}); }
    QString chooseFolder(const QString &) override { return {}; }
};

class NoShell : public DesktopShell {
public:
    void openFolder(const QString &) override {}
    void openLink(const QString &) override {}
    void powerOff() override {}
    bool hasTray() const override { return false; }
};

bool runFfmpeg(const QStringList &args)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start("ffmpeg", QStringList{"-nostdin", "-hide_banner", "-loglevel", "error"} + args);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitCode() == 0;
}

void waitUntil(const std::function<bool()> &done)
{
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int firstProfileWithExtension(const QString &extension)
{
    for (const int id : catalogueIds())
        if (outputExtension(*displayName(id)) == extension)
            return id;
    return 17;
}

// The batch's command lines, with their outputs moved into another folder.
std::vector<QStringList> sameCommandLines(Tfm_main &window, const QString &folder)
{
    std::vector<QStringList> lines;
    JobList &jobs = window.jobs();
    const ProfileChoices choices = profileChoicesOf(*window.selection(), *window.windows().fm_set, false);
    const QString extension = outputExtension(window.selection()->activeProfile().displayName);
    for (int row = 0; row < jobs.rowCount(); ++row) {
        const std::optional<JobPieces> pieces = jobPieces(jobs.job(row), choices);
        if (!pieces)
            continue;
        intputrec rec;
        rec.inputfile = jobs.original(row).sourcePath;
        rec.outputfile = folder + QStringLiteral("/ref%1").arg(row) + extension;
        rec.size = pieces->size;
        rec.aspect = pieces->aspect;
        rec.videobitrate = pieces->videobitrate;
        rec.audiobitrate = pieces->audiobitrate;
        rec.samplerate = pieces->samplerate;
        rec.channels = pieces->channels;
        rec.start = pieces->start;
        rec.length = pieces->length;
        rec.extra = pieces->extra;
        lines.push_back(encoderArguments(rec));
    }
    return lines;
}

void printRow(const char *what, qint64 ours, qint64 bare)
{
    std::printf("%-46s %7lld ms %7lld ms %6.3f\n", what, static_cast<long long>(ours), static_cast<long long>(bare),
                bare > 0 ? double(ours) / double(bare) : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", (work.path() + "/config").toLocal8Bit());
    QApplication app(argc, argv);
    const QString bin = QStringLiteral(VELTRIX_BIN_DIR);

    QStringList clips;
    for (int i = 0; i < kClips; ++i) {
        clips << work.path() + QStringLiteral("/clip %1.mp4").arg(i);
        if (!runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("testsrc=size=640x480:rate=25:duration=30"), "-f", "lavfi",
                        "-i", QStringLiteral("sine=frequency=%1:duration=30").arg(300 + 50 * i), "-c:v", "libx264",
                        "-preset", "ultrafast", "-c:a", "aac", "-shortest", clips.last()})) {
            std::fprintf(stderr, "ffmpeg could not make the test clips\n");
            return 1;
        }
    }

    BenchPrompts prompts;
    NoShell shell;
    std::unique_ptr<Tfm_main> window = createProgramWindows(prompts, shell, bin + "/veltrix-video-converter", bin);
    window->show();
    const int profile = firstProfileWithExtension(".avi");
    window->selection()->setCurrentProfileId(profile);
    window->selection()->selectProfile(profile);
    const QString out = work.path() + "/out";
    const QString reference = work.path() + "/reference";
    QDir().mkpath(reference);
    window->findChild<QLineEdit *>("ed_output")->setText(out);
    JobList &jobs = window->jobs();
    EncoderRun &run = window->encoderRun();

    std::vector<qint64> batchOurs, batchBare, addOurs, addBare;
    for (int round = 0; round < kRounds; ++round) {
        QDir(out).removeRecursively();
        jobs.clear();
        prompts.nextFiles = clips;
        jobs.addFiles();

        QElapsedTimer timer;
        timer.start();
        window->findChild<QAbstractButton *>("bt_start")->click();
        waitUntil([&] { return !window->isConverting() && !run.isRunning(); });
        batchOurs.push_back(timer.elapsed());

        const std::vector<QStringList> lines = sameCommandLines(*window, reference);
        timer.restart();
        for (const QStringList &line : lines)
            runFfmpeg(line);
        batchBare.push_back(timer.elapsed());

        QStringList many;
        for (int i = 0; i < kAddedFiles; ++i)
            many << clips[i % kClips];
        jobs.clear();
        prompts.nextFiles = many;
        timer.restart();
        jobs.addFiles();
        addOurs.push_back(timer.elapsed());
        timer.restart();
        for (const QString &file : many)
            runFfmpeg({"-i", file}); // exits 1: no output named, as a probe does
        addBare.push_back(timer.elapsed());
        jobs.clear();
    }

    std::printf("profile %d (%s), median of %d rounds\n", profile, qPrintable(*displayName(profile)), kRounds);
    std::printf("%-46s %10s %10s %6s\n", "", "program", "ffmpeg", "ratio");
    printRow("batch of 5 x 30 s 640x480 clips", median(batchOurs), median(batchBare));
    printRow("adding 50 files (probe) vs 50 ffmpeg -i", median(addOurs), median(addBare));
    return 0;
}
