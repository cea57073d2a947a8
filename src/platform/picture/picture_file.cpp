#include "platform/picture/picture_file.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>

namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw PictureFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason).toStdString());
}

} // namespace

void checkPictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
}

QPixmap loadPictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    QImageReader reader(&file);
    const QImage image = reader.read();
    if (image.isNull())
        fail(path, reader.errorString());
    return QPixmap::fromImage(image);
}

QSet<QString> namesInFolder(const QString &folder)
{
    QSet<QString> names;
    // Every kind of entry is taken, so the listing needs no look at any of them.
    QDirIterator entries(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        names.insert(entries.fileName());
    }
    return names;
}
