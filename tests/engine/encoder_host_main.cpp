// A program that starts one long encoder run and waits: the test kills it
// and checks that its encoder goes with it.
// Usage: encoder_host <input> <output> [pause]; prints the encoder's process
// id once it is running (and paused, when asked).

#include "engine/encoder_run.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4)
        return 2;
    const bool pause = argc == 4 && std::strcmp(argv[3], "pause") == 0;
    EncoderRun run;
    run.setExecutableFolder(VELTRIX_BIN_DIR);
    intputrec rec;
    rec.inputfile = QString::fromLocal8Bit(argv[1]);
    rec.outputfile = QString::fromLocal8Bit(argv[2]);
    // Real time keeps the encoder busy for the length of the clip.
    rec.extra = " -vcodec mpeg4 -vf realtime";
    if (!run.start(rec))
        return 1;
    if (pause) {
        // Let ffmpeg get going first, so the pause holds real work.
        QThread::msleep(500);
        run.pause();
    }
    std::printf("encoder %lld\n", static_cast<long long>(run.processId()));
    std::fflush(stdout);
    return app.exec();
}
