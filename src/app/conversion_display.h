#pragma once
// What the conversion bar, the hint line and the window title show around a
// batch: the progress and the batch's pace while it converts, its percentage
// before the title; the bar greyed and "Paused"
// while the batch is paused; how many jobs finished, failed and were stopped
// once it has ended, until the next batch starts.

#include "jobs/batch_tally.h"

#include <QString>
#include <optional>

// The hint line at the end of a batch: "Conversion ended: 2 finished, 1 failed, 0 stopped".
QString batchEndHint(const BatchTally &tally);

inline const QString kPausedHint = QStringLiteral("Paused");

// Where the display draws: the conversion bar and the hint line.
class ConversionSurface {
public:
    virtual ~ConversionSurface() = default;
    virtual void showBar(qint32 value) = 0; // 0 to 10000
    virtual void greyBar(bool greyed) = 0;
    virtual void showHint(const QString &text) = 0;
    // The batch's percentage before the window's title; nothing: the title alone.
    virtual void showBatchPercent(std::optional<int> percent) = 0;
};

class ConversionDisplay {
public:
    explicit ConversionDisplay(ConversionSurface &surface) : m_surface(surface) {}

    // What the batch reports for the bar, the hint line and the title
    // (`batchValue`, 0 to 10000).
    void runDisplay(qint32 barValue, const QString &statusLine, qint32 batchValue);
    // The batch was paused, or continued with `statusLine` as its hint.
    void setPaused(bool paused, const QString &statusLine);
    void batchStarted();
    void batchEnded(const BatchTally &tally);

private:
    // Ends the paused look without touching the hint line.
    void ungrey();

    ConversionSurface &m_surface;
    bool m_paused = false;
    bool m_showingSummary = false;
};
