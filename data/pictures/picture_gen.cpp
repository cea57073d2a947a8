// Build tool: draws every picture the program loads into the executable
// folder, so no binary picture lives in the repository; each also at twice
// its size, for scaled desktops.
// Usage: picture_gen <executable folder> <edition base name>...

#include "brand_pictures.h"
#include "button_pictures.h"
#include "picture_sheet.h"
#include "profile_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {
// How many pixels a picture has per pixel of its size: 1, then 2 for the
// drawings of scaled desktops.
int pixelsPerPoint = 1;
} // namespace

QImage canvas(int width, int height, const QColor &background)
{
    QImage image(width * pixelsPerPoint, height * pixelsPerPoint, QImage::Format_RGB32);
    // The painters draw in the picture's size; the painter scales to its pixels.
    image.setDevicePixelRatio(pixelsPerPoint);
    image.fill(background);
    return image;
}

// "images/main/2.bmp" drawn at twice the size: "images/main/2@2x.png" (PNG
// keeps the many larger pictures small).
QString picturePath(const QString &path, int scale)
{
    return scale == 1 ? path : path.left(path.lastIndexOf(u'.')) + QStringLiteral("@%1x.png").arg(scale);
}

QFont pixelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: picture_gen <executable folder> <edition base name>...\n", stderr);
        return 1;
    }
    // Text needs fonts, which need a (windowless) platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QStringList editions;
    for (int i = 2; i < argc; ++i)
        editions << QString::fromLocal8Bit(argv[i]);

    for (const int scale : {1, 2}) {
        pixelsPerPoint = scale;
        PictureSheet sheet;
        addProfileIconPictures(sheet);
        addBannerPictures(sheet, editions);
        addProfilePictures(sheet);
        addPickerStripPictures(sheet);
        addCategoryPictures(sheet);
        addImageButtonPictures(sheet);
        addSkinPictures(sheet);
        for (const Picture &picture : sheet) {
            const QString path = folder.filePath(picturePath(picture.path, scale));
            if (!QDir().mkpath(QFileInfo(path).absolutePath())
                || !picture.image.save(path, scale == 1 ? "BMP" : "PNG")) {
                std::fprintf(stderr, "picture_gen: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
