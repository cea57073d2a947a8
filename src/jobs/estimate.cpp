#include "jobs/estimate.h"

#include "profiles/catalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A picture's height is held below 100000 lines, which no picture comes near,
// so every product of the estimate stays within an int.
constexpr qint64 kMaxPictureHeight = 100'000;

// A rate text in kbit/s, held within 0..kMaxRateKbits; no number reads as 0.
int rateKbits(const QString &text)
{
    return static_cast<int>(std::clamp<qint64>(text.toLongLong(), 0, kMaxRateKbits));
}

// Video factors by quality position: usual, ids 118 and 121, ids 120 and 122.
constexpr double kUsualFactors[5] = {6.25, 4.16, 3.33, 2.13, 1.51};
constexpr double kMiniFactors[5] = {3.33, 2.13, 1.51, 1.06, 0.8};
constexpr double kExcellentFactors[5] = {10.41, 8.33, 6.25, 4.16, 3.33};

// A constant-quality encoder of today spends about half the bits of the
// classic ones on the same picture; its rate is the encoder's own choice.
constexpr double kTodayEfficiency = 0.5;
// FLAC and ALAC keep about 60 % of 16-bit PCM at 44.1 kHz: kbit/s per channel.
constexpr int kLosslessKbitsPerChannel = 423;

double videoFactor(int id, int position)
{
    if (qualityMode(id) == QualityMode::ConstantQuality)
        return kUsualFactors[position] * kTodayEfficiency;
    if (id == 120 || id == 122)
        return kExcellentFactors[position];
    if (id == 118 || id == 121)
        return kMiniFactors[position];
    return kUsualFactors[position];
}

int heldHeight(qint64 height)
{
    return static_cast<int>(std::clamp<qint64>(height, 0, kMaxPictureHeight));
}

// The video part V, or nullopt for an error; `zero` is set when the chosen
// size names no frame and the whole estimate is 0.
std::optional<int> videoPart(const Toriginalinfo &job, const ProfileChoices &choices, bool &zero)
{
    const int id = choices.profileId;
    const QualityChoice video = choices.video;
    // A profile without video has no video part, whatever its id.
    if (!choices.hasVideo)
        return 0;
    if (id >= 16 && id <= 100)
        return video.source ? rateKbits(job.videoBitrate) : static_cast<int>(choices.videoRateKbits);
    if (video.source && choices.fileMode)
        return rateKbits(job.videoBitrate);
    std::optional<qint64> height;
    switch (choices.size.kind) {
    case SizeChoice::Kind::Source: {
        const std::optional<FrameSize> source = readFrame(job.pictureSize);
        if (!source || !source->height)
            return std::nullopt;
        height = source->height;
        break;
    }
    case SizeChoice::Kind::Frame:
        height = choices.size.frame.height;
        break;
    case SizeChoice::Kind::None:
    case SizeChoice::Kind::Standard:
        zero = true;
        return 0;
    }
    return height ? roundHalfEven(heldHeight(*height) * videoFactor(id, video.position)) : 0;
}

} // namespace

bool isAmrExtension(const QString &extension)
{
    return extension == QLatin1String(".3gp") || extension == QLatin1String(".amr");
}

int roundHalfEven(double value)
{
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::nearbyint(value), kLowest, kHighest));
}

int chosenAudioRate(const Toriginalinfo &job, const ProfileChoices &choices)
{
    return choices.audio.source ? rateKbits(job.audioBitrate) : kAudioRates[choices.audio.position];
}

double chosenAmrKbits(const Toriginalinfo &job, const ProfileChoices &choices)
{
    return choices.audio.source ? chosenAudioRate(job, choices) : kAmrRates[choices.audio.position];
}

std::optional<int> estimateKbits(const Toriginalinfo &job, const ProfileChoices &choices)
{
    switch (choices.profileId) {
    case 112:
        return 1393;
    case 113:
        return 1948;
    case 114:
        return 3222;
    default:
        break;
    }
    switch (qualityMode(choices.profileId)) {
    case QualityMode::StreamCopy:
        return rateKbits(job.videoBitrate) + rateKbits(job.audioBitrate);
    case QualityMode::Lossless:
        return kLosslessKbitsPerChannel * choices.channels;
    case QualityMode::Rate:
    case QualityMode::ConstantQuality:
        break;
    }
    bool zero = false;
    const std::optional<int> video = videoPart(job, choices, zero);
    if (!video)
        return std::nullopt;
    if (zero)
        return 0;
    int audio = chosenAudioRate(job, choices);
    if (isAmrExtension(choices.extension))
        audio = roundHalfEven(chosenAmrKbits(job, choices));
    if (choices.extension == QLatin1String(".wav"))
        audio = 1500;
    return audio + *video;
}

namespace {

bool estimateIsGuess(const ProfileChoices &choices)
{
    switch (qualityMode(choices.profileId)) {
    case QualityMode::Lossless:
        return true;
    case QualityMode::ConstantQuality:
        return choices.hasVideo && !choices.video.source;
    case QualityMode::Rate:
    case QualityMode::StreamCopy:
        break;
    }
    return false;
}

} // namespace

QString estimateText(qint64 kbits, qint64 seconds, const ProfileChoices &choices)
{
    const QString size = sizeText(kbits, seconds);
    return estimateIsGuess(choices) ? QStringLiteral("about ") + size : size;
}

QString sizeText(qint64 kbits, qint64 seconds)
{
    const double megabytes = static_cast<double>(kbits) * static_cast<double>(seconds) / 8 / 1024 * 1000 / 1024;
    constexpr int kSignificantDigits = 5;
    if (std::fabs(megabytes) >= std::pow(10.0, kSignificantDigits))
        return QString::number(megabytes, 'E', kSignificantDigits - 1) + QStringLiteral("MB");
    // Five significant digits first, then two decimals.
    const double rounded = QString::number(megabytes, 'g', kSignificantDigits).toDouble();
    return QString::number(rounded, 'f', 2) + QStringLiteral("MB");
}
