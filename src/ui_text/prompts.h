#pragma once
// Modal prompts of the program: message boxes, the file-open dialog and the
// folder chooser. Everything that asks the user goes through this interface,
// so tests can answer without a human.

#include <QString>
#include <QStringList>

class Prompts {
public:
    virtual ~Prompts() = default;
    // A warning box with an OK button.
    virtual void warning(const QString &text) = 0;
    // An information box with an OK button.
    virtual void information(const QString &text) = 0;
    // A Yes/No box; true when the user answered Yes.
    virtual bool question(const QString &text) = 0;
    // A question whose two buttons name what each answer does; true for
    // the first. Where the buttons cannot be named, a Yes/No box.
    virtual bool choose(const QString &text, const QString &yesCaption, const QString &noCaption)
    {
        Q_UNUSED(yesCaption);
        Q_UNUSED(noCaption);
        return question(text);
    }
    // A file-open dialog for several existing files (hidden files shown),
    // opening at `folder` (the dialog's own choice when empty); filter in
    // Qt's syntax. The chosen paths in the dialog's order; none when
    // cancelled.
    virtual QStringList openFiles(const QString &filter, const QString &folder) = 0;
    // The folder chooser under the given caption; empty when cancelled.
    virtual QString chooseFolder(const QString &caption) = 0;
};
