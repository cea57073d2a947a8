// A program that starts one long encoder run and waits: the test kills it
// and checks that its encoder goes with it.
// Usage: encoder_host <input> <output>; prints the encoder's process id.

#include "engine/encoder_run.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    EncoderRun run;
    run.setExecutableFolder(VELTRIX_BIN_DIR);
    intputrec &rec = run.record();
    rec.inputfile = QString::fromLocal8Bit(argv[1]);
    rec.outputfile = QString::fromLocal8Bit(argv[2]);
    rec.extra = " -re -vcodec mpeg4";
    run.startRun();
    std::printf("encoder %lld\n", static_cast<long long>(run.processId()));
    std::fflush(stdout);
    return app.exec();
}
