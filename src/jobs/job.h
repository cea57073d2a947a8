#pragma once
// One job: the records of one row of the job list and the state of its run.
// The job list keeps one Job per row, in row order, so every record moves
// with its row.

#include "engine/probe_extraction.h"
#include "engine/timecode.h"
#include "jobs/job_records.h"

#include <QString>
#include <QStringList>
#include <optional>

// Waiting: a file added, not converted yet; Ready: a DVD title or chapter
// listed, not converted yet. RunPaused: the row's conversion is paused.
// Playing and Paused: the row is being previewed. Stopped: its run or its
// preview was stopped.
enum class JobState { Waiting, Ready, Running, RunPaused, Finished, Failed, Stopped, Playing, Paused };

struct JobStatus {
    JobState state = JobState::Waiting;
    qint32 progress = 0; // 0 to 10000 while running, and kept while the run is paused
    QString reason;      // why a Failed job failed, in the user's words

    JobStatus() = default;
    // A state alone reads as a status: {JobState::Finished}.
    JobStatus(JobState state, qint32 progress = 0, QString reason = {})
        : state(state),
          progress(progress),
          reason(std::move(reason))
    {}
    static JobStatus running(qint32 progress) { return {JobState::Running, progress}; }
    static JobStatus runPaused(qint32 progress) { return {JobState::RunPaused, progress}; }
    static JobStatus failed(const QString &reason) { return {JobState::Failed, 0, reason}; }
    bool operator==(const JobStatus &) const = default;
};

// The Status column text: "Status", "Ready", "12.34%", "Paused", "Finish", "Failed",
// "Stop", "Play" or "Pause".
QString statusText(const JobStatus &status);

// An output file as a run left it: its size and modification time (ms since
// the epoch) tell it from any file put in its place later.
struct LeftOutput {
    QString path;
    qint64 size = 0;
    qint64 modifiedMs = 0;
    bool operator==(const LeftOutput &) const = default;
};

// What the last run of a job left behind.
struct JobRunRecord {
    QString commandLine;
    QStringList lastLines; // the encoder's last lines, oldest first
    QString logFile;       // the whole log; empty when none could be written
    QString logProblem;    // why no log was written
    // The partial output of a run the user stopped, once that run has ended.
    std::optional<LeftOutput> stoppedOutput;
    bool operator==(const JobRunRecord &) const = default;
};

// What a row converts: a file added to the list, or a DVD title or chapter
// listed from an IFO file.
enum class JobKind { File, DvdTitle, DvdChapter };

struct Job {
    JobKind kind = JobKind::File; // the DVD listing makes its rows titles or chapters
    Toriginalinfo original;
    TClipInfo clip;
    // The source's length as the probe read it to the hundredth; nullopt
    // when unknown. A job that converts the whole source passes it on, so no
    // file loses its last fraction of a second.
    std::optional<Hundredths> exactDuration;
    // DVD rows only: what the row converts and its chosen tracks.
    TConvertInfo convert;
    TrackChoice tracks;
    // The folder the file was added from with its subfolders: its outputs
    // can keep the tree below it. Empty for a file added on its own.
    QString addedFrom;
    // The source's name tags, which an output name pattern may use.
    SourceTags tags;
    // The output path decided when the list was planned for many workers:
    // the job writes there and nowhere else. Empty: decided at its start.
    QString plannedOutput;
    JobStatus status;
    JobRunRecord lastRun; // empty until the job has been started
    bool operator==(const Job &) const = default;
};

inline bool isDvdRow(const Job &job)
{
    return job.kind != JobKind::File;
}
