#pragma once
// Whether a run that exited with 0 wrote its whole output: the output,
// probed as added files are, must hold a stream and be about as long as the
// job, and the encoder must not have said that it encoded nothing.

#include "engine/intputrec.h"
#include "engine/probe_extraction.h"

#include <QStringList>
#include <optional>

// The length the job converts, in hundredths of a second: its " -t " piece,
// else its progress length; 0 when unknown.
qint64 jobLengthHundredths(const intputrec &record);

// Why the output is not whole, in the user's words; nothing when it is. An
// output may fall short of the job's length by 0.1 s or 2 %, whichever is
// more (codecs end on whole frames); a job of unknown length is not measured.
std::optional<QString> incompleteOutputReason(const ProbeResults &output, qint64 jobHundredths,
                                              const QStringList &encoderLines);
