#pragma once
// The sound rate of the profiles whose sound is AMR at 8 kHz mono (output
// extension ".3gp" or ".amr").

#include "jobs/job_records.h"
#include "jobs/profile_choices.h"

// kbit/s: the AMR rate of the chosen audio quality, or the source's own rate
// when "The Original Audio Quliay" is chosen (the encoder takes the nearest
// rate the format has).
double chosenAmrKbits(const Toriginalinfo &job, const ProfileChoices &choices);
