#include "platform/picture/picture_file.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <memory>

namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw PictureFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason).toStdString());
}

bool namedBmp(const QString &path)
{
    return path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
}

// A reader of the open file: Qt's BMP reader alone for a ".bmp" file that
// it can read, else one that detects the format.
std::unique_ptr<QImageReader> readerFor(QFile &file)
{
    if (namedBmp(file.fileName())) {
        auto bmp = std::make_unique<QImageReader>(&file, QByteArrayLiteral("bmp"));
        bmp->setAutoDetectImageFormat(false);
        if (bmp->canRead())
            return bmp;
        file.seek(0);
    }
    return std::make_unique<QImageReader>(&file);
}

} // namespace

void checkPictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
}

QImage loadPictureImage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    const std::unique_ptr<QImageReader> reader = readerFor(file);
    const QImage image = reader->read();
    if (image.isNull())
        fail(path, reader->errorString());
    return image;
}

QPixmap loadPictureFile(const QString &path)
{
    return QPixmap::fromImage(loadPictureImage(path));
}

QImage readPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readerFor(file)->read();
}

QSize pictureSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readerFor(file)->size();
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
