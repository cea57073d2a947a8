#pragma once
// Adding files to the job list: Add File, Add Folder, and the paths of a
// drop or of the command line. Each file is probed (a second attempt where
// the first gave nothing); a file the probe describes becomes a row, any
// other is named to the user as not supported, and one whose name is not
// valid UTF-8 (which no program can open by its name as shown) as such. A
// folder that holds no file of the kinds the edition takes is named to the
// user, once per add. When no row is selected afterwards, the first one is.
// The adder owns the folder the user last added from, where the file-open
// dialog opens.

#include "engine/media_probe.h"
#include "jobs/media_filters.h"

#include <QObject>
#include <QStringList>

class JobModel;
class Prompts;
struct EncoderLocation;

class FileAdder : public QObject {
    Q_OBJECT
public:
    // Every probe runs the encoder at `encoder`.
    FileAdder(JobModel &jobs, Prompts &prompts, const EncoderLocation &encoder, QObject *parent = nullptr);

    MediaProbe &probe() { return m_probe; }
    // The kinds of media the edition takes; audio until set.
    void setMediaKinds(MediaKinds kinds) { m_kinds = kinds; }
    // The folder the user last added files or a folder from; empty at first.
    const QString &lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString &folder) { m_lastFolder = folder; }

    // The file-open dialog, opening at the last folder, then each chosen file.
    void addFiles();
    // The folder chooser, then the folder's media files.
    void addFolder();
    // A file as Add File adds a chosen file, a folder as Add Folder adds a
    // chosen folder.
    void addPaths(const QStringList &paths);
    // Probes the file and appends its row; false (nothing added) when the
    // probe gives no numeric overall bit rate.
    bool addOneFile(const QString &path);

private:
    // The files of the paths, folders replaced by their media files; folders
    // that hold none are named to the user in one message.
    QStringList filesOf(const QStringList &paths);
    void addAll(const QStringList &paths);
    bool addWithRetry(const QString &path);

    JobModel &m_jobs;
    Prompts &m_prompts;
    const EncoderLocation &m_encoder;
    MediaProbe m_probe;
    MediaKinds m_kinds = MediaKinds::Audio;
    QString m_lastFolder;
};
