#include "jobs/profile_choices.h"

#include "profiles/profile_selection.h"

ProfileChoices profileChoicesOf(const ProfileSelection &selection, const QualityLists &lists, bool dvdMode)
{
    const TActiveProfile &active = selection.activeProfile();
    return {
        active.loadedProfileId, active.outputExtension(), active.rateTexts, active.argumentTemplate, lists, !dvdMode};
}
