#pragma once
// Adding files to the job list: Add File, Add Folder, and the paths of a
// drop or of the command line. Files are probed several at once, up to the
// processor cores (a second attempt where the first gave nothing); each
// file the probe describes becomes a row, in the order the files were
// chosen, any other is named to the user as not supported, and one that
// cannot be read (see sourceRefusal) with its cause. A folder that holds no
// file of the kinds the edition takes is named to the user, once per add.
// An add runs on while the program goes on (the busy state says Adding
// until its probes have ended); one that takes a while shows "Adding 120 of
// 2,000..." in a progress window whose Cancel keeps the rows added so far and
// drops the rest. When no row is selected afterwards, the first one is. The
// adder owns the folder the user last added from, where the file-open
// dialog opens.

#include "engine/media_probe.h"
#include "jobs/job_model.h"
#include "jobs/media_filters.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class BusyState;
class ProgressPrompt;
class Prompts;
struct EncoderLocation;

// Why the file at `path` cannot be added, as the message for the user: a
// name that is not valid UTF-8 (no program can open the file by the name
// shown), or a file the system will not let this user read. Nothing when
// the probe may try it.
std::optional<QString> sourceRefusal(const QString &path);

// The progress window's text: "Adding 120 of 2,000...".
QString addingProgressText(int done, int total);

class RowFeed;

class FileAdder : public QObject {
    Q_OBJECT
public:
    // Every probe runs the encoder at `encoder`; `busy` says Adding while an add is under way.
    FileAdder(JobModel &jobs, Prompts &prompts, const EncoderLocation &encoder, BusyState &busy,
              QObject *parent = nullptr);
    ~FileAdder() override;

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

    // Ends an add under way as its progress window's Cancel does: the rows
    // added so far stay, the probes are told to end.
    void cancel();

    // Whether a probe is running.
    bool isProbing() const;
    // How long an add runs before its progress window opens (tests shorten it).
    void setProgressDelayMs(int ms) { m_progressDelayMs = ms; }

private:
    // The files of the paths, folders replaced by their media files; folders
    // that hold none are named to the user in one message.
    QStringList filesOf(const QStringList &paths);
    // One file of an add: once its probes are done, its records if the
    // probe described it.
    struct Probed {
        int attempts = 0;
        bool done = false;
        std::optional<QString> refusal; // why the file is never probed, as told to the user
        std::optional<Toriginalinfo> source;
        std::optional<Hundredths> exactDuration;
        SourceTags tags;
    };
    // Begins adding the files' rows; each comes once it and the files before it are probed.
    void addAll(const QStringList &paths);
    FolderDepth depthOf(const QString &folder);
    // Takes up the files probed so far, in order: rows, or messages.
    void advance();
    // Rows and messages of the probed files ahead, up to the first not probed yet.
    void takeProbedFiles();
    void openProgress();
    // Ends the add: the rows held back come, the probes are told to end.
    void finish();
    // Busy no more once the add is over and its probes have ended.
    void settleBusy();
    // Takes the add's files and starts the probes on the first of them.
    void startProbes(const QStringList &paths);
    // Probe `index` (of m_probes) starts on the next file not started yet, if any.
    void startNext(int index);
    // Probe `index` starts on file `file` (an attempt more).
    void probeFile(int index, int file);
    void probeEnded(int index);
    // The row of a probed file; nothing when the probe described no media.
    std::optional<ListedRow> rowOf(const QString &path, const Probed &probed) const;
    void stopProbes();

    JobModel &m_jobs;
    Prompts &m_prompts;
    const EncoderLocation &m_encoder;
    BusyState &m_busy;
    MediaKinds m_kinds = MediaKinds::Audio;
    QString m_lastFolder;
    // The folder each file of a folder add was found in, with its subfolders.
    QHash<QString, QString> m_roots;
    int m_progressDelayMs = 400;
    std::vector<std::unique_ptr<MediaProbe>> m_probes;
    // The add under way.
    QStringList m_paths;
    std::vector<Probed> m_probed;
    std::vector<int> m_probing; // the file each probe works on, -1 when idle
    int m_nextToStart = 0;
    int m_added = 0; // files taken up, in order
    bool m_cancelled = false;
    bool m_advancing = false; // advance() runs: a box or the progress window may take events within it
    std::unique_ptr<RowFeed> m_rows;
    std::unique_ptr<ProgressPrompt> m_progress;
    QTimer m_progressDue;
};
