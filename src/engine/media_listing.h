#pragma once
// What a file holds, as register.dat describes it ("-i" alone): its
// container, length and rate, and every stream with what is known of it.
// Tag text never reaches these lines: the bridge leaves every metadata block
// out of its description.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct MediaStream {
    enum class Kind { Video, Audio, Subtitle, Other };
    Kind kind = Kind::Other;
    QString id;            // "0:1"
    QString language;      // "eng"; empty when the file names none
    QString codec;         // "h264 (High)", without the codec tag
    QString frameSize;     // video: "1920x1080"
    QString displayAspect; // video: "16:9"
    QString frameRate;     // video: "25 fps"
    QString bitrate;       // "128 kb/s"
    QString sampleRate;    // audio: "48000 Hz"
    QString channels;      // audio: "stereo", "5.1(side)"
    bool operator==(const MediaStream &) const = default;
};

struct MediaListing {
    QString container; // "matroska,webm"
    QString duration;  // "00:03:25.40"
    QString bitrate;   // "398 kb/s"
    std::vector<MediaStream> streams;
    bool operator==(const MediaListing &) const = default;
};

// Reads the description of the first input; what it does not state stays
// empty.
MediaListing readMediaListing(const QByteArray &description);

// The lines that tell the user what the file holds: the container's line
// (with the file's size when known), then one line per stream.
QStringList listingLines(const MediaListing &listing, std::optional<qint64> fileBytes);
