#include "jobs/argument_pieces.h"

#include "engine/timecode.h"
#include "jobs/estimate.h"
#include "profiles/catalogue.h"

namespace {

QString bitsPerSecond(qint64 kbits)
{
    return QString::number(kbits * 1000);
}

const QString kVideoRate = QStringLiteral(" -r 25 -b ");
// The formats of today keep the source's frame rate.
const QString kTodayVideoRate = QStringLiteral(" -b:v ");

QualityMode modeOf(const ProfileChoices &choices)
{
    return qualityMode(choices.profileId);
}

} // namespace

std::optional<FrameSize> pictureFrame(const Toriginalinfo &job, const ProfileChoices &choices)
{
    if (!choices.size.stated)
        return std::nullopt;
    switch (choices.size.kind) {
    case SizeChoice::Kind::Source: {
        const FrameSize source = readFrame(job.pictureSize).value_or(FrameSize{});
        if (modeOf(choices) == QualityMode::Rate)
            return source;
        // The formats of today leave the source's frame and aspect as they
        // are, but for an odd width or height, which SVT-AV1 refuses and
        // 4:2:0 pictures cannot have: that frame is made even.
        if (!source.usable() || (*source.width % 2 == 0 && *source.height % 2 == 0))
            return std::nullopt;
        return FrameSize{*source.width / 2 * 2, *source.height / 2 * 2};
    }
    case SizeChoice::Kind::Frame:
        return choices.size.frame;
    case SizeChoice::Kind::None:
    case SizeChoice::Kind::Standard:
        break;
    }
    return std::nullopt;
}

QString sizePiece(const std::optional<FrameSize> &frame)
{
    if (!frame || !frame->usable())
        return {};
    return QStringLiteral(" -s %1x%2").arg(*frame->width).arg(*frame->height);
}

QString aspectPiece(const std::optional<FrameSize> &frame)
{
    if (!frame || !frame->usable())
        return {};
    return QStringLiteral(" -aspect ") + QString::number(double(*frame->width) / double(*frame->height), 'f', 4);
}

QString pictureFitPiece(const std::optional<FrameSize> &frame, const ProfileChoices &choices)
{
    if (choices.pictureFit != PictureFit::KeepShape || !frame || !frame->usable()
        || choices.argumentTemplate.split(u' ').contains(QLatin1String("-vn")))
        return {};
    // ffmpeg's `dar` is the source's display aspect (its sample aspect
    // applied), so an anamorphic picture keeps the shape it is shown at.
    // Sizes are even, as the encoders' colour formats need.
    const QString w = QString::number(*frame->width), h = QString::number(*frame->height);
    return QStringLiteral(" -vf scale=w='min(%1,2*round(%2*dar/2))':h='min(%2,2*round(%1/dar/2))',setsar=1,"
                          "pad=%1:%2:(ow-iw)/2:(oh-ih)/2")
        .arg(w, h);
}

std::optional<QString> videoRatePiece(const Toriginalinfo &job, const ProfileChoices &choices)
{
    const int id = choices.profileId;
    const QualityMode mode = modeOf(choices);
    if (isDiscTarget(id) || mode == QualityMode::StreamCopy
        || (!choices.hasVideo && (usesRateTexts(id) || mode != QualityMode::Rate)))
        return QString();
    if (choices.video.source) {
        bool ok = false;
        const int rate = job.videoBitrate.toInt(&ok);
        const QString &option = mode == QualityMode::Rate ? kVideoRate : kTodayVideoRate;
        return ok ? std::optional<QString>(option + bitsPerSecond(rate)) : std::nullopt;
    }
    // A rate of 0 leaves the encoders (x265, libvpx, SVT-AV1) in their
    // constant-quality mode.
    if (mode == QualityMode::ConstantQuality)
        return QStringLiteral(" -crf %1 -b:v 0").arg(choices.qualityLevel);
    if (usesRateTexts(id))
        return kVideoRate + bitsPerSecond(choices.videoRateKbits);
    const std::optional<int> total = estimateKbits(job, choices);
    if (!total)
        return std::nullopt;
    return kVideoRate + bitsPerSecond(*total - chosenAudioRate(job, choices));
}

QString audioRatePiece(const Toriginalinfo &job, const ProfileChoices &choices)
{
    if (isDiscTarget(choices.profileId) || modeOf(choices) == QualityMode::StreamCopy
        || modeOf(choices) == QualityMode::Lossless)
        return {};
    if (isAmrExtension(choices.extension))
        return QStringLiteral(" -ab ") + QString::number(qRound64(chosenAmrKbits(job, choices) * 1000));
    return QStringLiteral(" -ab ") + bitsPerSecond(chosenAudioRate(job, choices));
}

QString sampleRatePiece(const Toriginalinfo &job, const ProfileChoices &choices)
{
    // The formats of today keep the source's sample rate; where the encoder
    // does not take it (Opus: 48 kHz), ffmpeg converts to the nearest it does.
    if (isDiscTarget(choices.profileId) || modeOf(choices) != QualityMode::Rate)
        return {};
    if (isAmrExtension(choices.extension))
        return QStringLiteral(" -ar 8000 ");
    const qint64 rate = qint64(chosenAudioRate(job, choices)) * 1000;
    if (rate > 192000)
        return QStringLiteral(" -ar 48000 ");
    if (rate > 64000)
        return QStringLiteral(" -ar 44100 ");
    return QStringLiteral(" -ar 22050 ");
}

QString channelsPiece(const ProfileChoices &choices)
{
    if (modeOf(choices) == QualityMode::StreamCopy)
        return {};
    if (isAmrExtension(choices.extension))
        return QStringLiteral(" -ac 1 ");
    return QStringLiteral(" -ac ") + QString::number(choices.channels);
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
    const Hundredths exactEnd = job.exactDuration.value_or(0);
    const bool toSourceEnd = (job.clip.clipEnd >= job.clip.fullDuration && job.clip.endHundredths == 0)
                             || (exactEnd > 0 && range.end >= exactEnd);
    if (toSourceEnd)
        return {};
    const Hundredths length = clipLength(range);
    return QStringLiteral(" -t ")
           + (length % 100 == 0 ? secondsToTimeCode(int(length / 100)) : hundredthsToTimeCode(length));
}

QString extraPiece(const ProfileChoices &choices)
{
    static const char *const kTargets[] = {"-vcd ", "-svcd ", "-dvd "};
    if (!isDiscTarget(choices.profileId))
        return choices.argumentTemplate;
    return QStringLiteral(" -target ") + choices.size.standard + QLatin1String(kTargets[choices.profileId - 112]);
}

std::optional<intputrec> sourcePieces(const Toriginalinfo &job, const ProfileChoices &choices)
{
    const std::optional<FrameSize> frame = pictureFrame(job, choices);
    const std::optional<QString> video = videoRatePiece(job, choices);
    if ((frame && !frame->usable()) || !video)
        return std::nullopt;
    intputrec pieces;
    pieces.size = sizePiece(frame);
    pieces.aspect = aspectPiece(frame);
    pieces.videobitrate = *video;
    pieces.audiobitrate = audioRatePiece(job, choices);
    pieces.seconds = timeCodeToSeconds(job.duration);
    pieces.samplerate = sampleRatePiece(job, choices);
    pieces.channels = channelsPiece(choices);
    pieces.extra = extraPiece(choices);
    pieces.picture = pictureFitPiece(frame, choices);
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
