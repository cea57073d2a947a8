#pragma once
// The start of a file job: every argument piece into an invocation record,
// then the output side every job start shares (startJobRun).

#include "engine/encoder_run.h"
#include "engine/intputrec.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"
#include "jobs/output_naming.h"

#include <memory>
#include <optional>

class ActiveProfile;
class JobModel;
class OutputFolder;

// The output side of every job start: the folder the Output field names, or
// below it the source's place in the folder it was added from while outputs
// keep the folder structure, and below that the folders of the output name
// pattern (made); the row's first free name (the pattern's, for a file) after
// its caption, none of `claimed` (its own stopped output counts as free and
// goes). A planned row's output is its planned path (its folder made).
struct JobOutputSide {
    OutputFolder &folder;
    const JobModel &jobs;
    QString extension;
    FirstName firstName = FirstName::WholeCaption;
};
OutputName jobOutputName(const JobOutputSide &output, int row, const QStringList &claimed);
// The slot's run of `record` writing to the row's output name.
JobStartResult startJobRun(const JobOutputSide &output, int row, const JobSlot &slot, intputrec record,
                           RunLeadIn leadIn = RunLeadIn::Still);

class FileJobStart : public JobStart {
public:
    FileJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder);

    // Starts the job of `row` in the slot; nothing starts when its arguments
    // cannot be built.
    JobStartResult start(int row, const JobSlot &slot) override;
    QStringList encoders() const override;
    std::optional<QString> refusal() const override;

private:
    const JobModel &m_jobs;
    const ActiveProfile &m_profile;
    OutputFolder &m_outputFolder;
};

// The start of any row's job: a file added to the list runs as a file job
// in either edition, a DVD title or chapter as a DVD job.
class RowJobStart : public JobStart {
public:
    RowJobStart(const JobModel &jobs, std::unique_ptr<JobStart> fileStart, std::unique_ptr<JobStart> dvdStart);

    JobStartResult start(int row, const JobSlot &slot) override;
    QStringList encoders() const override;
    std::optional<QString> refusal() const override;

private:
    const JobModel &m_jobs;
    std::unique_ptr<JobStart> m_file;
    std::unique_ptr<JobStart> m_dvd;
};
