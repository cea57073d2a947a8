#include "engine/media_listing.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// "Stream #0:1(eng): Audio: aac (LC), 48000 Hz, stereo, fltp (default)"; an
// MPEG stream carries its id in brackets ("#0:0[0x1e0]").
const QRegularExpression kStreamLine(QStringLiteral(R"(^Stream #(\d+:\d+)(?:\[\w+\])?(?:\((\w+)\))?: (\w+): (.*)$)"));
// The codec tag after a codec's name: " (avc1 / 0x31637661)".
const QRegularExpression kCodecTag(QStringLiteral(R"(\s*\([^()]*/ 0x[0-9A-Fa-f]+\))"));
const QRegularExpression kDisplayAspect(QStringLiteral(R"(DAR (\d+:\d+))"));
const QRegularExpression kFrameSize(QStringLiteral(R"(^\d+x\d+)"));

// The parts of a stream's description between its commas; a comma inside
// parentheses ("yuv420p(tv, bt709)") does not part it.
QStringList topLevelParts(const QString &text)
{
    QStringList parts;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(')
            ++depth;
        else if (text[i] == u')')
            depth = std::max(0, depth - 1);
        else if (text[i] == u',' && depth == 0) {
            parts << text.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    parts << text.mid(start).trimmed();
    return parts;
}

MediaStream::Kind kindOf(const QString &word)
{
    if (word == QLatin1String("Video"))
        return MediaStream::Kind::Video;
    if (word == QLatin1String("Audio"))
        return MediaStream::Kind::Audio;
    if (word == QLatin1String("Subtitle"))
        return MediaStream::Kind::Subtitle;
    return MediaStream::Kind::Other;
}

MediaStream readStream(const QRegularExpressionMatch &line)
{
    MediaStream stream{.kind = kindOf(line.captured(3)), .id = line.captured(1), .language = line.captured(2)};
    if (stream.language == QLatin1String("und"))
        stream.language.clear();
    const QStringList parts = topLevelParts(line.captured(4));
    stream.codec = QString(parts.value(0)).remove(kCodecTag);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts[i];
        // The last part may carry the stream's flags: "69 kb/s (default)".
        if (const qsizetype rate = part.indexOf(QLatin1String(" kb/s")); rate >= 0)
            stream.bitrate = part.left(rate + 5);
        else if (stream.kind == MediaStream::Kind::Video && kFrameSize.match(part).hasMatch()) {
            stream.frameSize = kFrameSize.match(part).captured();
            stream.displayAspect = kDisplayAspect.match(part).captured(1);
        } else if (stream.kind == MediaStream::Kind::Video && part.endsWith(QLatin1String(" fps")))
            stream.frameRate = part;
        else if (stream.kind == MediaStream::Kind::Audio && part.endsWith(QLatin1String(" Hz"))) {
            stream.sampleRate = part;
            stream.channels = parts.value(i + 1);
        }
    }
    return stream;
}

QString kindWord(MediaStream::Kind kind)
{
    switch (kind) {
    case MediaStream::Kind::Video:
        return QStringLiteral("Video");
    case MediaStream::Kind::Audio:
        return QStringLiteral("Audio");
    case MediaStream::Kind::Subtitle:
        return QStringLiteral("Subtitle");
    case MediaStream::Kind::Other:
        break;
    }
    return QStringLiteral("Other");
}

// The texts that are there, parted by " · ".
QString joined(const QStringList &texts)
{
    QStringList present = texts;
    present.removeAll(QString());
    return present.join(QStringLiteral(" \u00b7 "));
}

QString streamLine(const MediaStream &stream)
{
    QString head = kindWord(stream.kind) + u' ' + stream.id;
    if (!stream.language.isEmpty())
        head += QStringLiteral(" (") + stream.language + u')';
    const QString aspect =
        stream.displayAspect.isEmpty() ? QString() : QStringLiteral("display ") + stream.displayAspect;
    return head + QStringLiteral(": ")
           + joined({stream.codec, stream.frameSize, aspect, stream.frameRate, stream.sampleRate, stream.channels,
                     stream.bitrate});
}

} // namespace

MediaListing readMediaListing(const QByteArray &description)
{
    MediaListing listing;
    bool input = false;
    for (const QByteArray &raw : description.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1String("Input #"))) {
            if (input)
                break; // only the first input
            input = true;
            // "Input #0, matroska,webm, from 'name'"
            const qsizetype first = line.indexOf(QLatin1String(", ")) + 2;
            const qsizetype from = line.indexOf(QLatin1String(", from '"), first);
            listing.container = line.mid(first, from < 0 ? -1 : from - first);
        } else if (line.startsWith(QLatin1String("Duration: "))) {
            listing.duration = line.mid(10).section(u',', 0, 0);
            const qsizetype rate = line.indexOf(QLatin1String("bitrate: "));
            if (rate >= 0)
                listing.bitrate = line.mid(rate + 9);
        } else if (const QRegularExpressionMatch stream = kStreamLine.match(line); stream.hasMatch()) {
            listing.streams.push_back(readStream(stream));
        }
    }
    return listing;
}

QStringList listingLines(const MediaListing &listing, std::optional<qint64> fileBytes)
{
    const QString size =
        fileBytes ? QLocale::c().formattedDataSize(*fileBytes, 1, QLocale::DataSizeTraditionalFormat) : QString();
    const QString length = listing.duration.isEmpty() ? QString() : QStringLiteral("length ") + listing.duration;
    QStringList lines{QStringLiteral("Container: ") + joined({listing.container, length, size, listing.bitrate})};
    for (const MediaStream &stream : listing.streams)
        lines << streamLine(stream);
    return lines;
}
