#pragma once
// The prompts as the desktop shows them.

#include "ui_text/prompts.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// The standard message boxes, modal to the parent window, titled with the
// application's name.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void warning(const QString &text) override;
    void information(const QString &text) override;
    bool question(const QString &text) override;
    bool choose(const QString &text, const QString &yesCaption, const QString &noCaption) override;
    QStringList openFiles(const QString &filter, const QString &folder) override;
    // The program's own folder chooser once the main window has set it;
    // the toolkit's folder dialog until then.
    QString chooseFolder(const QString &caption, const QString &startFolder) override;
    QString saveFile(const QString &filter, const QString &suggested) override;
    using FolderChooser = std::function<QString(const QString &caption, const QString &startFolder)>;
    void setFolderChooser(FolderChooser chooser) { m_folderChooser = std::move(chooser); }
    // A progress dialog modal to the parent window.
    std::unique_ptr<ProgressPrompt> progress(std::function<void()> cancel) override;

private:
    QPointer<QWidget> m_parent;
    FolderChooser m_folderChooser;
};
