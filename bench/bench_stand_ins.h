#pragma once
// What a bench hands the main window in place of the user and the desktop:
// the file-open dialog answers with the files the bench prepared, boxes are
// printed, never shown, and the desktop shell does nothing.

#include "platform/shell/desktop_shell.h"
#include "ui_text/prompts.h"

#include <cstdio>
#include <utility>

class BenchPrompts : public Prompts {
public:
    QStringList nextFiles;
    void warning(const QString &text) override { std::fprintf(stderr, "warning: %s\n", qPrintable(text)); }
    void information(const QString &text) override { std::fprintf(stderr, "information: %s\n", qPrintable(text)); }
    bool question(const QString &) override { return true; }
    QStringList openFiles(const QString &) override { return std::exchange(nextFiles, {}); }
    QString chooseFolder(const QString &) override { return {}; }
};

class NoShell : public DesktopShell {
public:
    bool openFolder(const QString &) override { return true; }
    bool openLink(const QString &) override { return true; }
    void powerOff() override {}
    bool hasTray() const override { return false; }
    void notify(const QString &, const QString &) override {}
    void inhibitSleep(const QString &) override {}
    void allowSleep() override {}
};
