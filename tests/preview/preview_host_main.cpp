// A program that previews a clip with the real player (null outputs) and is
// closed while the preview plays, without stopping it first. It reports what
// the lifetime test checks, one "key value" line each:
//   libmpv-at-start     1 when libmpv was mapped before the first preview
//   threads-at-start    threads of the process before the first preview
//   threads-playing     threads while the preview plays
//   libmpv-playing      1 when libmpv is mapped once a preview plays
//   threads-after-close threads once the window and its preview are gone
// Usage: preview_host <clip>

#include "platform/preview/mpv_preview_engine.h"
#include "preview/preview_playback.h"
#include "recording_preview_host.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QTimer>
#include <cstdio>

namespace {

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

int libmpvMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libmpv.so");
}

void report(const char *key, int value)
{
    std::printf("%s %d\n", key, value);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        QWidget window;
        auto *panel = new QFrame(&window);
        panel->setGeometry(0, 0, 320, 240);
        window.show();
        MpvPreviewEngine engine{MpvPreviewSettings{true, false}};
        RecordingHost host;
        host.rows = {PreviewRow{PreviewSource{QString::fromLocal8Bit(argv[1]), {}}, 30, 30}};
        PreviewDisplay display;
        display.panel = panel;
        PreviewPlayback playback(engine, host, display, host.busy);
        host.playback = &playback;

        report("libmpv-at-start", libmpvMapped());
        report("threads-at-start", threadCount());
        host.selectRow(0);
        playback.playSelectedRow();
        QTimer::singleShot(1500, &app, [&] {
            report("threads-playing", threadCount());
            report("libmpv-playing", libmpvMapped());
            window.close();
            app.quit();
        });
        app.exec();
    }
    report("threads-after-close", threadCount());
    return 0;
}
