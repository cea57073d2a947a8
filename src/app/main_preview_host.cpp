#include "app/main_preview_host.h"

#include "app/dvd_preview_source.h"
#include "engine/timecode.h"
#include "jobs/job_model.h"
#include "preview/preview_position.h"
#include "ui_text/prompts.h"

MainPreviewHost::MainPreviewHost(JobModel &jobs, Prompts &prompts) : m_jobs(jobs), m_prompts(prompts) {}

int MainPreviewHost::rowCount() const
{
    return m_jobs.rowCount();
}

std::optional<int> MainPreviewHost::selectedRow() const
{
    return m_jobs.selectedRow();
}

PreviewSource MainPreviewHost::source(int row) const
{
    const Job &job = m_jobs.job(row);
    PreviewSource source{job.original.sourcePath, {}};
    if (isDvdRow(job))
        source.dvd = dvdPreviewSourceOf(job.convert, job.clip);
    return source;
}

// A DVD row plays its whole title or chapter, so the cutter reaches a mark
// after the clip's end too.
qint32 MainPreviewHost::length(int row) const
{
    const Job &job = m_jobs.job(row);
    if (isDvdRow(job))
        return qMax(0, job.convert.clipEnd - job.convert.clipBegin);
    return previewLength(job.clip.fullDuration, timeCodeToSeconds(job.original.duration));
}

void MainPreviewHost::setRowStatus(int row, JobState state)
{
    m_jobs.setStatus(row, {state});
}

void MainPreviewHost::clearSelection()
{
    m_jobs.selection()->clearSelection();
}

// The list's selection signal runs the window's row click.
void MainPreviewHost::selectRow(int row)
{
    m_jobs.selectRow(row);
}

void MainPreviewHost::reportError(const QString &text)
{
    m_prompts.warning(text);
}
