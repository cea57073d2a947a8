// Batches and the adding of files through the program's own window, against
// the same work done by bare ffmpeg, in parts named on the command line:
// "batch" five 30-second clips to DivX AVI, "h264" the same clips to H.264
// MP4, "mp3" sixteen 40-second WAV files to MP3 at "Normal", each against
// the command lines the program builds run by ffmpeg one after another;
// "add" fifty and "add2000" two thousand files added (probe included)
// against as many "ffmpeg -i" runs; "library" 48 tagged 30-second FLAC
// tracks to MP3 (128 kbit/s, jobs at once as Automatic says) against
// SoundConverter's batch mode at 128 kbit/s CBR, each side's outputs then
// checked whole and tagged ("check library <who> <n> of 48"). Each round runs every part,
// the program's side, then ffmpeg's, and prints one line per comparison:
//   pair <what> <program wall ms> <program CPU ms> <ffmpeg wall ms> <ffmpeg CPU ms>
//   window <what> <CPU ms of the window's own process>
// CPU counts this process and every process it ran and waited for. Run
// through bench/batch.sh, which sums the rounds up.
// Usage: bench_batch [rounds] [parts...]   (5 rounds at least; parts: batch add mp3 h264 by default, add2000, library)

#include "app/tfm_main.h"
#include "bench_stand_ins.h"
#include "engine/commandline.h"
#include "engine/encoder_runs.h"
#include "jobs/argument_pieces.h"
#include "jobs/file_job_start.h"
#include "jobs/job_model.h"
#include "profiles/active_profile.h"
#include "profiles/catalogue.h"
#include "profiles/profile_choices.h"
#include "session/converter_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

namespace {

constexpr int kClips = 5;
constexpr int kTracks = 16; // 40 s WAV files
constexpr int kAddedFiles = 50;
constexpr int kManyAddedFiles = 2000;
constexpr int kH264Profile = 5; // MP4-MPEG-4 AVC Video
constexpr int kMp3Profile = 17; // MP3-MPEG Layer-3Audio
constexpr int kLibraryTracks = 48; // 30 s tagged FLAC
constexpr int kLeastRounds = 5;

// Runs an event loop until `done` holds, checked after every end of an
// encoder run and every change of the busy state (queued, so that the batch
// has taken its next step by then: it reads each output back before its
// row is done).
void waitForBatchEnd(EncoderRuns &runs, BusyState &busy, const std::function<bool()> &done)
{
    if (done())
        return;
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    for (int i = 0; i < runs.count(); ++i)
        QObject::connect(&runs.at(i), &EncoderRun::runEnded, &loop, check, Qt::QueuedConnection);
    QObject::connect(&busy, &BusyState::changed, &loop, check, Qt::QueuedConnection);
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
    JobModel &jobs = window.session().jobs();
    const ProfileChoices choices = window.session().profileChoices();
    const QString extension = outputExtension(window.session().profile().definition().displayName);
    for (int row = 0; row < jobs.rowCount(); ++row) {
        std::optional<intputrec> record = jobPieces(jobs.job(row), choices);
        if (!record)
            continue;
        record->inputfile = jobs.original(row).sourcePath;
        record->outputfile = folder + QStringLiteral("/ref%1").arg(row) + extension;
        lines.push_back(encoderArguments(*record));
    }
    return lines;
}

// Prints how many MP3 files below `folder` are whole (30 s) and tagged.
void checkLibrary(const char *who, const QString &folder)
{
    int good = 0;
    QDirIterator files(folder, {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QProcess ffprobe;
        ffprobe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration:format_tags=title,artist", "-of",
                                  "default=nw=1:nk=1", files.next()});
        ffprobe.waitForFinished(-1);
        const QStringList facts = QString::fromUtf8(ffprobe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        good += facts.size() == 3 && facts[0].toDouble() >= 29.9;
    }
    std::printf("check library %s %d of %d whole and tagged\n", who, good, kLibraryTracks);
}

// One part of the bench, run once per round.
struct Bench {
    Tfm_main &window;
    BenchPrompts &prompts;
    QString out;
    QString reference;

