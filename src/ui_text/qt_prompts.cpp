#include "ui_text/qt_prompts.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
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

QString QtPrompts::saveFile(const QString &filter, const QString &suggested)
{
    QFileDialog dialog(m_parent, title(), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtPrompts::chooseFolder(const QString &caption, const QString &startFolder)
{
    if (m_folderChooser)
        return m_folderChooser(caption, startFolder);
    return QFileDialog::getExistingDirectory(m_parent, caption, startFolder,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

namespace {

// The dialog belongs to its parent window too: whichever goes first takes it.
class DialogProgress : public ProgressPrompt {
public:
    DialogProgress(QWidget *parent, std::function<void()> cancel) : m_dialog(new QProgressDialog(parent))
    {
        m_dialog->setWindowTitle(title());
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, std::move(cancel));
        m_dialog->show();
    }
    ~DialogProgress() override { delete m_dialog.data(); }
    void setProgress(const QString &text, int done, int total) override
    {
        if (!m_dialog)
            return;
        m_dialog->setLabelText(text);
        m_dialog->setMaximum(total);
        m_dialog->setValue(done);
    }

private:
    QPointer<QProgressDialog> m_dialog;
};

} // namespace

std::unique_ptr<ProgressPrompt> QtPrompts::progress(std::function<void()> cancel)
{
    return std::make_unique<DialogProgress>(m_parent, std::move(cancel));
}
