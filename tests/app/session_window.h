#pragma once
// The main window over a session of its own, made as the program makes them:
// the session first, the window over it, and the window gone before it.

#include "app/tfm_main.h"
#include "session/converter_session.h"

#include <QTest>
#include <memory>

struct SessionOfWindow {
    std::unique_ptr<ConverterSession> session;
};

class SessionWindow : private SessionOfWindow, public Tfm_main {
public:
    SessionWindow(Prompts &prompts, DesktopShell &shell, const QString &programPath, const QString &folder)
        : SessionOfWindow{std::make_unique<ConverterSession>(prompts, shell, programPath, folder)},
          Tfm_main(*SessionOfWindow::session)
    {}
};

// Waits until the add under way has listed its files and its probes have ended.
inline bool addEnded(Tfm_main &window)
{
    return QTest::qWaitFor([&window] { return !window.session().busy().is(Busy::Adding); }, 60000);
}
