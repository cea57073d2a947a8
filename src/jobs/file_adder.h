#pragma once
// Adding files to the job list: Add File, Add Folder, and the paths of a
// drop or of the command line. Each file is probed (a second attempt where
// the first gave nothing); a file the probe describes becomes a row, any
// other is named to the user as not supported, and one whose name is not
// valid UTF-8 (which no program can open by its name as shown) as such.
// When no row is selected afterwards, the first one is.

#include "engine/media_probe.h"

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

    // The file-open dialog, then each chosen file.
    void addFiles();
    // The folder chooser, then the folder's audio files.
    void addFolder();
    // A file as Add File adds a chosen file, a folder as Add Folder adds a
    // chosen folder.
    void addPaths(const QStringList &paths);
    // Probes the file and appends its row; false (nothing added) when the
    // probe gives no numeric overall bit rate.
    bool addOneFile(const QString &path);

private:
    void addAll(const QStringList &paths);
    bool addWithRetry(const QString &path);

    JobModel &m_jobs;
    Prompts &m_prompts;
    const EncoderLocation &m_encoder;
    MediaProbe m_probe;
};
