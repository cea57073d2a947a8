#include "jobs/profile_choices.h"

#include "profiles/profile_selection.h"
#include "profiles/tfm_set.h"

ProfileChoices profileChoicesOf(const ProfileSelection &selection, const Tfm_set &settings, bool dvdMode)
{
    const TActiveProfile &active = selection.activeProfile();
    return {active.loadedProfileId,  active.outputExtension(), active.rateTexts,
            active.argumentTemplate, settings.qualityLists(),  !dvdMode};
}
