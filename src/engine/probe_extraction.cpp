#include "engine/probe_extraction.h"

#include <QList>

namespace {

constexpr qsizetype kMaxSteps = 10; // how far a number may reach before " kb/s" or "x"
constexpr qsizetype kAfterKey = 7;  // "Video: " and "Audio: " with their blank

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

QString text(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

// Everything after "Video: " or "Audio: " in the line.
QByteArray afterKey(const QByteArray &line, const QByteArray &key)
{
    const qsizetype at = line.indexOf(key);
    return at < 0 ? QByteArray() : line.mid(at + kAfterKey);
}

// The text up to the first comma (all of it when there is none); rest keeps
// what follows the comma.
QByteArray cutAtComma(QByteArray &rest)
{
    const qsizetype comma = rest.indexOf(',');
    const QByteArray piece = comma < 0 ? rest : rest.left(comma);
    rest = comma < 0 ? QByteArray() : rest.mid(comma + 1);
    return piece;
}

// Drops the text up to and including the first comma; no comma, no change.
void skipComma(QByteArray &rest)
{
    const qsizetype comma = rest.indexOf(',');
    if (comma >= 0)
        rest = rest.mid(comma + 1);
}

} // namespace

std::optional<QByteArray> probeLine(const QByteArray &buffer, const QByteArray &key)
{
    qsizetype start = 0;
    for (qsizetype end = 0; end < buffer.size(); ++end) {
        const char c = buffer.at(end);
        if (c != '\r' && c != '\n')
            continue;
        const QByteArray line = buffer.mid(start, end - start);
        if (line.contains(key))
            return line;
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<QString> extractDuration(const QByteArray &buffer)
{
    const std::optional<QByteArray> line = probeLine(buffer, "Duration:");
    if (!line)
        return std::nullopt;
    return text(line->mid(line->indexOf("Duration:") + 10, 8));
}

std::optional<Hundredths> extractExactDuration(const QByteArray &buffer)
{
    const std::optional<QByteArray> line = probeLine(buffer, "Duration:");
    if (!line)
        return std::nullopt;
    const QByteArray code = line->mid(line->indexOf("Duration:") + 10, 11);
    static constexpr char kShape[] = "99:99:99.99";
    if (code.size() != 11)
        return std::nullopt;
    for (int i = 0; i < 11; ++i)
        if (kShape[i] == '9' ? !isDigit(code.at(i)) : code.at(i) != kShape[i])
            return std::nullopt;
    return timeCodeToHundredths(text(code));
}

QString extractBitrate(const QByteArray &line)
{
    const qsizetype unit = line.indexOf(" kb/s");
    if (unit < 0)
        return {};
    qsizetype blank = unit - 1;
    for (qsizetype steps = 0; blank >= 0 && steps < kMaxSteps && line.at(blank) != ' '; ++steps)
        --blank;
    return text(line.mid(blank + 1, unit - blank - 1));
}

QString extractPictureSize(const QByteArray &line)
{
    const QByteArray video = line.mid(qMax<qsizetype>(line.indexOf("Video:"), 0));
    for (qsizetype x = video.indexOf('x'); x >= 0; x = video.indexOf('x', x + 1)) {
        qsizetype first = x;
        while (first > 0 && isDigit(video.at(first - 1)))
            --first;
        qsizetype end = x + 1;
        while (end < video.size() && isDigit(video.at(end)))
            ++end;
        const qsizetype widthDigits = x - first;
        const qsizetype heightDigits = end - x - 1;
        const bool standsAlone = first == 0 || video.at(first - 1) == ' ';
        if (!standsAlone || widthDigits < 1 || widthDigits > kMaxSteps || heightDigits < 1 || heightDigits > kMaxSteps)
            continue;
        if (video.mid(first, widthDigits).toLongLong() > 0 && video.mid(x + 1, heightDigits).toLongLong() > 0)
            return text(video.mid(first, end - first));
    }
    return {};
}

VideoFields extractVideoFields(const QByteArray &line)
{
    QByteArray rest = afterKey(line, "Video:");
    const qsizetype comma = rest.indexOf(',');
    VideoFields fields;
    fields.codec = text(comma < 0 ? rest : rest.left(comma));
    for (int i = 0; i < 4; ++i)
        skipComma(rest);
    fields.tail = text(rest);
    return fields;
}

AudioFields extractAudioFields(const QByteArray &line)
{
    QByteArray rest = afterKey(line, "Audio:");
    AudioFields fields;
    fields.codec = text(cutAtComma(rest));
    fields.sampleRate = text(cutAtComma(rest));
    fields.channels = text(cutAtComma(rest));
    return fields;
}

std::optional<SourceTags> extractTags(const QByteArray &line)
{
    static const QByteArray kPrefix = QByteArrayLiteral("veltrix-tags:");
    if (!line.startsWith(kPrefix))
        return std::nullopt;
    SourceTags tags;
    const std::pair<const char *, QString SourceTags::*> keys[] = {
        {"title", &SourceTags::title}, {"artist", &SourceTags::artist},
        {"album", &SourceTags::album}, {"album_artist", &SourceTags::albumArtist},
        {"track", &SourceTags::track}, {"disc", &SourceTags::disc},
        {"date", &SourceTags::date}};
    for (const QByteArray &item : line.mid(kPrefix.size()).split(' ')) {
        const qsizetype eq = item.indexOf('=');
        const auto decoded = QByteArray::fromBase64Encoding(item.mid(eq + 1), QByteArray::AbortOnBase64DecodingErrors);
        for (const auto &[key, field] : keys)
            if (eq > 0 && item.left(eq) == key && decoded)
                tags.*field = QString::fromUtf8(*decoded);
    }
    return tags;
}

void takeProbeFindings(ProbeFindings &findings, const QByteArray &buffer)
{
    ProbeResults &results = findings.results;
    if (!results.durationEstimated && probeLine(buffer, "Estimating duration from bitrate"))
        results.durationEstimated = true;
    if (!findings.tagsFound) {
        // Only a complete line that starts with the prefix: a file name in
        // the description may hold it too.
        QList<QByteArray> lines = buffer.split('\n');
        lines.removeLast(); // not a line yet
        for (const QByteArray &line : lines)
            if (const std::optional<SourceTags> tags = extractTags(line.trimmed())) {
                results.tags = *tags;
                findings.tagsFound = true;
            }
    }
    if (!findings.durationFound) {
        if (const auto duration = extractDuration(buffer)) {
            results.duration = *duration;
            results.exactDuration = extractExactDuration(buffer);
            findings.durationFound = true;
        }
    }
    if (!findings.overallFound) {
        if (const auto line = probeLine(buffer, "bitrate:")) {
            results.overallBitrate = extractBitrate(*line);
            findings.overallFound = true;
        }
    }
    if (!findings.videoFound) {
        if (const auto line = probeLine(buffer, "Video:")) {
            const VideoFields video = extractVideoFields(*line);
            results.videoBitrate = extractBitrate(*line);
            results.pictureSize = extractPictureSize(*line);
            results.videoCodec = video.codec;
            results.videoTail = video.tail;
            findings.videoFound = true;
        }
    }
    if (!findings.audioFound) {
        if (const auto line = probeLine(buffer, "Audio:")) {
            const AudioFields audio = extractAudioFields(*line);
            results.audioBitrate = extractBitrate(*line);
            results.audioCodec = audio.codec;
            results.sampleRate = audio.sampleRate;
            results.channels = audio.channels;
            findings.audioFound = true;
        }
    }
}
