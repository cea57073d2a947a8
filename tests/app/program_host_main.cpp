// The program as its entry makes it, started with one file and its batch
// begun, as a user would have it after pressing Start: the tests end it with
// signals mid-job and start it again.
// Usage: program_host <output folder> <media file>. Prints "converting
// <encoder process id>" at the job's first progress and "ended" when the
// batch has ended, then exits.

#include "app/command_line_open.h"
#include "app/program.h"
#include "app/tfm_main.h"
#include "jobs/batch.h"

#include <QApplication>
#include <QLineEdit>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Program program(QStringLiteral(VELTRIX_BIN_DIR "/veltrix-video-converter"), QStringLiteral(VELTRIX_BIN_DIR));
    Tfm_main &window = program.window();
    window.show();
    openCommandLine(window, {QString::fromLocal8Bit(argv[2])});
    window.findChild<QLineEdit *>(QStringLiteral("ed_output"))->setText(QString::fromLocal8Bit(argv[1]));
    QObject::connect(&window.session().encoderRun(), &EncoderRun::progress, &app, [&window] {
        static bool told = false;
        if (!std::exchange(told, true))
            std::printf("converting %lld\n", static_cast<long long>(window.session().encoderRun().processId()));
        std::fflush(stdout);
    });
    QObject::connect(&window.session().batch(), &Batch::batchEnded, &app, [] {
        std::printf("ended\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    // The batch starts once the file is listed.
    QObject::connect(
        &window.session().busy(), &BusyState::changed, &app,
        [&window] {
            if (!window.session().busy().is(Busy::Adding))
                window.run(MainCommand::StartBatch);
        },
        Qt::SingleShotConnection);
    return app.exec();
}
