#include "app/command_line_info.h"

#include "session/edition.h"

namespace {

// The CMake project version, given to this file alone by src/app/CMakeLists.txt.
constexpr const char *kVersion = VELTRIX_VERSION;

QString helpText(const Edition &edition)
{
    const QString opens =
        edition.dvdMode ? QStringLiteral("Opens the window; a DVD folder, or the IFO files of one, lists the disc's\n"
                                         "titles, and media files are added to the list.\n")
                        : QStringLiteral("Opens the window and adds the media files named to the list; a folder adds\n"
                                         "the %1 files in it.\n")
                              .arg(edition.audioNamed ? QStringLiteral("audio") : QStringLiteral("media"));
    return QStringLiteral("Usage: %1 [FILE|FOLDER]...\n").arg(edition.name) + opens
           + QStringLiteral("\nOptions:\n"
                            "  -h, --help     print this help and exit\n"
                            "      --version  print the version and exit\n");
}

} // namespace

std::optional<QString> commandLineInformation(const QString &programPath, const QStringList &arguments)
{
    const Edition edition = editionOf(programPath);
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--version"))
            return QStringLiteral("%1 (Veltrix Video Converter) %2\n").arg(edition.name, QLatin1String(kVersion));
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return helpText(edition);
    }
    return std::nullopt;
}
