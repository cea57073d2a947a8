#include "profiles/profile_choices.h"

#include "profiles/catalogue.h"
#include "profiles/list_reading.h"

#include <algorithm>

namespace {

std::optional<qint64> readNumber(const QString &text)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

} // namespace

std::optional<FrameSize> readFrame(const QString &text)
{
    const qsizetype x = text.indexOf(u'x');
    if (x < 0)
        return std::nullopt;
    return FrameSize{readNumber(text.left(x)), readNumber(text.mid(x + 1).section(u'(', 0, 0))};
}

ProfileChoices resolveChoices(const ProfileRules &rules, const QualityLists &lists, bool fileMode, PictureFit fit)
{
    const QualityChoice video = readQualityChoice(lists.videoQuality);
    // A constant-quality profile's rate line holds its levels, not rates.
    const bool levels = qualityMode(rules.id) == QualityMode::ConstantQuality;
    const qint64 atPosition = rules.rateTexts[video.position].toLongLong();
    return {.profileId = rules.id,
            .extension = rules.extension,
            .argumentTemplate = rules.argumentTemplate,
            .size = readSizeChoice(lists.size, isDiscTarget(rules.id)),
            .hasVideo = rules.rateTexts[0] != QLatin1String("*"),
            .video = video,
            .videoRateKbits = levels ? 0 : std::clamp<qint64>(atPosition, 0, kMaxRateKbits),
            .qualityLevel = levels ? int(std::clamp<qint64>(atPosition, 0, kMaxQualityLevel)) : 0,
            .audio = readQualityChoice(lists.audioQuality),
            .channels = readChannelCount(lists.channel),
            .fileMode = fileMode,
            .pictureFit = fit};
}
