#include "profiles/list_reading.h"

QualityChoice readQualityChoice(const ChoiceList &quality)
{
    const QString chosen = quality.selectedText();
    if (chosen == kOriginalVideoQuality || chosen == kOriginalAudioQuality)
        return {true, kNormalPosition};
    const int position = qualityEntries().indexOf(chosen);
    return {false, position >= 0 ? position : kNormalPosition};
}

SizeChoice readSizeChoice(const ChoiceList &size)
{
    const QString chosen = size.selected >= 0 ? size.selectedText() : size.entries.value(0);
    return {chosen == kOriginalSize, chosen};
}

int readChannelCount(const ChoiceList &channel)
{
    return channel.selectedText() == channelEntries().at(0) ? 1 : 2;
}
