#include "jobs/argument_pieces.h"

#include "engine/timecode.h"
#include "jobs/estimate.h"
#include "profiles/catalogue.h"
#include "profiles/list_reading.h"

#include <QSizeF>

namespace {

QString bitsPerSecond(qint64 kbits)
{
    return QString::number(kbits * 1000);
}

const QString kVideoRate = QStringLiteral(" -r 25 -b ");

// The frame of a size piece (" -s 640x480"): the width before its first "x",
// the height after it up to a "(" or the end.
std::optional<QSizeF> frameOf(const QString &sizePiece)
{
    const QString size = sizePiece.mid(4);
    const qsizetype x = size.indexOf(u'x');
    bool widthOk = false, heightOk = false;
    const double width = size.left(x).toDouble(&widthOk);
    const double height = size.mid(x + 1).section(u'(', 0, 0).toDouble(&heightOk);
    if (x < 0 || !widthOk || !heightOk || height == 0)
        return std::nullopt;
    return QSizeF(width, height);
}

} // namespace

QString sizePiece(const Toriginalinfo &job, const ProfileChoices &choices)
{
    if (!choices.lists.size.enabled || isDiscTarget(choices.profileId))
        return {};
    const SizeChoice size = readSizeChoice(choices.lists.size);
    if (size.source)
        return QStringLiteral(" -s ") + job.pictureSize;
    if (size.text.isEmpty() || size.text == kNoVideo)
        return {};
    return QStringLiteral(" -s ") + size.text.section(u'(', 0, 0);
}

std::optional<QString> aspectPiece(const QString &sizePiece, const ProfileChoices &choices)
{
    if (sizePiece.isEmpty() || !choices.lists.size.enabled || isDiscTarget(choices.profileId))
        return QString();
    const std::optional<QSizeF> frame = frameOf(sizePiece);
    if (!frame)
        return std::nullopt;
    return QStringLiteral(" -aspect ") + QString::number(frame->width() / frame->height(), 'f', 4);
}

QString pictureFitPiece(const QString &sizePiece, const ProfileChoices &choices)
{
    const std::optional<QSizeF> frame = frameOf(sizePiece);
    if (choices.pictureFit != PictureFit::KeepShape || sizePiece.isEmpty() || !frame
        || choices.argumentTemplate.split(u' ').contains(QLatin1String("-vn")))
        return {};
    // ffmpeg's `dar` is the source's display aspect (its sample aspect
    // applied), so an anamorphic picture keeps the shape it is shown at.
    // Sizes are even, as the encoders' colour formats need.
    const QString w = QString::number(frame->width()), h = QString::number(frame->height());
    return QStringLiteral(" -vf scale=w='min(%1,2*round(%2*dar/2))':h='min(%2,2*round(%1/dar/2))',setsar=1,"
                          "pad=%1:%2:(ow-iw)/2:(oh-ih)/2")
        .arg(w, h);
}

std::optional<QString> videoRatePiece(const Toriginalinfo &job, const ProfileChoices &choices)
{
    const int id = choices.profileId;
    if (isDiscTarget(id) || (usesRateTexts(id) && choices.rateTexts[0] == QLatin1String("*")))
        return QString();
    if (readQualityChoice(choices.lists.videoQuality).source) {
        bool ok = false;
        const int rate = job.videoBitrate.toInt(&ok);
        return ok ? std::optional<QString>(kVideoRate + bitsPerSecond(rate)) : std::nullopt;
    }
    if (usesRateTexts(id))
        return kVideoRate + choices.rateTexts[readQualityChoice(choices.lists.videoQuality).position]
               + QStringLiteral("000");
    const std::optional<int> total = estimateKbits(job, choices);
    if (!total)
        return std::nullopt;
    return kVideoRate + bitsPerSecond(*total - chosenAudioRate(job, choices));
}

