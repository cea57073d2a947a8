#pragma once
// The start of a file job: the output folder and name, every argument piece
// into an invocation record, then the encoder run with that record.

#include "engine/intputrec.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"

#include <optional>

class ActiveProfile;
class JobModel;
class OutputFolder;

// The record of a file job's paths and pieces; the run adds the encoder path
// and working folder.
intputrec fileJobRecord(const QString &input, const QString &output, const JobPieces &pieces);

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
