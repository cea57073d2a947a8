#include "engine/encoder_process.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

QProcess *startEncoderProcess(const QString &program, const QStringList &arguments, const QString &workdir,
                              QObject *parent)
{
    auto *process = new QProcess(parent);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setWorkingDirectory(workdir);
    process->setChildProcessModifier([] {
        ::setpgid(0, 0);
        // The encoder ends with the program, however the program ends.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    process->start(program, arguments, QIODevice::ReadWrite);
    return process;
}

void signalProcessGroup(const QProcess &process, int sig)
{
    const qint64 pid = process.processId();
    if (pid <= 0)
        return;
    if (::kill(static_cast<pid_t>(-pid), sig) != 0)
        ::kill(static_cast<pid_t>(pid), sig);
}

void killProcessGroupNow(QProcess &process, int graceMs)
{
    if (process.state() == QProcess::NotRunning)
        return;
    const qint64 pid = process.processId();
    signalProcessGroup(process, SIGCONT);
    signalProcessGroup(process, SIGTERM);
    if (!process.waitForFinished(graceMs)) {
        signalProcessGroup(process, SIGKILL);
        process.waitForFinished(1000);
    }
    // Children that outlived the bridge still carry its group id.
    if (pid > 0)
        ::kill(static_cast<pid_t>(-pid), SIGKILL);
}
