#pragma once
// Time codes: durations and positions written HH:MM:SS.

#include <QString>

// A duration or a position in hundredths of a second: the one unit in which
// a job's lengths are reckoned. Time codes are read into it where they enter
// and written from it where they are shown or stored.
using Hundredths = qint64;

// HH * 3600 + MM * 60 + SS, fields read at fixed positions 1-2, 4-5 and 7-8.
// Any field that is not a decimal number makes the whole result 0.
int timeCodeToSeconds(const QString &timeCode);

// Whole seconds as hours:minutes:seconds, each at least two digits; hours are
// not capped (360000 gives "100:00:00").
QString secondsToTimeCode(int seconds);

// Hundredths of a second as "HH:MM:SS.cc" (negative values count as 0).
QString hundredthsToTimeCode(Hundredths hundredths);

// "HH:MM:SS" or "HH:MM:SS.cc" in hundredths of a second; a time code of any
// other shape reads as 0, as timeCodeToSeconds reads it.
Hundredths timeCodeToHundredths(const QString &timeCode);
