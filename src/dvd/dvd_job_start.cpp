#include "dvd/dvd_job_start.h"

#include "dvd/dvd_title_start.h"
#include "jobs/job_model.h"
#include "jobs/jobs_at_once.h"
#include "profiles/active_profile.h"

DvdJobStart::DvdJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder)
    : m_jobs(jobs),
      m_profile(profile),
      m_outputFolder(outputFolder)
{}

JobStartResult DvdJobStart::start(int row, const JobSlot &slot)
{
    const Job &job = m_jobs.job(row);
    const ProfileChoices choices = m_profile.choices();
    const DvdTitleJobResult title = dvdTitleJob(job.original, job.convert, job.clip, choices);
    if (!title.job)
        return {std::nullopt, title.error};
    slot.run.barUpdate(0);
    // A chapter's caption is indented; its file's first name is not. No
    // progress line comes until ffmpeg has read its way into the title.
    return startJobRun({m_outputFolder, m_jobs, choices.extension, FirstName::WithoutLeadingBlanks}, row, slot,
                       title.job->record, RunLeadIn::Creeping);
}

QStringList DvdJobStart::encoders() const
{
    return profileEncoders(m_profile.choices());
}

std::optional<QString> DvdJobStart::refusal() const
{
    return m_profile.startRefusal();
}
