#include "app/app_settings.h"

#include "app/stored_folder.h"
#include "platform/ini/ini_file.h"

#include <QDir>
#include <QStandardPaths>

namespace {
const QString kPlane = QStringLiteral("plane");
const QString kOutput = QStringLiteral("output");
const QString kProfiles = QStringLiteral("profiles");
} // namespace

QString defaultOutputFolder()
{
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        music = QDir::homePath();
    return music.endsWith(u'/') ? music : music + u'/';
}

AppSettings loadAppSettings(const IniFile &ini)
{
    const AppSettings defaults;
    AppSettings s;
    s.videoPanel = ini.readBool(kPlane, "video", defaults.videoPanel);
    s.audioPage = ini.readBool(kPlane, "audio", defaults.audioPage);
    const std::optional<QByteArray> path = ini.readBytes(kOutput, "path");
    s.outputPath = path ? folderFromStoredBytes(*path) : defaultOutputFolder();
    s.categoryIndex = ini.readInteger(kProfiles, "selcetindex", defaults.categoryIndex);
    s.profileId = ini.readInteger(kProfiles, "selcetsubindex", defaults.profileId);
    s.finishAction = ini.readInteger(kProfiles, "FinishSelcet", defaults.finishAction);
    s.jobsAtOnce = ini.readInteger(kProfiles, "JobsAtOnce", defaults.jobsAtOnce);
    return s;
}

bool saveAppSettings(IniFile &ini, const AppSettings &s)
{
    return ini.writeBytes(kOutput, "path", storedFolderBytes(s.outputPath, ini.readBytes(kOutput, "path")))
           && ini.writeInteger(kProfiles, "selcetsubindex", s.profileId)
           && ini.writeInteger(kProfiles, "selcetindex", s.categoryIndex)
           && ini.writeInteger(kProfiles, "FinishSelcet", s.finishAction)
           && ini.writeInteger(kProfiles, "JobsAtOnce", s.jobsAtOnce) && ini.writeBool(kPlane, "video", s.videoPanel)
           && ini.writeBool(kPlane, "audio", s.audioPage);
}
