#pragma once
// How a conversion reads the Settings dialog's lists. A chosen source entry is
// recognised by its text, not by its position; a list with nothing selected
// (or with an entry the rate tables do not know, such as "No Video") reads as
// "Normal", as the first size, or as "Stereo".

#include "profiles/profile_choices.h"

QualityChoice readQualityChoice(const ChoiceList &quality);
// `discTarget`: the entries are TV standards ("PAL", "NTSC").
SizeChoice readSizeChoice(const ChoiceList &size, bool discTarget);
// 1 for "Mono", 2 for "Stereo" and for nothing selected.
int readChannelCount(const ChoiceList &channel);

// The entry of the list that a conversion takes: the selected one, or while
// nothing is selected the entry it reads as.
QString entryTaken(const ChoiceList &list, QualityListId id);
// What a list with nothing selected means, for a tooltip.
QString nothingSelectedNote(const ChoiceList &list, QualityListId id);
