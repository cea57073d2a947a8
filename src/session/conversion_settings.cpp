#include "session/conversion_settings.h"

#include "jobs/json_fields.h"

template <class F> static void fields(ConversionSettings &settings, F &&field)
{
    field("edition", settings.edition);
    field("profile", settings.profileId);
    field("size", settings.size);
    field("videoQuality", settings.videoQuality);
    field("audioQuality", settings.audioQuality);
    field("channels", settings.channels);
    field("stretch", settings.stretch);
    field("outputFolder", settings.outputFolder);
}

QJsonObject conversionSettingsJson(const ConversionSettings &settings)
{
    return json_fields::toJson(settings).toObject();
}

std::optional<ConversionSettings> conversionSettingsFrom(const QJsonObject &object)
{
    ConversionSettings settings;
    if (!json_fields::fromJson(QJsonValue(object), settings) || settings.profileId == 0)
        return std::nullopt;
    return settings;
}
