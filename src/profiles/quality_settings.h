#pragma once
// Per-profile quality choices: their defaults, and the INI file
// "pro " + settings file name with one section per profile id.

#include "platform/ini/ini_file.h"
#include "profiles/choice_list.h"

#include <optional>
#include <stdexcept>

inline const QString kSizeKey = QStringLiteral("size");
inline const QString kVideoBitrateKey = QStringLiteral("video bitrate");
inline const QString kAudioBitrateKey = QStringLiteral("audio bitrate");
inline const QString kChannelKey = QStringLiteral("Channel");

// Default list positions of a profile; the audio-only profiles have no size
// and no video quality.
struct QualityDefaults {
    std::optional<int> size;
    std::optional<int> videoQuality;
    int audioQuality = 2;
    int channel = 1;
    bool operator==(const QualityDefaults &) const = default;
};

// Set A outside DVD mode, set B in DVD mode; nothing for the blank positions
// (and for id 131 in DVD mode).
std::optional<QualityDefaults> qualityDefaults(int id, bool dvdMode);
// Whether the choices of a profile are written when another one is selected.
bool isSavedProfile(int id);

// A save could not reach the disk. what() is the text for the user.
class QualitySettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The quality settings file of an edition: "pro " + its application
// settings file name.
QString qualitySettingsFileName(const QString &settingsFileName);

class QualitySettingsStore {
public:
    // `settingsFileName` is the application settings file name of the edition
    // (bare, resolved in the settings folder).
    QualitySettingsStore(const QString &settingsFileName, bool dvdMode);

    QString path() const { return m_file.path(); }

    // Selects the stored positions of the id (its defaults where a key is
    // missing or not an integer); a position a list does not offer leaves it
    // with nothing selected. An id without defaults changes nothing.
    void apply(int id, QualityLists &lists) const;
    // Writes the selected positions (-1 for nothing selected) of a saved
    // profile; nothing for other ids and for 0 (nothing loaded yet). Throws
    // QualitySettingsWriteError when the file cannot be written.
    void save(int id, const QualityLists &lists);

private:
    IniFile m_file;
    bool m_dvdMode;
};
