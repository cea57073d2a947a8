#include "dvd/dvd_job_start.h"

#include "dvd/dvd_title_start.h"
#include "engine/encoder_run.h"
#include "jobs/file_job_start.h"
#include "jobs/job_list.h"
#include "jobs/output_naming.h"
#include "ui_text/prompts.h"

DvdJobStart::DvdJobStart(EncoderRun &run, const JobList &jobs, Prompts &prompts,
                         std::function<ProfileChoices()> choices, std::function<QString()> outputFolderText)
    : m_run(run),
      m_jobs(jobs),
      m_prompts(prompts),
      m_choices(std::move(choices)),
      m_outputFolderText(std::move(outputFolderText))
{}

std::optional<StartedJob> DvdJobStart::start(int row)
{
    const Job &job = m_jobs.job(row);
    const QString folder = prepareOutputFolder(m_outputFolderText());
    const DvdTitleJobResult title =
        dvdTitleJob(m_jobs.caption(row), job.original, job.convert, job.clip, m_choices(), folder);
    if (!title.job) {
        m_prompts.warning(m_jobs.caption(row).trimmed() + QStringLiteral(": ") + title.error);
        return std::nullopt;
    }
    m_run.barUpdate(0);
    // No progress line comes until ffmpeg has read its way into the title:
    // the Status moves one hundredth of a percent a second meanwhile. The
    // timer runs before the run starts, so a run that ends at once stops it.
    m_run.timer2().start();
    return StartedJob{folder, m_run.start(fileJobRecord(title.job->input, title.job->output, title.job->pieces))};
}
