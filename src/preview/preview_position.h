#pragma once
// The arithmetic of the preview's position display, as plain functions over
// plain values: which length a row's position bar spans, the slider and bar
// values, and one tick of the one-second position timer.

#include <QtGlobal>
#include <optional>

// The length the preview's position bar spans: the row's full duration (the
// whole file plays, also after a cut), or its duration where the full
// duration is 0 (DVD rows). Seconds; 0 when neither is known.
qint32 previewLength(qint32 fullDuration, qint32 rowDuration);

// Seconds to the nearest whole second, halves to the even neighbour; values
// beyond the int32 range are clamped.
qint32 wholeSeconds(double seconds);

// The slider and fill value (0 to 10000) of `second` on a bar spanning
// `length` seconds; 0 when the length is unknown.
qint32 positionBarValue(qint32 second, qint32 length);

// The second a slider value (0 to 10000; larger values count as 10000) stands
// for on a bar spanning `length` seconds.
qint32 sliderSecond(qint32 sliderValue, qint32 length);

// What the position timer keeps between ticks; a new preview starts from a
// default-constructed clock with awaitingStart set.
struct PreviewClock {
    bool awaitingStart = true; // until the first position above 0 arrives
    qint32 startOffset = 0;    // that first position, in whole seconds
    qint32 currentSecond = 0;  // elapsed seconds at the last tick
    double lastDifference = -1.0;
    double seekTarget = 0.0; // the display waits until the elapsed time reaches it
    qint32 stallCount = 0;   // ticks in a row on which the position stood still
};

// The first position above 0 gives the start offset of the player's time
// scale. Taken from the first position the player reports, not at the next
// one-second tick, which would find the file already a second in and shift
// the display, the marks and the seeks by that second.
void takeStartOffset(PreviewClock &clock, double reported);

// What one tick asks of the playback control.
struct PreviewTick {
    bool endNear = false;              // the end is reached: stop on the next 10 ms tick
    bool stalled = false;              // the position stood still for three ticks: stop now
    std::optional<qint32> shownSecond; // show this elapsed second
};

// One tick of the position timer with the position last reported by the
// player, on a row whose bar spans `length` seconds.
PreviewTick previewTick(PreviewClock &clock, double reported, qint32 length);
