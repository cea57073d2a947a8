#include "dvd/dvd_job_start.h"

#include "dvd/dvd_title_start.h"
#include "engine/encoder_run.h"
#include "jobs/job_model.h"
#include "jobs/jobs_at_once.h"
#include "jobs/output_folder.h"
#include "jobs/output_naming.h"
#include "profiles/active_profile.h"

DvdJobStart::DvdJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder)
    : m_jobs(jobs),
      m_profile(profile),
      m_outputFolder(outputFolder)
{}

JobStartResult DvdJobStart::start(int row, const JobSlot &slot)
{
    const Job &job = m_jobs.job(row);
    const QString folder = prepareOutputFolder(m_outputFolder.forJob());
    const std::optional<LeftOutput> &own = job.lastRun.stoppedOutput;
    const DvdTitleJobResult title = dvdTitleJob(m_jobs.caption(row), job.original, job.convert, job.clip,
                                                m_profile.choices(), folder, own, slot.claimedOutputs);
    if (!title.job)
        return {std::nullopt, title.error};
    clearOwnOutput(title.job->output.path, own);
    slot.run.barUpdate(0);
    // No progress line comes until ffmpeg has read its way into the title.
    const std::optional<intputrec> started = slot.run.start(
        fileJobRecord(title.job->input, title.job->output.path, title.job->pieces), RunLeadIn::Creeping);
    return runStartResult(folder, started, title.job->output.shortened);
}

QStringList DvdJobStart::encoders() const
{
    return profileEncoders(m_profile.choices());
}

std::optional<QString> DvdJobStart::refusal() const
{
    return m_profile.startRefusal();
}

RowJobStart::RowJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder)
    : m_jobs(jobs),
      m_file(jobs, profile, outputFolder),
      m_dvd(jobs, profile, outputFolder)
{}

JobStartResult RowJobStart::start(int row, const JobSlot &slot)
{
    if (!isDvdRow(m_jobs.job(row)))
        return m_file.start(row, slot);
    return m_dvd.start(row, slot);
}

QStringList RowJobStart::encoders() const
{
    return m_file.encoders();
}

std::optional<QString> RowJobStart::refusal() const
{
    return m_file.refusal();
}
