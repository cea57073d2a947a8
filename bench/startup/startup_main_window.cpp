// Start-up of the converter's main window, as the program starts it.

#include "app/tfm_main.h"
#include "platform/shell/qt_desktop_shell.h"
#include "startup_report.h"
#include "ui_look/look.h"
#include "ui_text/qt_prompts.h"

int main(int argc, char *argv[])
{
    StartupReportApplication app(argc, argv);
    applyProgramLook(app);
    QtPrompts prompts;
    QtDesktopShell shell;
    const QString folder = QStringLiteral(VELTRIX_BIN_DIR);
    const auto fm_main = std::make_unique<Tfm_main>(prompts, shell, folder + "/veltrix-video-converter", folder);
    return app.showAndReport(*fm_main);
}
