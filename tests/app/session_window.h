#pragma once
// The main window over a session of its own, made as the program makes them:
// the session first, the window over it, and the window gone before it.

#include "add_wait.h"
#include "app/tfm_main.h"
#include "session/converter_session.h"

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

inline bool addEnded(Tfm_main &window)
{
    return veltrix::test::addEnded(window.session().busy());
}
