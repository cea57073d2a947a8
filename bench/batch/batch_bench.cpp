// A batch and the adding of files through the program's own window, against
// the same work done by bare ffmpeg: five 30-second clips converted with the
// command lines the program builds, run one after another; fifty files added
// (probe included) against fifty "ffmpeg -i" runs. Each round runs the
// program's side, then ffmpeg's, and prints one line per comparison:
//   pair <what> <program wall ms> <program CPU ms> <ffmpeg wall ms> <ffmpeg CPU ms>
//   window <what> <CPU ms of the window's own process>
// CPU counts this process and every process it ran and waited for. Run
// through bench/batch.sh, which sums the rounds up.
// Usage: bench_batch [rounds]   (7 at least)

#include "app/tfm_main.h"
#include "engine/commandline.h"
#include "engine/encoder_runs.h"
#include "jobs/argument_pieces.h"
#include "jobs/file_job_start.h"
#include "jobs/job_model.h"
#include "platform/shell/desktop_shell.h"
#include "profiles/active_profile.h"
#include "profiles/catalogue.h"
#include "profiles/profile_choices.h"
#include "ui_text/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

namespace {

constexpr int kClips = 5;
constexpr int kAddedFiles = 50;
constexpr int kLeastRounds = 7;

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
    bool openFolder(const QString &) override { return true; }
    bool openLink(const QString &) override { return true; }
    void powerOff() override {}
    bool hasTray() const override { return false; }
    void notify(const QString &, const QString &) override {}
    void inhibitSleep(const QString &) override {}
    void allowSleep() override {}
};

bool runFfmpeg(const QStringList &args)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start("ffmpeg", QStringList{"-nostdin", "-hide_banner", "-loglevel", "error"} + args);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitCode() == 0;
}

// Runs an event loop until `done` holds, checked after every end of an
// encoder run (queued, so that the batch has taken its next step by then).
void waitForBatchEnd(EncoderRuns &runs, const std::function<bool()> &done)
{
    if (done())
        return;
    QEventLoop loop;
    for (int i = 0; i < runs.count(); ++i)
        QObject::connect(
            &runs.at(i), &EncoderRun::runEnded, &loop,
            [&] {
                if (done())
                    loop.quit();
            },
            Qt::QueuedConnection);
    loop.exec();
}

double cpuMsOf(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Measured {
    double wallMs;
    double cpuMs;
};

// Wall time, and CPU time of this process and of the processes it ran and
// waited for, since the last restart.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_self = cpuMsOf(RUSAGE_SELF);
        m_children = cpuMsOf(RUSAGE_CHILDREN);
    }
    double selfCpuMs() const { return cpuMsOf(RUSAGE_SELF) - m_self; }
    Measured measured() const
    {
        return {double(m_wall.nsecsElapsed()) / 1e6, selfCpuMs() + cpuMsOf(RUSAGE_CHILDREN) - m_children};
    }

private:
    QElapsedTimer m_wall;
    double m_self = 0;
    double m_children = 0;
};

void printPair(const char *what, const Measured &program, const Measured &ffmpeg)
{
    std::printf("pair %s %.1f %.1f %.1f %.1f\n", what, program.wallMs, program.cpuMs, ffmpeg.wallMs, ffmpeg.cpuMs);
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
    JobModel &jobs = window.jobs();
    const ProfileChoices choices = window.profileChoices();
    const QString extension = outputExtension(window.profile().definition().displayName);
    for (int row = 0; row < jobs.rowCount(); ++row) {
        const std::optional<JobPieces> pieces = jobPieces(jobs.job(row), choices);
        if (!pieces)
            continue;
        const QString output = folder + QStringLiteral("/ref%1").arg(row) + extension;
        lines.push_back(encoderArguments(fileJobRecord(jobs.original(row).sourcePath, output, *pieces)));
    }
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", (work.path() + "/config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", (work.path() + "/state").toLocal8Bit()); // an empty job list at each start
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
    const auto window = std::make_unique<Tfm_main>(prompts, shell, bin + "/veltrix-video-converter", bin);
    window->show();
    const int profile = firstProfileWithExtension(".avi");
    window->profile().setCurrentProfileId(profile);
    window->profile().select(profile);
    const QString out = work.path() + "/out";
    const QString reference = work.path() + "/reference";
    QDir().mkpath(reference);
    window->findChild<QLineEdit *>("ed_output")->setText(out);
    JobModel &jobs = window->jobs();
    EncoderRuns &runs = window->encoderRuns();

    const int rounds = std::max(kLeastRounds, argc > 1 ? std::atoi(argv[1]) : 0);
    std::printf("profile %d (%s), %d rounds\n", profile, qPrintable(*displayName(profile)), rounds);
    for (int round = 0; round < rounds; ++round) {
        QDir(out).removeRecursively();
        jobs.clear();
        prompts.nextFiles = clips;
        window->run(MainCommand::AddFiles);

        Stopwatch watch;
        window->findChild<QAbstractButton *>("bt_start")->click();
        waitForBatchEnd(runs, [&] { return !window->isConverting() && !runs.anyRunning(); });
        const Measured batch = watch.measured();
        const double batchWindowCpu = watch.selfCpuMs();
        const std::vector<QStringList> lines = sameCommandLines(*window, reference);
        watch.restart();
        for (const QStringList &line : lines)
            runFfmpeg(line);
        printPair("batch", batch, watch.measured());
        std::printf("window batch %.1f\n", batchWindowCpu);

        QStringList many;
        for (int i = 0; i < kAddedFiles; ++i)
            many << clips[i % kClips];
        jobs.clear();
        prompts.nextFiles = many;
        watch.restart();
        window->run(MainCommand::AddFiles);
        const Measured adding = watch.measured();
        const double addingWindowCpu = watch.selfCpuMs();
        watch.restart();
        for (const QString &file : many)
            runFfmpeg({"-i", file}); // exits 1: no output named, as a probe does
        printPair("add", adding, watch.measured());
        std::printf("window add_per_file %.2f\n", addingWindowCpu / kAddedFiles);
        std::fflush(stdout);
        jobs.clear();
    }
    return 0;
}
