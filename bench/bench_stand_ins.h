#pragma once
// What a bench hands the main window in place of the user and the desktop:
// the file-open dialog answers with the files the bench prepared, boxes are
// printed, never shown, and the desktop shell does nothing; the media a
// bench makes with ffmpeg, and a throw-away home for the program's files.

#include "engine/busy_state.h"
#include "platform/shell/desktop_shell.h"
#include "ui_text/prompts.h"

#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <utility>

// Settings and state (the job list) in `work`, so each run starts empty.
// Call before the application object is made.
inline void useFreshHome(const QTemporaryDir &work)
{
    qputenv("XDG_CONFIG_HOME", (work.path() + "/config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", (work.path() + "/state").toLocal8Bit());
}

// Runs ffmpeg quietly; whether it exited with 0.
// Runs the event loop until the add under way has listed its files.
inline void waitForAdd(BusyState &busy)
{
    QEventLoop loop;
    QObject::connect(&busy, &BusyState::changed, &loop, [&] {
        if (!busy.is(Busy::Adding))
            loop.quit();
    });
    if (busy.is(Busy::Adding))
        loop.exec();
}

inline bool runFfmpeg(const QStringList &args)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start("ffmpeg", QStringList{"-nostdin", "-hide_banner", "-loglevel", "error"} + args);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitCode() == 0;
}

// A test-pattern clip of `size` ("640x480") and `seconds`, H.264 with an AAC
// tone of `frequency` Hz.
inline bool makeClip(const QString &path, const QString &size, int seconds, int frequency)
{
    return runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("testsrc=size=%1:rate=25:duration=%2").arg(size).arg(seconds),
                      "-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:duration=%2").arg(frequency).arg(seconds),
                      "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-shortest", path});
}

// `count` such clips in `folder`, "clip 0.mp4" on, each with its own tone;
// empty when ffmpeg could not make them.
inline QStringList makeClips(const QString &folder, int count, const QString &size, int seconds)
{
    QStringList clips;
    for (int i = 0; i < count; ++i) {
        clips << folder + QStringLiteral("/clip %1.mp4").arg(i);
        if (!makeClip(clips.last(), size, seconds, 300 + 50 * i))
            return {};
    }
    return clips;
}

class BenchPrompts : public Prompts {
public:
    QStringList nextFiles;
    void warning(const QString &text) override { std::fprintf(stderr, "warning: %s\n", qPrintable(text)); }
    void information(const QString &text) override { std::fprintf(stderr, "information: %s\n", qPrintable(text)); }
    bool question(const QString &) override { return true; }
    QStringList openFiles(const QString &, const QString &) override { return std::exchange(nextFiles, {}); }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

class NoShell : public DesktopShell {
public:
    void open(OpenKind, const QString &, OpenFailed) override {}
    void powerOff() override {}
    bool hasTray() const override { return false; }
    void notify(const QString &, const QString &) override {}
    void inhibitSleep(const QString &) override {}
    void allowSleep() override {}
};
