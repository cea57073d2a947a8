#pragma once
// The records of a job row: what the probe learnt, the clip, and on DVD rows
// the DVD job record.

#include "engine/timecode.h"

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
    QString sampleRate; // " 44100 Hz", blank kept
    QString channels;   // " stereo", blank kept
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
    // Hundredths beside the whole seconds of a begin or end marked on a frame.
    quint8 beginHundredths = 0;
    quint8 endHundredths = 0;
    bool operator==(const TClipInfo &) const = default;
};

// The stretch of a source one job converts; the clip's seconds and
// hundredths read as one value each.
struct ClipRange {
    Hundredths begin = 0;
    Hundredths end = 0;
    bool operator==(const ClipRange &) const = default;
};

inline ClipRange clipRangeOf(const TClipInfo &clip)
{
    return {Hundredths(clip.clipBegin) * 100 + clip.beginHundredths,
            Hundredths(clip.clipEnd) * 100 + clip.endHundredths};
}

// end - begin; never negative.
inline Hundredths clipLength(const ClipRange &range)
{
    return range.end > range.begin ? range.end - range.begin : 0;
}

// Sets the clip's begin and end, whole seconds and hundredths.
inline void setClipRange(TClipInfo &clip, const ClipRange &range)
{
    clip.clipBegin = qint32(range.begin / 100);
    clip.beginHundredths = quint8(range.begin % 100);
    clip.clipEnd = qint32(range.end / 100);
    clip.endHundredths = quint8(range.end % 100);
}

// The row's choice in `cb_audio` and `cb_subtitle` (0 = the first audio
// track, "No Subtitle").
struct TrackChoice {
    qint32 audio = 0;
    qint32 subtitle = 0;
    bool operator==(const TrackChoice &) const = default;
};

// What a DVD title or chapter row converts: its tracks, its sectors within
// the title set and its clip.
struct TConvertInfo {
    QString audioStreamId;    // "0x80"; "0" when the title set has no audio
    QString subtitleStreamId; // "0x20"; "0" for no subtitle
    qint32 firstSector = 0;   // the title's or chapter's first cell
    qint32 lastSector = 0;    // the title's last cell, or the chapter's cell
    QString ifoPath;          // the VTS_nn_0.IFO file the row was listed from
    qint64 duration = 0;      // seconds
    qint32 clipBegin = 0;     // seconds from the title's start
    qint32 clipEnd = 0;       // seconds from the title's start
    bool operator==(const TConvertInfo &) const = default;
};
