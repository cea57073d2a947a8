#pragma once
// How far a batch has come, as the hint line tells it while the batch
// converts: "Converting 3 of 12 · 2 running · 04:12 left · 3.4x".

#include <QString>
#include <QtGlobal>

struct BatchPace {
    int started = 0; // the batch's jobs started so far, the latest being number `started`
    int total = 0;   // the jobs the batch takes in all
    int running = 0;
    double convertedSeconds = 0; // of the sources, done and under way
    qint64 totalSeconds = 0;     // of the sources the batch takes
    qint64 activeMs = 0;         // the batch's time converting, pauses left out
};

// The pace is told once the batch has converted for kPaceSettleMs, so the
// first seconds of starting encoders do not make it jump.
inline constexpr qint64 kPaceSettleMs = 3000;

// "Converting n of N", then " · k running" while several jobs run, then the
// time left and the speed (source seconds per second) once they settle.
QString batchPaceHint(const BatchPace &pace);
