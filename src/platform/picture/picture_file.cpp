#include "platform/picture/picture_file.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
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

// Pictures are drawn at twice their size as "<name>@2x.png" beside them,
// for screens of a device pixel ratio above 1 (scaled desktops): the path of
// that drawing when such a screen is there and the drawing too.
QString sharperPicturePath(const QString &path)
{
    // Under a bare QCoreApplication (the command line, the session alone) no screen scales.
    const auto *gui = qobject_cast<const QGuiApplication *>(QCoreApplication::instance());
    if (!gui || gui->devicePixelRatio() <= 1)
        return {};
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString sharper = (dot > path.lastIndexOf(u'/') ? path.left(dot) : path) + QStringLiteral("@2x.png");
    return QFile::exists(sharper) ? sharper : QString();
}

// The sharper drawing of the picture, sized for the desktop's scale; null
// when there is none or it cannot be read.
QImage readSharperPicture(const QString &path)
{
    const QString sharper = sharperPicturePath(path);
    if (sharper.isEmpty())
        return {};
    QFile file(sharper);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImage image = readerFor(file)->read();
    image.setDevicePixelRatio(2);
    return image;
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
    if (QImage sharper = readSharperPicture(path); !sharper.isNull())
        return sharper;
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
    if (QImage sharper = readSharperPicture(path); !sharper.isNull())
        return sharper;
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
