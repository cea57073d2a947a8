#pragma once
// Applying a profile's block of profiles.pop to the Settings dialog's lists
// and to the active profile: the size step, the rate step and the template.

#include "profiles/catalogue.h"
#include "profiles/choice_list.h"
#include "profiles/profile_file.h"

#include <QString>
#include <array>

// What a profile's block defines, as the last selection loaded it.
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

// Refills the size list from the size line: the tokens, or "PAL" and "NTSC"
// for the disc targets, then "The original width and height" where the
// profile may offer it, or "No Video" (selected) when no size remains.
// `extension` is the active profile's output extension.
void applySizeLine(ChoiceList &size, int id, const QString &extension, const QString &line);

// Enables or disables the lists, offers or withdraws the source-quality
// entries, handles "No Video" and fills the video rate texts from the line.
// Tokens beyond the fifth are ignored.
void applyRateLine(QualityLists &lists, std::array<QString, 5> &rateTexts, int id, const QString &extension,
                   bool dvdMode, const QString &line);

// Runs the steps for the lines the block has; a line past the end of the file
// leaves what it would have set as it was.
void applyProfileBlock(const ProfileBlock &block, int id, bool dvdMode, QualityLists &lists, TActiveProfile &active);
