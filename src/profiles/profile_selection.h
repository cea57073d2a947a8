#pragma once
// Making a profile active: the selection sequence over the catalogue,
// profiles.pop and the quality settings store. What the main window and the
// job list own (the profile icon, the skin text, the size estimates, the
// Settings dialog's lists) is reached through hooks.

#include "profiles/active_profile.h"
#include "profiles/catalogue.h"
#include "profiles/choice_list.h"

#include <QString>
#include <functional>

class QualitySettingsStore;

struct ProfileSelectionHooks {
    // Loads the picture file into the profile icon `im_mainico`; throws when
    // the picture cannot be loaded.
    std::function<void(const QString &picturePath)> showProfileIcon;
    // Shows the display name in the skin object "profilestext".
    std::function<void(const QString &displayName)> showProfileName;
    // The Settings dialog's lists, read and shown.
    std::function<QualityLists()> readLists;
    std::function<void(const QualityLists &)> showLists;
    // Recomputes the output size estimate of every job row.
    std::function<void()> recomputeSizes;
};

// The profile field's picture for a kind, under the executable folder:
// "images/main/2.bmp" for sound, "2-film.bmp" and "2-device.bmp" beside it.
QString profileIconPicture(ProfileKind kind);

class ProfileSelection {
public:
    ProfileSelection(QString executableFolder, bool dvdMode, QualitySettingsStore &store, ProfileSelectionHooks hooks);

    const TActiveProfile &activeProfile() const { return m_active; }

    // The id the range tests read and the remembered selection; -1 at first.
    int currentProfileId() const { return m_currentProfileId; }
    void setCurrentProfileId(int id) { m_currentProfileId = id; }

    // The selection sequence: the icon of the id's kind, display name, save the loaded
    // profile's choices, load the block of the id from profiles.pop, apply the
    // id's quality settings, remember it as loaded, recompute the estimates.
    // Errors (a missing picture, a failed save, a missing profiles.pop) end
    // the sequence where they occur and travel to the caller; the lists, rate
    // texts, template and loaded id then keep their previous values.
    // An id without catalogue entry is not selected: nothing changes and the
    // result is false.
    bool selectProfile(int id);

private:
    QString m_executableFolder;
    bool m_dvdMode;
    QualitySettingsStore &m_store;
    ProfileSelectionHooks m_hooks;
    TActiveProfile m_active;
    int m_currentProfileId = -1;
};
