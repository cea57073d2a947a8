#pragma once
// Reading register.dat's description of a media file ("-i" alone): duration,
// bit rates, picture size, codecs and audio format, all kept as text.

#include "engine/timecode.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The tags an output name can be made of; empty where the file has none.
struct SourceTags {
    QString title;
    QString artist;
    QString album;
    QString albumArtist;
    QString track; // "3", "3/12"
    QString disc;
    QString date; // "2001", "2001-05-04"
    bool operator==(const SourceTags &) const = default;
};

// Reads register.dat's line of name tags ("veltrix-tags: title=<base64>
// ..."): its values decoded, unknown keys and undecodable values left out.
// nullopt unless the line starts with the prefix.
std::optional<SourceTags> extractTags(const QByteArray &line);

// What a probe learnt about one file. Empty text means "not found".
struct ProbeResults {
    QString duration;       // "00:03:25"
    // Read from "00:03:25.40"; nullopt unless the line has the hundredths.
    std::optional<Hundredths> exactDuration;
    QString overallBitrate; // kbit/s, "1411"
    QString videoBitrate;   // kbit/s, "768"
    QString audioBitrate;   // kbit/s, "128"
    QString pictureSize;    // "320x240"
    QString videoCodec;     // text after "Video: " up to the first comma
    QString videoTail;      // rest of the video line after its fourth comma
    QString audioCodec;     // text after "Audio: " up to the first comma
    QString sampleRate;     // " 44100 Hz", blank kept
    QString channels;       // " stereo", blank kept
    // The duration is libavformat's guess from the bit rate (ADTS AAC, an
    // MP3 without a Xing header), not the stream's own length.
    bool durationEstimated = false;
    SourceTags tags;
};

// The first complete line of the buffer that contains key, without its line
// end. A CR, an LF or a CR LF pair ends a line; the text after the last line
// end is not a line yet. nullopt when no complete line holds the key.
std::optional<QByteArray> probeLine(const QByteArray &buffer, const QByteArray &key);

// "HH:MM:SS": the 8 characters after "Duration: " in the first complete line
// that holds "Duration:" (fewer where the line ends sooner); nullopt when
// there is none.
std::optional<QString> extractDuration(const QByteArray &buffer);

// The 11 characters after "Duration: " in the same line read as a time code,
// when they are exactly "HH:MM:SS.cc" (digits, ":" and "."); nullopt
// otherwise ("N/A", a shorter line).
std::optional<Hundredths> extractExactDuration(const QByteArray &buffer);

// The number before the line's first " kb/s": back from it to the nearest
// blank, at most ten characters. Empty when the line has no " kb/s".
QString extractBitrate(const QByteArray &line);

// The first WxH after "Video:" whose width and height are positive decimal
// numbers standing on their own (so the "0x31637661" of a codec tag is never
// taken). Empty when there is none.
QString extractPictureSize(const QByteArray &line);

struct VideoFields {
    QString codec;
    QString tail;
};
// Codec: after "Video: " up to the first comma; tail: what is left after that
// comma and three more (a missing comma skips nothing).
VideoFields extractVideoFields(const QByteArray &line);

struct AudioFields {
    QString codec;
    QString sampleRate;
    QString channels;
};
// Codec, then the next two comma-separated texts, blanks kept.
AudioFields extractAudioFields(const QByteArray &line);

// What a probe has read so far. Each result comes from the first line of the
// description that holds its key, in whichever pass over the output that line
// is met: a later line with the same key (a second sound track) never
// replaces it, and a pass whose buffer no longer holds the line never empties
// it, however the output was cut into chunks.
struct ProbeFindings {
    ProbeResults results;
    bool durationFound = false;
    bool overallFound = false;
    bool videoFound = false;
    bool audioFound = false;
    bool tagsFound = false;
};

// Runs the extractions whose line has not been found yet over the complete
// lines of the buffer.
void takeProbeFindings(ProbeFindings &findings, const QByteArray &buffer);
