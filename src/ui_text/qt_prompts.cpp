#include "ui_text/qt_prompts.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString title()
{
    return QGuiApplication::applicationDisplayName();
}
} // namespace

void QtPrompts::warning(const QString &text)
{
    QMessageBox::warning(m_parent, title(), text);
}

void QtPrompts::information(const QString &text)
{
    QMessageBox::information(m_parent, title(), text);
}

bool QtPrompts::question(const QString &text)
{
    return QMessageBox::question(m_parent, title(), text) == QMessageBox::Yes;
}

bool QtPrompts::choose(const QString &text, const QString &yesCaption, const QString &noCaption)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, m_parent);
    QPushButton *yes = box.addButton(yesCaption, QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(noCaption, QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

QStringList QtPrompts::openFiles(const QString &filter, const QString &folder)
{
    QFileDialog dialog(m_parent, title(), folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    // Qt's own dialog follows the program's palette; a desktop's would not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtPrompts::chooseFolder(const QString &caption)
{
    if (m_folderChooser)
        return m_folderChooser(caption);
    return QFileDialog::getExistingDirectory(m_parent, caption, QString(),
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}