    void useProfile(int id) const
    {
        window.session().profile().setCurrentProfileId(id);
        window.session().profile().select(id);
    }
    // A batch of `files` through the window, from an empty list into an
    // empty output folder; `windowCpu` is the window's own share.
    Measured convert(const QStringList &files, double &windowCpu) const
    {
        QDir(out).removeRecursively();
        window.session().jobs().clear();
        prompts.nextFiles = files;
        window.run(MainCommand::AddFiles);
        waitForAdd(window.session().busy());
        EncoderRuns &runs = window.session().encoderRuns();
        Stopwatch watch;
        window.findChild<QAbstractButton *>("bt_start")->click();
        waitForBatchEnd(runs, window.session().busy(),
                        [&] { return !window.session().isConverting() && !runs.anyRunning(); });
        windowCpu = watch.selfCpuMs();
        return watch.measured();
    }
    // A batch of `files` through the window against the same command lines
    // run by ffmpeg one after another.
    void batch(const char *what, const QStringList &files) const
    {
        double windowCpu = 0;
        const Measured batch = convert(files, windowCpu);
        const std::vector<QStringList> lines = sameCommandLines(window, reference);
        Stopwatch watch;
        for (const QStringList &line : lines)
            runFfmpeg(line);
        printPair(what, batch, watch.measured());
        std::printf("window %s %.1f\n", what, windowCpu);
    }
    // The library's tracks to MP3 through the window against SoundConverter.
    void library(const QStringList &files) const
    {
        QDir(reference).removeRecursively();
        QDir().mkpath(reference);
        double windowCpu = 0;
        const Measured batch = convert(files, windowCpu);
        Stopwatch watch;
        QProcess peer;
        peer.start("soundconverter", QStringList{"-b", "-f", "mp3", "-m", "cbr", "-q", "128", "-o", reference} + files);
        peer.waitForFinished(-1);
        printPair("library", batch, watch.measured());
        std::printf("window library %.1f\n", windowCpu);
        checkLibrary("program", out);
        checkLibrary("soundconverter", reference);
    }
    // Adding `files` (probe included) against as many bare "ffmpeg -i".
    void add(const char *what, const QStringList &files) const
    {
        window.session().jobs().clear();
        prompts.nextFiles = files;
        Stopwatch watch;
        window.run(MainCommand::AddFiles);
        waitForAdd(window.session().busy());
        const Measured adding = watch.measured();
        const double windowCpu = watch.selfCpuMs();
        watch.restart();
        for (const QString &file : files)
            runFfmpeg({"-i", file}); // exits 1: no output named, as a probe does
        printPair(what, adding, watch.measured());
        std::printf("window %s_per_file %.2f\n", what, windowCpu / files.size());
        window.session().jobs().clear();
    }
};

// `count` of the files, over and over.
QStringList repeated(const QStringList &files, int count)
{
    QStringList many;
    for (int i = 0; i < count; ++i)
        many << files[i % files.size()];
    return many;
}

// Tagged 30 s FLAC tracks, six to an album of one artist.
QStringList makeLibrary(const QString &folder)
{
    QStringList tracks;
    for (int i = 0; i < kLibraryTracks; ++i) {
        tracks << folder + QStringLiteral("/library/track %1.flac").arg(i, 2, 10, QChar(u'0'));
        QDir().mkpath(folder + QStringLiteral("/library"));
        if (!runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:duration=30").arg(200 + 10 * i), "-ac",
                        "2", "-metadata", QStringLiteral("title=Track %1").arg(i), "-metadata",
                        QStringLiteral("artist=Artist %1").arg(i / 12), "-metadata",
                        QStringLiteral("album=Album %1").arg(i / 6), "-metadata",
                        QStringLiteral("track=%1").arg(i % 6 + 1), tracks.last()}))
            return {};
    }
    return tracks;
}

bool makeMedia(const QString &folder, QStringList &clips, QStringList &tracks)
{
    clips = makeClips(folder, kClips, QStringLiteral("640x480"), 30);
    if (clips.isEmpty())
        return false;
    for (int i = 0; i < kTracks; ++i) {
        tracks << folder + QStringLiteral("/track %1.wav").arg(i);
        if (!runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:duration=40").arg(200 + 25 * i), "-ac",
                        "2", tracks.last()}))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir work;
    useFreshHome(work);
    QApplication app(argc, argv);
    const QString bin = QStringLiteral(VELTRIX_BIN_DIR);
    const int rounds = std::max(kLeastRounds, argc > 1 ? std::atoi(argv[1]) : 0);
    QStringList parts;
    for (int i = 2; i < argc; ++i)
        parts << QString::fromLocal8Bit(argv[i]);
    if (parts.isEmpty())
        parts = {"batch", "add", "mp3", "h264"};

    QStringList clips, tracks;
    if (!makeMedia(work.path(), clips, tracks)) {
        std::fprintf(stderr, "ffmpeg could not make the test media\n");
        return 1;
    }
    BenchPrompts prompts;
    NoShell shell;
    ConverterSession session(prompts, shell, bin + "/veltrix-video-converter", bin);
    const auto window = std::make_unique<Tfm_main>(session);
    window->show();
    const QString reference = work.path() + "/reference";
    QDir().mkpath(reference);
    const Bench bench{*window, prompts, work.path() + "/out", reference};
    window->findChild<QLineEdit *>("ed_output")->setText(bench.out);
    const int avi = firstProfileWithExtension(".avi");
    const QStringList library = parts.contains("library") ? makeLibrary(work.path()) : QStringList();

    std::printf("%d rounds of %s; profiles: batch %d (%s), mp3 %d (%s), h264 %d (%s)\n", rounds,
                qPrintable(parts.join(' ')), avi, qPrintable(*displayName(avi)), kMp3Profile,
                qPrintable(*displayName(kMp3Profile)), kH264Profile, qPrintable(*displayName(kH264Profile)));
    for (int round = 0; round < rounds; ++round) {
        for (const QString &part : parts) {
            if (part == "batch") {
                bench.useProfile(avi);
                bench.batch("batch", clips);
            } else if (part == "mp3") {
                bench.useProfile(kMp3Profile);
                bench.batch("mp3", repeated(tracks, kTracks));
            } else if (part == "library") {
                bench.useProfile(kMp3Profile);
                bench.library(library);
            } else if (part == "h264") {
                bench.useProfile(kH264Profile);
                bench.batch("h264", clips);
            } else if (part == "add") {
                bench.add("add", repeated(clips, kAddedFiles));
            } else if (part == "add2000") {
                bench.add("add2000", repeated(clips, kManyAddedFiles));
            }
            std::fflush(stdout);
        }
    }
    return 0;
}
