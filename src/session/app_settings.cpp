#include "session/app_settings.h"

#include "platform/ini/ini_file.h"
#include "session/stored_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
const QString kPlane = QStringLiteral("plane");
const QString kOutput = QStringLiteral("output");
const QString kProfiles = QStringLiteral("profiles");
const QString kInput = QStringLiteral("input");
const QString kWindow = QStringLiteral("window");
bool saveWindowPlace(IniFile &ini, const AppSettings &s)
{
    if (!s.windowPlace.isValid())
        return true;
    return ini.writeInteger(kWindow, "left", s.windowPlace.left())
           && ini.writeInteger(kWindow, "top", s.windowPlace.top())
           && ini.writeInteger(kWindow, "width", s.windowPlace.width())
           && ini.writeInteger(kWindow, "height", s.windowPlace.height())
           && ini.writeBool(kWindow, "maximized", s.windowMaximized);
}

} // namespace

AppSettings firstStartSettings(bool audioEdition)
{
    constexpr int kMp3 = 17, kMp4Avc = 5;
    AppSettings settings;
    settings.profileId = audioEdition ? kMp3 : kMp4Avc;
    QString folder =
        QStandardPaths::writableLocation(audioEdition ? QStandardPaths::MusicLocation : QStandardPaths::MoviesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    settings.outputPath = folder.endsWith(u'/') ? folder : folder + u'/';
    return settings;
}

AppSettings loadAppSettings(const IniFile &ini, const AppSettings &defaults)
{
    AppSettings s;
    s.videoPanel = ini.readBool(kPlane, "video", defaults.videoPanel);
    s.audioPage = ini.readBool(kPlane, "audio", defaults.audioPage);
    const std::optional<QByteArray> path = ini.readBytes(kOutput, "path");
    s.outputPath = path ? folderFromStoredBytes(*path) : defaults.outputPath;
    s.keepShape = ini.readBool(kOutput, "keepshape", defaults.keepShape);
    s.keepTree = ini.readBool(kOutput, "keepstructure", defaults.keepTree);
    if (const std::optional<QByteArray> pattern = ini.readBytes(kOutput, "namepattern"))
        s.namePattern = QString::fromUtf8(*pattern);
    s.categoryIndex = ini.readInteger(kProfiles, "selcetindex", defaults.categoryIndex);
    s.profileId = ini.readInteger(kProfiles, "selcetsubindex", defaults.profileId);
    s.finishAction = ini.readInteger(kProfiles, "FinishSelcet", defaults.finishAction);
    if (const std::optional<QByteArray> added = ini.readBytes(kInput, "path"))
        s.addFolder = folderFromStoredBytes(*added);
    s.jobsAtOnce = ini.readInteger(kProfiles, "JobsAtOnce", defaults.jobsAtOnce);
    s.windowPlace = QRect(ini.readInteger(kWindow, "left", 0), ini.readInteger(kWindow, "top", 0),
                          ini.readInteger(kWindow, "width", -1), ini.readInteger(kWindow, "height", -1));
    s.windowMaximized = ini.readBool(kWindow, "maximized", defaults.windowMaximized);
    return s;
}

bool saveAppSettings(IniFile &ini, const AppSettings &s)
{
    return ini.writeBytes(kOutput, "path", storedFolderBytes(s.outputPath, ini.readBytes(kOutput, "path")))
           && ini.writeBool(kOutput, "keepshape", s.keepShape) && ini.writeBool(kOutput, "keepstructure", s.keepTree)
           && ini.writeBytes(kOutput, "namepattern", s.namePattern.toUtf8())
           && ini.writeInteger(kProfiles, "selcetsubindex", s.profileId)
           && ini.writeInteger(kProfiles, "selcetindex", s.categoryIndex)
           && ini.writeInteger(kProfiles, "FinishSelcet", s.finishAction)
           && ini.writeInteger(kProfiles, "JobsAtOnce", s.jobsAtOnce) && ini.writeBool(kPlane, "video", s.videoPanel)
           && ini.writeBool(kPlane, "audio", s.audioPage) && saveWindowPlace(ini, s)
           && (s.addFolder.isEmpty()
               || ini.writeBytes(kInput, "path", storedFolderBytes(s.addFolder, ini.readBytes(kInput, "path"))));
}
