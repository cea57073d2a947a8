// Resident memory of a window around its previews: at rest, while each of
// three previews plays and after each stops. The window's panel shows the
// clip through the real player (vo=gpu), so run it under an X server;
// bench/preview.sh does.
// Usage: bench_preview_memory <clip>; prints "<moment>_kb=<resident kB>" and
// "<moment>_file_kb=<kB of it mapped from files (libraries)>" lines.

#include "platform/preview/mpv_preview_engine.h"
#include "preview/preview_playback.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A "Key:   123 kB" line of /proc/self/status, in kB.
long statusKb(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// A job list of one row.
class OneRow : public PreviewHost {
public:
    explicit OneRow(QString path) : m_path(std::move(path)) {}
    int rowCount() const override { return 1; }
    std::optional<int> selectedRow() const override { return 0; }
    PreviewSource source(int) const override { return {m_path, {}}; }
    qint32 length(int) const override { return 0; }
    void setRowStatus(int, JobState) override {}
    void clearSelection() override {}
    void selectRow(int) override {}
    void reportError(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }

private:
    QString m_path;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(760, 520);
    auto *panel = new QFrame(&window);
    panel->setGeometry(482, 111, 233, 174);
    window.show();

    MpvPreviewEngine engine;
    OneRow host(QString::fromLocal8Bit(argv[1]));
    PreviewDisplay display;
    display.panel = panel;
    BusyState busy;
    PreviewPlayback playback(engine, host, display, busy);

    const auto report = [](const char *moment) {
        std::printf("%s_kb=%ld\n%s_file_kb=%ld\n", moment, statusKb("VmRSS:"), moment, statusKb("RssFile:"));
        std::fflush(stdout);
    };
    // Each step runs after the delay given with it, counted from the step before.
    const std::vector<std::pair<int, std::function<void()>>> steps = {
        {1000,
         [&] {
             report("rest");
             playback.playSelectedRow();
         }},
        {3000,
         [&] {
             report("first_playing");
             playback.stopPreview();
         }},
        {1000,
         [&] {
             report("first_stopped");
             playback.playSelectedRow();
         }},
        {3000,
         [&] {
             report("second_playing");
             playback.stopPreview();
         }},
        {1000,
         [&] {
             report("second_stopped");
             playback.playSelectedRow();
         }},
        {3000,
         [&] {
             report("third_playing");
             playback.stopPreview();
         }},
        {1000,
         [&] {
             report("third_stopped");
             app.quit();
         }},
    };
    int elapsed = 0;
    for (const auto &[delay, step] : steps) {
        elapsed += delay;
        QTimer::singleShot(elapsed, &app, step);
    }
    return app.exec();
}
