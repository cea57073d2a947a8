#pragma once
// The media probe: runs register.dat with "-i" and the file alone and reads
// its description into ProbeResults. It has its own run state, separate from
// the conversion run, and probes never overlap.

#include "engine/probe_extraction.h"
#include "engine/tclientwaitthread.h"
#include "engine/tprocessor.h"

#include <QObject>
#include <QPointer>

class QProcess;

// The probe's reader and exit waiter are the conversion run's, reading in
// larger chunks: the description arrives at once and needs no live display.
using TtimeProcessor = TProcessor;
using TtimeClientWaitThread = TClientWaitThread;
inline constexpr qsizetype kProbeChunkSize = 2048;

class MediaProbe : public QObject {
    Q_OBJECT
public:
    explicit MediaProbe(QObject *parent = nullptr);
    ~MediaProbe() override; // ends a probe still running, with its process group

    // Clears the results, sets the busy flag and starts register.dat
    // (encoderPath, working folder workdir); returns at once. Ignored while
    // a probe is busy.
    void start(const QString &encoderPath, const QString &workdir, const QString &mediaPath);
    bool isBusy() const { return m_busy; }
    // Process id (and process group id) of the running probe; 0 when idle.
    qint64 processId() const;

    // Waits until the probe is no longer busy. The window keeps painting and
    // timers keep running, but no user input is taken meanwhile, so no
    // command can start while a file is being added.
    void waitUntilIdle();

    // The results of the last finished probe; empty while a probe is busy.
    const ProbeResults &results() const { return m_results; }
    // The encoder's exit code (kept for diagnosis; -1 when it did not start).
    int exitCode() const { return m_exitCode; }

signals:
    // The probe's resources are released and its results are readable.
    void finished();

private:
    void release(const RunExit &exit);

    bool m_busy = false;
    QPointer<QProcess> m_process;
    TtimeProcessor *m_reader = nullptr;
    TtimeClientWaitThread *m_waiter = nullptr;
    ProbeFindings m_found;  // grows while output arrives
    ProbeResults m_results; // published once all output is parsed
    int m_exitCode = -1;
};
