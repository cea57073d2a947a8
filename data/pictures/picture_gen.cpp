// Build tool: draws every picture the program loads into the executable
// folder, so no binary picture lives in the repository.
// Usage: picture_gen <executable folder> <edition base name>...

#include "brand_pictures.h"
#include "button_pictures.h"
#include "picture_sheet.h"
#include "profile_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

QImage canvas(int width, int height, const QColor &background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
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

    PictureSheet sheet;
    addProfileIconPictures(sheet);
    addBannerPictures(sheet, editions);
    addProfilePictures(sheet);
    addPickerStripPictures(sheet);
    addCategoryPictures(sheet);
    addImageButtonPictures(sheet);
    addSkinPictures(sheet);

    for (const Picture &picture : sheet) {
        const QString path = folder.filePath(picture.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !picture.image.save(path, "BMP")) {
            std::fprintf(stderr, "picture_gen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
