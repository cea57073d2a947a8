#include "jobs/amr_rate.h"

#include "jobs/estimate.h"
#include "profiles/list_reading.h"

double chosenAmrKbits(const Toriginalinfo &job, const ProfileChoices &choices)
{
    const QualityChoice audio = readQualityChoice(choices.lists.audioQuality);
    return audio.source ? chosenAudioRate(job, choices) : kAmrRates[audio.position];
}
