#pragma once
// How the estimate and the argument pieces read the Settings dialog's lists.
// A chosen source entry is recognised by its text, not by its position; a list
// with nothing selected (or with an entry the rate tables do not know, such as
// "No Video") reads as "Normal", as the first size, or as "Stereo".

#include "profiles/choice_list.h"

inline constexpr int kNormalPosition = 2;

struct QualityChoice {
    // The source's own quality is chosen: use the source's own rate.
    bool source = false;
    // 0 "Higher Quality" ... 4 "Lower Quality"; meaningful when !source.
    int position = kNormalPosition;
    bool operator==(const QualityChoice &) const = default;
};
QualityChoice readQualityChoice(const ChoiceList &quality);

struct SizeChoice {
    // "The original width and height" is chosen: use the source's own size.
    bool source = false;
    // The chosen entry, or the first entry when nothing is selected; empty
    // for an empty list.
    QString text;
    bool operator==(const SizeChoice &) const = default;
};
SizeChoice readSizeChoice(const ChoiceList &size);

// 1 for "Mono", 2 for "Stereo" and for nothing selected.
int readChannelCount(const ChoiceList &channel);

// The entry of the list that a conversion takes: the selected one, or while
// nothing is selected the entry it reads as.
QString entryTaken(const ChoiceList &list, QualityListId id);
// Its position in the list; -1 when the list does not hold it.
int positionTaken(const ChoiceList &list, QualityListId id);
