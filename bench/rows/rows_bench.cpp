// The main window with a long job list (10,000 rows by default): the
// window's own CPU per row to add the files (their probes run in child
// processes and are not counted), to select every row, to check every row,
// to remove every other row, and to start a batch over the rows left (until
// its first jobs run; it is stopped afterwards); how many rows a progress
// update repaints; and the resident memory at rest, empty and with every
// row. Prints, per round:
//   round <add> <select> <check> <remove> <start>   (ms of the window's CPU per row)
//   repaint <rows>                                   (rows painted per progress update of a row)
//   memory <empty kB> <full kB>
// Run through bench/rows.sh, which sums the rounds up.
// Usage: bench_rows [rounds] [rows]

#include "app/job_list_view.h"
#include "app/tfm_main.h"
#include "bench_stand_ins.h"
#include "jobs/job_model.h"
#include "session/converter_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int kClips = 5;
constexpr int kRestMs = 1500;

double selfCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long rssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Lets the window handle what a command left for later (layouts, repaints,
// the job list file's write) for `ms`.
void settle(int ms = 300)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window's CPU for a command and what it left for later, per row.
template <class Command> double cpuPerRow(int rows, Command command)
{
    const double before = selfCpuMs();
    command();
    settle();
    return (selfCpuMs() - before) / rows;
}

// The rows the list's viewport paints, counted by the height of what each
// paint covers.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *viewport, int rowHeight) : m_rowHeight(rowHeight)
    {
        viewport->installEventFilter(this);
    }
    double paintedRows = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                paintedRows += double(rect.height()) / m_rowHeight;
        return false;
    }

private:
    int m_rowHeight;
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir work;
    useFreshHome(work);
    QApplication app(argc, argv);
    const QString bin = QStringLiteral(VELTRIX_BIN_DIR);
    const int rounds = std::max(1, argc > 1 ? std::atoi(argv[1]) : 5);
    const int rows = std::max(2, argc > 2 ? std::atoi(argv[2]) : 10000);
    const QStringList clips = makeClips(work.path(), kClips, QStringLiteral("320x240"), 20);
    if (clips.isEmpty()) {
        std::fprintf(stderr, "ffmpeg could not make the test clips\n");
        return 1;
    }
    QStringList files;
    for (int i = 0; i < rows; ++i)
        files << clips[i % kClips];

    BenchPrompts prompts;
    NoShell shell;
    ConverterSession session(prompts, shell, bin + "/veltrix-video-converter", bin);
    const auto window = std::make_unique<Tfm_main>(session);
    window->show();
    window->findChild<QLineEdit *>("ed_output")->setText(work.path() + "/out");
    JobModel &jobs = session.jobs();
    JobListView &list = window->listView();
    settle(kRestMs);
    const long emptyKb = rssKb();
    std::printf("%d rounds of %d rows\n", rounds, rows);

    for (int round = 0; round < rounds; ++round) {
        prompts.nextFiles = files;
        const double add = cpuPerRow(rows, [&] {
            window->run(MainCommand::AddFiles);
            waitForAdd(session.busy());
        });
        settle(kRestMs);
        const long fullKb = rssKb();
        const double select = cpuPerRow(rows, [&] { list.selectAll(); });
        const double check = cpuPerRow(rows, [&] { window->run(MainCommand::CheckAll); });
        {
            // As Ctrl+clicks select them; the selection keeps no copy.
            QItemSelection odd;
            for (int row = 1; row < rows; row += 2)
                odd.select(jobs.index(row, 0), jobs.index(row, kJobColumns - 1));
            jobs.selection()->select(odd, QItemSelectionModel::ClearAndSelect);
        }
        settle();
        const double remove = cpuPerRow(rows / 2, [&] { window->run(MainCommand::RemoveRows); });
        const int left = jobs.rowCount();

        list.scrollToTop(); // the first rows, whose jobs start, in sight
        settle();
        const double start = cpuPerRow(left, [&] { window->findChild<QAbstractButton *>("bt_start")->click(); });
        // The progress updates of the first jobs.
        const PaintWatch paints(list.viewport(), list.visualRect(jobs.index(0, 0)).height());
        int updates = 0;
        const QMetaObject::Connection counting =
            QObject::connect(&jobs, &JobModel::dataChanged, [&](const QModelIndex &first, const QModelIndex &last) {
                updates += last.row() - first.row() + 1;
            });
        settle(2000);
        QObject::disconnect(counting);
        const double repainted = updates ? paints.paintedRows / updates : 0;
        window->run(MainCommand::StopBatch);
        while (session.encoderRuns().anyRunning())
            settle(100);
        std::printf("round %.3f %.3f %.3f %.3f %.3f\nrepaint %.2f\nmemory %ld %ld\n", add, select, check, remove, start,
                    repainted, emptyKb, fullKb);
        std::fflush(stdout);
        jobs.clear();
        settle();
    }
    return 0;
}
