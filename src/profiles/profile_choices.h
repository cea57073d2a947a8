#pragma once
// Everything of the chosen profile that the size estimate and the argument
// pieces read, taken as one value at the moment it is needed.

#include "profiles/choice_list.h"

#include <QString>
#include <array>

// How a picture whose display aspect differs from the chosen frame fills
// it: scaled to fit inside and padded with black bars, or stretched.
enum class PictureFit { KeepShape, Stretch };

struct ProfileChoices {
    int profileId = -1;               // the loaded profile's id
    QString extension;                // output extension, ".mp3"
    std::array<QString, 5> rateTexts; // video rate texts, "*" in 0: no video
    QString argumentTemplate;
    QualityLists lists;   // the four lists of the Settings dialog
    bool fileMode = true; // false in DVD mode
    PictureFit pictureFit = PictureFit::KeepShape;
};
