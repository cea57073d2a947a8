#pragma once
// Modal prompts of the program: message boxes, the file-open dialog, the
// folder chooser and the progress of a long task. Everything that asks the
// user goes through this interface, so tests can answer without a human.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The progress of a long task in a modal window with a Cancel button, shown
// while the object lives. The window takes the user's input meanwhile, so no
// other command starts.
class ProgressPrompt {
public:
    virtual ~ProgressPrompt() = default;
    // A modal window takes events while it is updated: its Cancel may come in here.
    virtual void setProgress(const QString &text, int done, int total) = 0;
};

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
    // The folder chooser under the given caption, opening at `startFolder`
    // (the home folder when empty); empty when cancelled.
    virtual QString chooseFolder(const QString &caption, const QString &startFolder) = 0;
    // A save dialog for a new file named `suggested` (filter in Qt's
    // syntax), asking before it replaces one; empty when cancelled. Nothing
    // is saved where no dialog can be shown.
    virtual QString saveFile(const QString &filter, const QString &suggested)
    {
        (void)filter;
        (void)suggested;
        return {};
    }
    // Opens the progress window of a long task; `cancel` runs when the user
    // cancels it. Nothing where progress is not shown.
    virtual std::unique_ptr<ProgressPrompt> progress(std::function<void()> cancel)
    {
        (void)cancel;
        return nullptr;
    }
};
