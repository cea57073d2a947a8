#pragma once
// Whether a run that exited with 0 wrote its whole output. The output is
// probed as added files are and judged against what the encoder read (its
// last progress position), never against the source's stated length alone:
// that length is a guess for ADTS AAC, an MP3 without a Xing header and a
// file whose sound ends before its picture, and the source may have changed
// since it was added.

#include "engine/intputrec.h"
#include "engine/probe_extraction.h"
#include "jobs/job.h"

#include <QStringList>

// The stated length of what a job converts, in hundredths of a second: its
// cut (the " -t " piece), else the source's exact length from the clip's
// begin, else its whole seconds; 0 when unknown.
Hundredths statedLengthHundredths(const Job &job, const intputrec &record);

struct OutputJudgement {
    QString failure;        // why the output is not whole; empty when it is
    bool keepPartial = false; // a failed output holds what the encoder wrote: kept as partial
    QString note;           // a whole output whose length is not the stated one says so
};

// Judges a run's output from its read-back, how far the encoder read and the
// encoder's lines. A disk that ran full wins over any other cause. An
// output may fall short of what the encoder read by 0.5 s or 2 %, whichever
// is more (codecs end on whole frames, containers round); a length the probe
// only guessed is not measured.
OutputJudgement judgeOutput(const ProbeResults &output, Hundredths readHundredths, Hundredths statedHundredths,
                            const QStringList &encoderLines);
