#pragma once
// The start of a file job: the output folder and name, every argument piece
// into an invocation record, then the encoder run with that record.

#include "engine/intputrec.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"

#include <functional>
#include <optional>

class EncoderRun;
class JobList;

// The record of a file job's paths and pieces; the run adds the encoder path
// and working folder.
intputrec fileJobRecord(const QString &input, const QString &output, const JobPieces &pieces);

class FileJobStart {
public:
    // `outputFolderText` reads `ed_output`.
    FileJobStart(EncoderRun &run, const JobList &jobs, std::function<ProfileChoices()> choices,
                 std::function<QString()> outputFolderText);

    // Starts the job of `row`. Nullopt, with nothing started, when its
    // arguments cannot be built.
    std::optional<StartedJob> start(int row);

private:
    EncoderRun &m_run;
    const JobList &m_jobs;
    std::function<ProfileChoices()> m_choices;
    std::function<QString()> m_outputFolderText;
};
