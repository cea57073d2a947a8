#include "session/damaged_settings.h"

#include "platform/ini/ini_damage.h"
#include "platform/ini/ini_file.h"

#include <QDir>

std::optional<QString> damagedSettingsNotice(IniFile &file)
{
    const QString path = QDir::toNativeSeparators(file.path());
    switch (file.keepCopyIfDamaged()) {
    case IniFile::Damage::None:
    case IniFile::Damage::CopyKeptBefore:
        return std::nullopt;
    case IniFile::Damage::CopyKept:
        return QStringLiteral("The settings file %1 was damaged: some of its lines cannot be read and would be "
                              "lost when the settings are saved. A copy of the whole file was kept as %2.\n"
                              "The program goes on with what it could read; take anything you still need from "
                              "the copy.")
            .arg(path, QDir::toNativeSeparators(damagedCopyPath(file.path())));
    case IniFile::Damage::TooLargeMoved:
        return QStringLiteral("The settings file %1 was damaged: it is larger than a settings file can be, so it "
                              "was not read. It was moved to %2, and the program starts with the default "
                              "settings.")
            .arg(path, QDir::toNativeSeparators(damagedCopyPath(file.path())));
    case IniFile::Damage::NotAFile:
        return file.error()
               + QStringLiteral("\nThe program starts with the default settings. Remove or rename what lies there "
                                "to keep the choices you make.");
    case IniFile::Damage::CopyFailed:
        break;
    }
    return QStringLiteral("The settings file %1 is damaged, and no copy of it could be kept: %2\n"
                          "The program does not write to it, so choices made now are not saved. Make the "
                          "settings folder writable, then start the program again.")
        .arg(path, file.error());
}
