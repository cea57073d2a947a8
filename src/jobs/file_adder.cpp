#include "jobs/file_adder.h"

#include "engine/intputrec.h"
#include "jobs/job_from_probe.h"
#include "jobs/job_model.h"
#include "jobs/media_filters.h"
#include "ui_text/prompts.h"

#include <QDir>
#include <QFileInfo>

FileAdder::FileAdder(JobModel &jobs, Prompts &prompts, const EncoderLocation &encoder, QObject *parent)
    : QObject(parent),
      m_jobs(jobs),
      m_prompts(prompts),
      m_encoder(encoder)
{}

void FileAdder::addFiles()
{
    const QStringList files = m_prompts.openFiles(addFilesFilter(m_kinds), m_lastFolder);
    if (!files.isEmpty())
        m_lastFolder = QFileInfo(files.first()).absolutePath();
    addAll(files);
}

void FileAdder::addFolder()
{
    const QString folder = m_prompts.chooseFolder(QStringLiteral("File Directory"));
    if (folder.isEmpty())
        return;
    m_lastFolder = folder;
    addAll(filesOf({folder}));
}

void FileAdder::addPaths(const QStringList &paths)
{
    addAll(filesOf(paths));
}

QStringList FileAdder::filesOf(const QStringList &paths)
{
    QStringList files;
    QStringList emptyFolders;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        const QStringList found = folderMediaFiles(path, m_kinds);
        if (found.isEmpty())
            emptyFolders << QDir::toNativeSeparators(path);
        files += found;
    }
    if (!emptyFolders.isEmpty())
        m_prompts.information(QStringLiteral("No media files to add in:\n%1\n\nA folder adds the %2 directly "
                                             "inside it; its subfolders are not searched. Choose the folder that "
                                             "holds the files, or add them with Add File.")
                                  .arg(emptyFolders.join(u'\n'), folderMediaText(m_kinds)));
    return files;
}

void FileAdder::addAll(const QStringList &paths)
{
    for (const QString &path : paths) {
        // The name's bytes are lost in the replacement mark: no program could open the file by it.
        if (path.contains(QChar::ReplacementCharacter))
            m_prompts.warning(QStringLiteral("%1 cannot be added: its name is not valid UTF-8 text (shown with %2 "
                                             "where it is not), so the file cannot be opened by it. Rename the file, "
                                             "then add it again.")
                                  .arg(QFileInfo(path).fileName(), QChar(QChar::ReplacementCharacter)));
        else if (!addWithRetry(path))
            m_prompts.information(QFileInfo(path).fileName() + QStringLiteral(" is not support!"));
    }
    if (m_jobs.rowCount() > 0 && !m_jobs.selectedRow())
        m_jobs.selectRow(0);
}

bool FileAdder::addWithRetry(const QString &path)
{
    // A probe that stalled (a FIFO, a hung mount) would only stall again.
    return addOneFile(path) || (m_probe.outcome().kind != RunOutcome::Kind::Stalled && addOneFile(path));
}

bool FileAdder::addOneFile(const QString &path)
{
    m_probe.start(m_encoder.encoderfile, m_encoder.workdir, path);
    m_probe.waitUntilIdle();
    // The records are complete before the row exists, so no row is ever left without them.
    const std::optional<Toriginalinfo> source = jobRecordFromProbe(path, m_probe.results());
    if (!source)
        return false;
    Job added;
    added.original = *source;
    added.clip = wholeClipOf(*source);
    added.exactDuration = m_probe.results().exactDuration;
    m_jobs.append(added, jobNameOf(path), path);
    return true;
}
