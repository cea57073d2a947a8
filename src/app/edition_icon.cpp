#include "app/edition_icon.h"

#include <QDir>
#include <QFileInfo>

namespace {

QIcon iconFiles(const QString &programFolder, const QString &name)
{
    QIcon icon;
    for (const char *up : {"/../share/icons/hicolor", "/../../share/icons/hicolor"}) {
        const QDir theme(programFolder + QLatin1String(up));
        for (const QString &size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString file = theme.filePath(size + QStringLiteral("/apps/") + name + QStringLiteral(".png"));
            if (QFileInfo::exists(file))
                icon.addFile(file);
        }
        if (!icon.isNull())
            break;
    }
    return icon;
}

} // namespace

QIcon editionIcon(const QString &programFolder, const QString &edition)
{
    const QIcon own = iconFiles(programFolder, edition);
    return own.isNull() ? iconFiles(programFolder, QStringLiteral("veltrix-video-converter")) : own;
}
