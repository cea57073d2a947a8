#pragma once
// What the rows of a job list handed to another program or machine are
// converted with: the edition, the profile and the entries chosen in its
// four lists, how pictures fill the frame, and the output folder. Kept in
// the list file beside its rows.

#include <QJsonObject>
#include <QString>
#include <optional>

struct ConversionSettings {
    QString edition; // the edition's name, e.g. "veltrix-audio-converter"
    int profileId = 0;
    // The positions chosen in the profile's lists; none where none is.
    std::optional<int> size, videoQuality, audioQuality, channels;
    bool stretch = false;
    QString outputFolder;
    bool operator==(const ConversionSettings &) const = default;
};

QJsonObject conversionSettingsJson(const ConversionSettings &settings);
// Nothing when the object is not such a record or names no profile.
std::optional<ConversionSettings> conversionSettingsFrom(const QJsonObject &object);
