#pragma once
// Starting register.dat as a child process in a process group of its own, and
// signalling that whole group (the bridge and its ffmpeg) at once.

#include <QProcess>
#include <QStringList>

// Creates and starts the process: merged output channels, stdin an open pipe
// that is never written, working directory = workdir, own process group.
QProcess *startEncoderProcess(const QString &program, const QStringList &arguments, const QString &workdir,
                              QObject *parent);

// Sends sig to the process's group (falls back to the process alone).
void signalProcessGroup(const QProcess &process, int sig);

// Ends the group for good: continues it (a stopped group cannot act on
// SIGTERM), terminates it, and kills it when it has not ended within graceMs.
// Blocks for at most graceMs plus a short wait; used where the run must be
// gone before returning (shutdown, destruction).
void killProcessGroupNow(QProcess &process, int graceMs);
