#include "profiles/quality_settings.h"

#include "profiles/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <initializer_list>
#include <utility>

namespace {

struct DefaultsRow {
    std::initializer_list<std::pair<int, int>> idRanges;
    QualityDefaults defaults;
};

constexpr int kSourcePosition = 5;

// Set A. Set B replaces every default of 5 by 2 and has no row for 131.
const DefaultsRow kSetA[] = {
    {{{1, 1}}, {0, 5, 5, 1}},
    {{{2, 3}, {5, 6}, {10, 13}}, {4, 5, 5, 1}},
    {{{4, 4}}, {5, 5, 5, 1}},
    {{{7, 7}, {14, 14}}, {1, 5, 5, 1}},
    {{{8, 9}}, {2, 5, 5, 1}},
    {{{15, 25}, {33, 33}, {40, 40}, {45, 45}, {59, 59}, {71, 71}, {80, 80}}, {std::nullopt, std::nullopt, 2, 1}},
    {{{27, 32},
      {34, 39},
      {41, 44},
      {46, 51},
      {53, 54},
      {56, 57},
      {60, 60},
      {70, 70},
      {72, 73},
      {75, 76},
      {78, 79},
      {81, 81},
      {86, 88},
      {115, 116}},
     {0, 2, 2, 1}},
    {{{55, 55}, {58, 58}, {61, 66}, {68, 68}, {91, 97}}, {2, 2, 2, 1}},
    {{{69, 69}, {77, 77}, {83, 85}, {89, 89}}, {1, 2, 2, 1}},
    {{{99, 100}}, {4, 2, 2, 1}},
    {{{102, 108}, {125, 130}}, {4, 5, 5, 1}},
    {{{110, 110}}, {5, 5, 5, 1}},
    {{{111, 111}}, {2, 5, 5, 1}},
    {{{112, 114}}, {0, 5, 5, 1}},
    {{{118, 123}}, {5, 2, 2, 1}},
    {{{131, 131}}, {4, 2, 2, 1}},
    // The formats of today: the source's frame (after their six sizes).
    {{{133, 137}}, {6, 2, 2, 1}},
    {{{138, 139}}, {0, 5, 5, 1}},
    {{{141, 141}}, {std::nullopt, std::nullopt, 2, 1}},
    {{{142, 143}}, {std::nullopt, std::nullopt, 5, 1}},
};

std::optional<QualityDefaults> setADefaults(int id)
{
    for (const DefaultsRow &row : kSetA)
        for (const auto &[first, last] : row.idRanges)
            if (id >= first && id <= last)
                return row.defaults;
    return std::nullopt;
}

int setBValue(int value)
{
    return value == kSourcePosition ? 2 : value;
}

} // namespace

std::optional<QualityDefaults> qualityDefaults(int id, bool dvdMode)
{
    std::optional<QualityDefaults> defaults = setADefaults(id);
    // Lossless and stream-copy profiles take the source's quality in every
    // edition: their lists cannot be changed.
    const bool fixed = qualityMode(id) == QualityMode::Lossless || qualityMode(id) == QualityMode::StreamCopy;
    if (!dvdMode || !defaults || fixed)
        return defaults;
    if (id == 131)
        return std::nullopt;
    if (defaults->size)
        defaults->size = setBValue(*defaults->size);
    if (defaults->videoQuality)
        defaults->videoQuality = setBValue(*defaults->videoQuality);
    defaults->audioQuality = setBValue(defaults->audioQuality);
    return defaults;
}

bool isSavedProfile(int id)
{
    return setADefaults(id) && id != 33 && id != 40 && id != 45 && id != 59 && id != 131;
}

QString qualitySettingsFileName(const QString &settingsFileName)
{
    return QStringLiteral("pro ") + settingsFileName;
}

QualitySettingsStore::QualitySettingsStore(const QString &settingsFileName, bool dvdMode)
    : m_file(qualitySettingsFileName(settingsFileName)),
      m_dvdMode(dvdMode)
{}

void QualitySettingsStore::apply(int id, QualityLists &lists) const
{
    const std::optional<QualityDefaults> defaults = qualityDefaults(id, m_dvdMode);
    if (!defaults)
        return;
    const QString section = QString::number(id);
    if (defaults->size)
        lists.size.select(m_file.readInteger(section, kSizeKey, *defaults->size));
    if (defaults->videoQuality)
        lists.videoQuality.select(m_file.readInteger(section, kVideoBitrateKey, *defaults->videoQuality));
    lists.audioQuality.select(m_file.readInteger(section, kAudioBitrateKey, defaults->audioQuality));
    lists.channel.select(m_file.readInteger(section, kChannelKey, defaults->channel));
}

void QualitySettingsStore::save(int id, const QualityLists &lists)
{
    if (!isSavedProfile(id))
        return;
    const QString section = QString::number(id);
    const auto write = [&](const QString &key, const ChoiceList &list) {
        if (!m_file.writeInteger(section, key, list.selected))
            throw QualitySettingsWriteError(
                QStringLiteral("Unable to write to %1. Your quality choices for this profile were not saved (%2). "
                               "Make sure the folder %3 exists, is writable and the disk is not full, then choose "
                               "the profile again.")
                    .arg(QDir::toNativeSeparators(m_file.path()), m_file.error(),
                         QDir::toNativeSeparators(QFileInfo(m_file.path()).absolutePath()))
                    .toStdString());
    };
    if (!isAudioOnly(id)) {
        write(kSizeKey, lists.size);
        write(kVideoBitrateKey, lists.videoQuality);
    }
    write(kAudioBitrateKey, lists.audioQuality);
    write(kChannelKey, lists.channel);
}
