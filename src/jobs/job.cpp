#include "jobs/job.h"

#include "engine/progress.h"

QString statusText(const JobStatus &status)
{
    switch (status.state) {
    case JobState::Waiting:
        return QStringLiteral("Status");
    case JobState::Ready:
        return QStringLiteral("Ready");
    case JobState::Running:
        return progressText(status.progress);
    case JobState::RunPaused:
        return QStringLiteral("Paused");
    case JobState::Finished:
        return QStringLiteral("Finish");
    case JobState::Failed:
        return QStringLiteral("Failed");
    case JobState::Stopped:
        return QStringLiteral("Stop");
    case JobState::Playing:
        return QStringLiteral("Play");
    case JobState::Paused:
        return QStringLiteral("Pause");
    }
    return {};
}
