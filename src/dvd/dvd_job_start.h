#pragma once
// The start of a DVD row's job in a batch: the DVD title start's pieces and
// job input into an invocation record, then the output side every job start
// shares, the Status creeping until register.dat reports.

#include "jobs/batch.h"
#include "jobs/file_job_start.h"

#include <optional>

class DvdJobStart : public JobStart {
public:
    DvdJobStart(const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder);

    // Starts the job of the DVD row `row` in the slot; nothing starts when
    // the disc is gone, the title is no longer on it or the chosen size does
    // not fit, which the result says.
    JobStartResult start(int row, const JobSlot &slot) override;
    QStringList encoders() const override;
    std::optional<QString> refusal() const override;

private:
    const JobModel &m_jobs;
    const ActiveProfile &m_profile;
    OutputFolder &m_outputFolder;
};
