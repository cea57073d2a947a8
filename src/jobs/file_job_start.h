#pragma once
// The start of a file job: the output folder and name, every argument piece
// into the invocation record, then the encoder run.

#include "engine/intputrec.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"

#include <optional>

class ActiveProfile;
class EncoderRun;
class JobModel;
class OutputFolder;

// Writes the paths and pieces of a file job into the record; the encoder
// path and working folder stay as they are.
void fillFileJobRecord(intputrec &rec, const QString &input, const QString &output, const JobPieces &pieces);

class FileJobStart : public JobStart {
public:
    FileJobStart(EncoderRun &run, const JobModel &jobs, const ActiveProfile &profile, OutputFolder &outputFolder);

    // Starts the job of `row`. Nullopt, with nothing started, when its
    // arguments cannot be built.
    std::optional<StartedJob> start(int row) override;

private:
    EncoderRun &m_run;
    const JobModel &m_jobs;
    const ActiveProfile &m_profile;
    OutputFolder &m_outputFolder;
};
