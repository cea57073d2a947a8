#pragma once
// The start of a DVD row's job in a batch: the DVD title start's pieces and
// job input into an invocation record, then the encoder run, with the
// provisional progress of Timer2 until register.dat reports.

#include "jobs/batch.h"
#include "jobs/profile_choices.h"

#include <functional>
#include <optional>

class EncoderRun;
class JobList;
class Prompts;

class DvdJobStart {
public:
    // `outputFolderText` reads `ed_output`, as for a file job.
    DvdJobStart(EncoderRun &run, const JobList &jobs, Prompts &prompts, std::function<ProfileChoices()> choices,
                std::function<QString()> outputFolderText);

    // Starts the job of the DVD row `row`. Nullopt, with nothing started,
    // after telling the user why (the disc is gone, the title is no longer
    // on it, the chosen size does not fit), so the batch goes on.
    std::optional<StartedJob> start(int row);

private:
    EncoderRun &m_run;
    const JobList &m_jobs;
    Prompts &m_prompts;
    std::function<ProfileChoices()> m_choices;
    std::function<QString()> m_outputFolderText;
};
