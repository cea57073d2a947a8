// The yardsticks: a plain Qt window of the main window's size, built the same
// way; with the argument "text" it also holds one line edit and one label, so
// that it pays for loading a font as the main window does.

#include "startup_report.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>

int main(int argc, char *argv[])
{
    StartupReportApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Video Converter"));
    window.setFixedSize(781, 558);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Output folder"), &window));
        layout->addWidget(new QLineEdit(&window));
    }
    return app.showAndReport(window);
}