QString audioRatePiece(const Toriginalinfo &job, const ProfileChoices &choices)
{
    if (isDiscTarget(choices.profileId))
        return {};
    if (isAmrExtension(choices.extension))
        return QStringLiteral(" -ab ") + QString::number(qRound64(chosenAmrKbits(job, choices) * 1000));
    return QStringLiteral(" -ab ") + bitsPerSecond(chosenAudioRate(job, choices));
}

QString sampleRatePiece(const QString &audioRatePiece, const ProfileChoices &choices)
{
    if (audioRatePiece.isEmpty() || isDiscTarget(choices.profileId))
        return {};
    if (isAmrExtension(choices.extension))
        return QStringLiteral(" -ar 8000 ");
    const qint64 rate = audioRatePiece.mid(QStringLiteral(" -ab ").size()).toLongLong();
    if (rate > 192000)
        return QStringLiteral(" -ar 48000 ");
    if (rate > 64000)
        return QStringLiteral(" -ar 44100 ");
    return QStringLiteral(" -ar 22050 ");
}

QString channelsPiece(const ProfileChoices &choices)
{
    if (isAmrExtension(choices.extension))
        return QStringLiteral(" -ac 1 ");
    return QStringLiteral(" -ac ") + QString::number(readChannelCount(choices.lists.channel));
}

QString startPiece(const TClipInfo &clip)
{
    if (clip.beginHundredths == 0)
        return QStringLiteral(" -ss ") + secondsToTimeCode(clip.clipBegin);
    return QStringLiteral(" -ss ") + hundredthsToTimeCode(clipRangeOf(clip).begin);
}

QString lengthPiece(const Job &job)
{
    // Only a cut has a length: a job to the source's end converts the whole
    // rest of its input, however long it really is (a stated length is a
    // guess for some formats, and the file may have changed since it was
    // added).
    const ClipRange range = clipRangeOf(job.clip);
    const qint64 exactEnd = job.exactDuration.isEmpty() ? 0 : timeCodeToHundredths(job.exactDuration);
    const bool toSourceEnd = (job.clip.clipEnd >= job.clip.fullDuration && job.clip.endHundredths == 0)
                             || (exactEnd > 0 && range.end >= exactEnd);
    if (toSourceEnd)
        return {};
    const qint64 length = clipLength(range);
    return QStringLiteral(" -t ")
           + (length % 100 == 0 ? secondsToTimeCode(int(length / 100)) : hundredthsToTimeCode(length));
}

QString extraPiece(const ProfileChoices &choices)
{
    static const char *const kTargets[] = {"-vcd ", "-svcd ", "-dvd "};
    if (!isDiscTarget(choices.profileId))
        return choices.argumentTemplate;
    const QString standard = readSizeChoice(choices.lists.size).text.toLower();
    return QStringLiteral(" -target ") + standard + QLatin1String(kTargets[choices.profileId - 112]);
}

std::optional<intputrec> sourcePieces(const Toriginalinfo &job, const ProfileChoices &choices)
{
    intputrec pieces;
    pieces.size = sizePiece(job, choices);
    const std::optional<QString> aspect = aspectPiece(pieces.size, choices);
    const std::optional<QString> video = videoRatePiece(job, choices);
    if (!aspect || !video)
        return std::nullopt;
    pieces.aspect = *aspect;
    pieces.videobitrate = *video;
    pieces.audiobitrate = audioRatePiece(job, choices);
    pieces.seconds = timeCodeToSeconds(job.duration);
    pieces.samplerate = sampleRatePiece(pieces.audiobitrate, choices);
    pieces.channels = channelsPiece(choices);
    pieces.extra = extraPiece(choices);
    pieces.picture = pictureFitPiece(pieces.size, choices);
    return pieces;
}

std::optional<intputrec> jobPieces(const Job &row, const ProfileChoices &choices)
{
    std::optional<intputrec> pieces = sourcePieces(row.original, choices);
    if (pieces) {
        pieces->start = startPiece(row.clip);
        pieces->length = lengthPiece(row);
    }
    return pieces;
}
