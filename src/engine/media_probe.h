#pragma once
// The media probe: runs register.dat with "-i" and the file alone and reads
// its description into ProbeResults. It has its own run, separate from the
// conversion run, and probes never overlap.

#include "engine/child_run.h"
#include "engine/probe_extraction.h"

#include <QObject>

inline constexpr qsizetype kProbeChunkSize = 2048;
// A probe that writes nothing for this long (a FIFO, a stalled mount) is ended
// and its file counts as unsupported.
inline constexpr int kProbeStallTimeoutMs = 30000;

// The run of one probe of `mediaPath`.
ChildRun::Options probeRunOptions(const QString &encoderPath, const QString &workdir, const QString &mediaPath,
                                  int stallTimeoutMs = kProbeStallTimeoutMs);

class MediaProbe : public QObject {
    Q_OBJECT
public:
    explicit MediaProbe(QObject *parent = nullptr);

    // Clears the results, sets the busy flag and starts register.dat
    // (encoderPath, working folder workdir); returns at once. Ignored while
    // a probe is busy.
    void start(const QString &encoderPath, const QString &workdir, const QString &mediaPath);
    bool isBusy() const { return m_child.isRunning(); }
    // Ends a busy probe; finished() follows, with results no one should trust.
    void stop() { m_child.stop(); }
    // Process id (and process group id) of the running probe; 0 when idle.
    qint64 processId() const { return m_child.processId(); }
    // The stall timeout of later probes (tests shorten it).
    void setStallTimeoutMs(int ms) { m_stallTimeoutMs = ms; }

    // The results of the last finished probe; empty while a probe is busy and
    // after a probe that stalled.
    const ProbeResults &results() const { return m_results; }
    // How the last probe ended.
    const RunOutcome &outcome() const { return m_outcome; }

signals:
    // The probe's resources are released and its results are readable.
    void finished();

private:
    void release(const RunOutcome &outcome);

    ChildRun m_child;
    int m_stallTimeoutMs = kProbeStallTimeoutMs;
    ProbeFindings m_found;  // grows while output arrives
    ProbeResults m_results; // published once all output is parsed
    RunOutcome m_outcome;
};
