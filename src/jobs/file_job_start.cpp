#include "jobs/file_job_start.h"

#include "engine/encoder_run.h"

#include "jobs/failure_reason.h"
#include "jobs/job_model.h"
#include "jobs/jobs_at_once.h"
#include "jobs/output_folder.h"
#include "jobs/output_naming.h"
#include "profiles/active_profile.h"
#include <QDir>
#include <QFileInfo>

FileJobStart::FileJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder)
    : m_jobs(jobs),
      m_profile(profile),
      m_outputFolder(outputFolder)
{}

OutputName jobOutputName(const JobOutputSide &output, int row, const QStringList &claimed)
{
    const Job &job = output.jobs.job(row);
    if (!job.plannedOutput.isEmpty()) {
        prepareOutputFolder(QFileInfo(job.plannedOutput).path());
        return {job.plannedOutput};
    }
    const QString root = output.folder.takeText();
    QString folderText =
        output.folder.keepsStructure() ? treeFolder(root, job.original.sourcePath, job.addedFrom) : root;
    QString caption = output.jobs.caption(row);
    std::optional<QStringList> named = patternParts(output.folder.namePattern(), job.tags);
    if (named && !isDvdRow(job)) {
        caption = named->takeLast();
        if (!named->isEmpty())
            folderText = QDir(folderText).filePath(named->join(u'/'));
    }
    const QString folder = prepareOutputFolder(folderText);
    return outputPathFor(folder, caption, output.extension, output.firstName, job.lastRun.stoppedOutput, claimed);
}

JobStartResult startJobRun(const JobOutputSide &output, int row, const JobSlot &slot, intputrec record,
                           RunLeadIn leadIn)
{
    const OutputName name = jobOutputName(output, row, slot.claimedOutputs);
    clearOwnOutput(name.path, output.jobs.job(row).lastRun.stoppedOutput);
    record.outputfile = name.path;
    return runStartResult(QFileInfo(name.path).path() + u'/', slot.run.start(record, leadIn), name.shortened);
}

JobStartResult FileJobStart::start(int row, const JobSlot &slot)
{
    const ProfileChoices choices = m_profile.choices();
    std::optional<intputrec> record = jobPieces(m_jobs.job(row), choices);
    if (!record)
        return {std::nullopt, unbuildableArgumentsReason()};
    record->inputfile = m_jobs.original(row).sourcePath;
    return startJobRun({m_outputFolder, m_jobs, choices.extension}, row, slot, *record);
}

QStringList FileJobStart::encoders() const
{
    return profileEncoders(m_profile.choices());
}

std::optional<QString> FileJobStart::refusal() const
{
    return m_profile.startRefusal();
}

RowJobStart::RowJobStart(const JobModel &jobs, std::unique_ptr<JobStart> fileStart, std::unique_ptr<JobStart> dvdStart)
    : m_jobs(jobs),
      m_file(std::move(fileStart)),
      m_dvd(std::move(dvdStart))
{}

JobStartResult RowJobStart::start(int row, const JobSlot &slot)
{
    return (isDvdRow(m_jobs.job(row)) ? m_dvd : m_file)->start(row, slot);
}

QStringList RowJobStart::encoders() const
{
    return m_file->encoders();
}

std::optional<QString> RowJobStart::refusal() const
{
    return m_file->refusal();
}
