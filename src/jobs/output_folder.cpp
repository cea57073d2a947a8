#include "jobs/output_folder.h"

#include "jobs/failure_reason.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

QString absoluteOutputFolder(const QString &typed, const QString &home)
{
    if (typed == QLatin1String("~"))
        return home;
    if (typed.startsWith(QLatin1String("~/")))
        return QDir(home).filePath(typed.mid(2));
    if (QDir::isAbsolutePath(typed))
        return typed;
    return QDir(home).filePath(typed);
}

std::optional<QString> outputFolderRefusal(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return QStringLiteral("No output folder is given, so nothing was converted.\n"
                              "Type a folder into the Output field or choose one with the folder button, "
                              "then press Start again.");
    if (typed.contains(QChar::ReplacementCharacter))
        return QStringLiteral("The output folder \"%1\" has a name that is not valid text on this system "
                              "(shown as \uFFFD), so files cannot be written there and nothing was converted.\n"
                              "Rename that folder or choose another one, then press Start again.")
            .arg(typed);
    return std::nullopt;
}

std::optional<QString> outputFolderWriteRefusal(const QString &folder)
{
    const QString cannot = QStringLiteral("The output folder \"%1\" cannot be used: %2. Nothing was converted.\n"
                                          "Choose another folder, or make this one writable, then press Start again.");
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (error)
        return cannot.arg(folder, QString::fromLocal8Bit(error.message()));
    if (const std::optional<QString> cause = folderWriteError(folder))
        return cannot.arg(folder, *cause);
    return std::nullopt;
}

QString OutputFolder::absolute() const
{
    return absoluteOutputFolder(m_text, QDir::homePath());
}

void OutputFolder::setFolder(const QString &folder)
{
    m_stored = folder;
    show(folder);
}

QString OutputFolder::takeText()
{
    if (!outputFolderRefusal(m_text)) {
        m_stored = absolute();
        show(m_stored);
    }
    return m_stored;
}

void OutputFolder::show(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged(text);
}
