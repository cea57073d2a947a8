#pragma once
// What a terminal offers in place of the window's dialogs and the desktop:
// messages go to the report, questions take the answer the command line
// gave, and there is no desktop to open folders in, power off or notify.

#include "platform/shell/desktop_shell.h"
#include "ui_text/prompts.h"

class ConvertReport;

class TerminalPrompts : public Prompts {
public:
    // `addSubfolders` answers whether a folder's subfolders are added too.
    TerminalPrompts(ConvertReport &report, bool addSubfolders) : m_report(report), m_addSubfolders(addSubfolders) {}

    void warning(const QString &text) override;
    void information(const QString &text) override;
    // Nothing is asked of a terminal: No, unless the command line answered.
    bool question(const QString &) override { return false; }
    bool choose(const QString &, const QString &, const QString &) override { return m_addSubfolders; }
    QStringList openFiles(const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }

private:
    ConvertReport &m_report;
    bool m_addSubfolders;
};

class NoDesktop : public DesktopShell {
public:
    void open(OpenKind, const QString &, OpenFailed failed) override
    {
        if (failed)
            failed(QStringLiteral("a terminal has no desktop to open it"));
    }
    void powerOff() override {}
    bool hasTray() const override { return false; }
    void notify(const QString &, const QString &) override {}
    void inhibitSleep(const QString &) override {}
    void allowSleep() override {}
};
