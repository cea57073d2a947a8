#pragma once
// The output size estimate of a job: the total bit rate the chosen profile
// gives its source, and the "Output Size" text.

#include "jobs/job_records.h"
#include "profiles/profile_choices.h"

#include <optional>

// Rate tables, by quality position (0 "Higher Quality" ... 4 "Lower Quality").
inline constexpr int kAudioRates[5] = {320, 192, 128, 64, 32};
inline constexpr double kAmrRates[5] = {12.2, 10.2, 7.4, 5.9, 4.75};

// The output extensions whose sound is AMR at 8 kHz mono: ".3gp", ".amr".
bool isAmrExtension(const QString &extension);

// Total bit rate in kbit/s. nullopt when the source's own picture size is
// chosen and the job's size holds no readable height. Every rate it reads is
// held within 0..100000000 kbit/s and every height within 0..100000, so the
// total always fits an int.
std::optional<int> estimateKbits(const Toriginalinfo &job, const ProfileChoices &choices);

// The audio rate (kbit/s) of the chosen audio quality: the table's, or the
// source's own (held within 0..100000000) when the source entry is chosen.
int chosenAudioRate(const Toriginalinfo &job, const ProfileChoices &choices);

// kbit/s: the AMR rate of the chosen audio quality, or the source's own rate
// when "The Original Audio Quliay" is chosen (the encoder takes the nearest
// rate the format has).
double chosenAmrKbits(const Toriginalinfo &job, const ProfileChoices &choices);

// kbit/s times seconds as megabytes with two decimals: 128 for 180 s gives
// "2.75MB". Beyond five digits before the point, exponent notation.
QString sizeText(qint64 kbits, qint64 seconds);

// The "Output Size" text: sizeText, led by "about " where the estimate can
// only guess because the encoder chooses its own rate (a constant quality, a
// lossless format).
QString estimateText(qint64 kbits, qint64 seconds, const ProfileChoices &choices);

// Rounds to the nearest integer, halves to even; held within int's range.
int roundHalfEven(double value);
