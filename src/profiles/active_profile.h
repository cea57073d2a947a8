#pragma once
// The active profile: what the last selection loaded.

#include "profiles/catalogue.h"

#include <QString>
#include <array>

struct TActiveProfile {
    // Name of the last selected id that has a catalogue entry; empty at first.
    QString displayName;
    // Index = video quality position: 0 "Higher Quality" ... 4 "Lower Quality".
    // Rate text 0 is "*" while a profile without video is loaded.
    std::array<QString, 5> rateTexts;
    // Line 4 of the profile's block in profiles.pop, verbatim.
    QString argumentTemplate;
    // Id whose block and quality settings were loaded last; 0 = none yet.
    int loadedProfileId = 0;

    QString outputExtension() const { return ::outputExtension(displayName); }
};
