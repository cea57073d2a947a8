#include "platform/picture/picture_file.h"

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
