// The yardstick: a plain Qt window of the main window's size, built the same way.

#include "rest_report.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Video Converter"));
    window.setFixedSize(781, 558);
    return showAndReport(window);
}
