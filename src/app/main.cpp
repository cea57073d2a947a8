// Veltrix Video Converter: program entry.

#include "app/display_check.h"
#include "app/quick_convert_window.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char *argv[])
{
    const QString message = noDisplayMessage(QString::fromLocal8Bit(argv[0]));
    if (!message.isEmpty()) {
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        music = QDir::homePath();
    QuickConvertWindow window(folder, music);
    window.loadSkin(folder + "/skn.skn");
    // A file named on the command line ("Open with") is added at once.
    const QStringList arguments = app.arguments();
    if (arguments.size() > 1)
        window.setSourceFile(arguments.at(1));
    window.show();
    return app.exec();
}
