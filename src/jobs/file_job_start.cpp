#include "jobs/file_job_start.h"

#include "engine/encoder_run.h"
#include "jobs/failure_reason.h"
#include "jobs/job_model.h"
#include "jobs/jobs_at_once.h"
#include "jobs/output_folder.h"
#include "jobs/output_naming.h"
#include "profiles/active_profile.h"

intputrec fileJobRecord(const QString &input, const QString &output, const JobPieces &pieces)
{
    intputrec rec;
    rec.inputfile = input;
    rec.outputfile = output;
    rec.size = pieces.size;
    rec.aspect = pieces.aspect;
    rec.picture = pieces.picture;
    rec.videobitrate = pieces.videobitrate;
    rec.audiobitrate = pieces.audiobitrate;
    rec.seconds = pieces.seconds;
    rec.samplerate = pieces.samplerate;
    rec.channels = pieces.channels;
    rec.start = pieces.start;
    rec.length = pieces.length;
    rec.extra = pieces.extra;
    return rec;
}

FileJobStart::FileJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder)
    : m_jobs(jobs),
      m_profile(profile),
      m_outputFolder(outputFolder)
{}

JobStartResult FileJobStart::start(int row, const JobSlot &slot)
{
    const Toriginalinfo &job = m_jobs.original(row);
    const ProfileChoices choices = m_profile.choices();
    const std::optional<JobPieces> pieces = jobPieces(m_jobs.job(row), choices);
    if (!pieces)
        return {std::nullopt, unbuildableArgumentsReason()};
    const QString folder = prepareOutputFolder(m_outputFolder.forJob());
    const std::optional<LeftOutput> &own = m_jobs.job(row).lastRun.stoppedOutput;
    const OutputName output = outputPathFor(folder, m_jobs.caption(row), choices.extension, FirstName::WholeCaption,
                                            own, slot.claimedOutputs);
    clearOwnOutput(output.path, own);
    return runStartResult(folder, slot.run.start(fileJobRecord(job.sourcePath, output.path, *pieces)),
                          output.shortened);
}

QStringList FileJobStart::encoders() const
{
    return profileEncoders(m_profile.choices());
}

std::optional<QString> FileJobStart::refusal() const
{
    return m_profile.startRefusal();
}
