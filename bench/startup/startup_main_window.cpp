// Start-up of the converter's main window, as the program starts it.

#include "app/tfm_main.h"
#include "platform/shell/qt_desktop_shell.h"
#include "session/converter_session.h"
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
    ConverterSession session(prompts, shell, folder + "/veltrix-video-converter", folder);
    const auto fm_main = std::make_unique<Tfm_main>(session);
    return app.showAndReport(*fm_main);
}
