#pragma once
// The running program: its prompts and desktop shell, the converter session
// over them, the main window showing the session, and its orderly end on the
// signals by which the system ends it, as the program's entry makes them.

#include "app/reporting_shell.h"
#include "platform/shell/qt_desktop_shell.h"
#include "platform/signals/end_signals.h"
#include "session/converter_session.h"
#include "ui_text/qt_prompts.h"

#include <QString>
#include <memory>

class Tfm_main;

class Program {
public:
    // programPath is the path the program was started under (its file name
    // is the edition); every data file lies in executableFolder.
    Program(const QString &programPath, const QString &executableFolder);
    ~Program();

    Tfm_main &window() { return *m_window; }

private:
    QtPrompts m_prompts;
    QtDesktopShell m_desktop;
    ReportingShell m_shell{m_desktop, m_prompts};
    ConverterSession m_session;
    std::unique_ptr<Tfm_main> m_window;
    EndSignals m_endSignals;
};
