#pragma once
// The desktop shell as the program hands it out: every request goes to the
// real shell, and a folder or link that could not be opened (no opener
// installed, none set for it, the opener's error exit, however late) is shown
// to the user in a message, with its path or address to take over by hand,
// instead of nothing happening.

#include "platform/shell/desktop_shell.h"

class Prompts;

class ReportingShell : public DesktopShell {
public:
    ReportingShell(DesktopShell &shell, Prompts &prompts) : m_shell(shell), m_prompts(prompts) {}

    void open(OpenKind kind, const QString &target, OpenFailed failed) override;
    void powerOff() override { m_shell.powerOff(); }
    bool hasTray() const override { return m_shell.hasTray(); }
    void notify(const QString &summary, const QString &body) override { m_shell.notify(summary, body); }
    void inhibitSleep(const QString &why) override { m_shell.inhibitSleep(why); }
    void allowSleep() override { m_shell.allowSleep(); }

private:
    DesktopShell &m_shell;
    Prompts &m_prompts;
};
