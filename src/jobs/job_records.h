#pragma once
// The two records of every job row, kept in row order beside the list.

#include <QString>
#include <QtGlobal>

// What the media probe learnt about a job's source.
struct Toriginalinfo {
    QString sourcePath;
    QString pictureSize;  // "320x240"
    QString duration;     // "HH:MM:SS"; the clip length after a cut
    QString unused;       // always empty
    QString videoBitrate; // kbit/s, plain integer
    QString audioBitrate; // kbit/s, plain integer
    QString videoCodec;
    QString audioCodec;
    QString sampleRate;   // " 44100 Hz", blank kept
    QString channels;     // " stereo", blank kept
    QString videoTail;
    bool operator==(const Toriginalinfo &) const = default;
};

// The stretch of the source a job converts.
struct TClipInfo {
    qint32 firstSector = 0;  // DVD rows only
    qint32 fullDuration = 0; // seconds; 0 on DVD rows
    qint32 clipBegin = 0;    // seconds from the start
    qint32 clipEnd = 0;      // seconds; initially the full duration
    quint8 titleRow = 0;     // DVD rows only
    bool operator==(const TClipInfo &) const = default;
};
