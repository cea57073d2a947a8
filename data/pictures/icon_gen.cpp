// Build tool: draws the application icon of each edition into a hicolor
// icon theme folder, which `cmake --install` installs.
// Usage: icon_gen <icon theme folder> <edition>...

#include "app_icons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: icon_gen <icon theme folder> <edition>...\n", stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QStringList editions;
    for (int i = 2; i < argc; ++i)
        editions << QString::fromLocal8Bit(argv[i]);

    PictureSheet sheet;
    addAppIcons(sheet, editions);
    for (const Picture &picture : sheet) {
        const QString path = folder.filePath(picture.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "icon_gen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
