#pragma once
// One job: the records of one row of the job list and the state of its run.
// The job list keeps one Job per row, in row order, so every record moves
// with its row.

#include "jobs/job_records.h"

#include <QString>

// Waiting: a file added, not converted yet; Ready: a DVD title or chapter
// listed, not converted yet. Playing and Paused: the row is being
// previewed. Stopped: its run or its preview was stopped.
enum class JobState { Waiting, Ready, Running, Finished, Failed, Stopped, Playing, Paused };

struct JobStatus {
    JobState state = JobState::Waiting;
    qint32 progress = 0; // 0 to 10000 while running

    static JobStatus running(qint32 progress) { return {JobState::Running, progress}; }
    bool operator==(const JobStatus &) const = default;
};

// The Status column text: "Status", "Ready", "12.34%", "Finish", "Failed",
// "Stop", "Play" or "Pause".
QString statusText(const JobStatus &status);

struct Job {
    Toriginalinfo original;
    TClipInfo clip;
    // The source's length as the probe read it, "HH:MM:SS.cc"; empty when
    // unknown. A job that converts the whole source passes it on, so no
    // file loses its last fraction of a second.
    QString exactDuration;
    // DVD rows only: what the row converts and its chosen tracks. A row
    // without an IFO path is a file.
    TConvertInfo convert;
    TrackChoice tracks;
    JobStatus status;
    bool operator==(const Job &) const = default;
};
