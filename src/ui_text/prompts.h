#pragma once
// Modal prompts of the program: message boxes, the file-open dialog and the
// folder chooser. Everything that asks the user goes through this interface,
// so tests can answer without a human.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class Prompts {
public:
    virtual ~Prompts() = default;
    // A warning box with an OK button.
    virtual void warning(const QString &text) = 0;
    // An information box with an OK button.
    virtual void information(const QString &text) = 0;
    // A Yes/No box; true when the user answered Yes.
    virtual bool question(const QString &text) = 0;
    // A file-open dialog for several existing files (hidden files shown);
    // filter in Qt's syntax. The chosen paths in the dialog's order; none
    // when cancelled.
    virtual QStringList openFiles(const QString &filter) = 0;
    // The folder chooser under the given caption; empty when cancelled.
    virtual QString chooseFolder(const QString &caption) = 0;
};

// The standard message boxes, modal to the parent window, titled with the
// application's name.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void warning(const QString &text) override;
    void information(const QString &text) override;
    bool question(const QString &text) override;
    QStringList openFiles(const QString &filter) override;
    // The program's own folder chooser once the main window has set it;
    // the toolkit's folder dialog until then.
    QString chooseFolder(const QString &caption) override;
    using FolderChooser = std::function<QString(const QString &caption)>;
    void setFolderChooser(FolderChooser chooser) { m_folderChooser = std::move(chooser); }

private:
    QPointer<QWidget> m_parent;
    FolderChooser m_folderChooser;
};
