#pragma once
// The active profile: the loaded profile's id and definition, the choices of
// its four quality lists, how pictures fill the frame, and the id the picker
// points at. The selection
// sequence lives here; the picker, the Settings dialog, the size estimates,
// the job starts and the DVD commands take the profile from here and follow
// its `changed` signal.

#include "profiles/choice_list.h"
#include "profiles/profile_choices.h"
#include "profiles/profile_definition.h"

#include <QImage>
#include <QObject>
#include <memory>
#include <optional>

class QualitySettingsStore;

// The profile field's picture for a kind, under the data folder:
// "images/main/2.bmp" for sound, "2-film.bmp" and "2-device.bmp" beside it.
QString profileIconPicture(ProfileKind kind);

class ActiveProfile : public QObject {
    Q_OBJECT
public:
    explicit ActiveProfile(QString dataFolder, QObject *parent = nullptr);
    ~ActiveProfile() override;

    // Opens the edition's quality settings, the file "pro " +
    // `settingsFileName`; DVD mode takes its own defaults. Selecting before
    // this uses the outside-DVD defaults and stores nothing.
    void openSettings(const QString &settingsFileName, bool dvdMode);
    // The quality settings file; empty before openSettings.
    QString settingsPath() const;

    const TActiveProfile &definition() const { return m_definition; }
    int loadedProfileId() const { return m_definition.loadedProfileId; }
    // The profile field: the picture of the last selected id's kind and its name.
    const QImage &icon() const { return m_icon; }
    const QualityLists &lists() const { return m_lists; }
    // The user's change of the lists: takes effect at once.
    void setLists(const QualityLists &lists);
    // The user's choice of one list's entry, as the Settings dialog makes it.
    void chooseEntry(QualityListId list, int position);
    // How pictures fill the chosen frame; an application setting that every
    // profile's jobs follow.
    PictureFit pictureFit() const { return m_pictureFit; }
    void setPictureFit(PictureFit fit);
    // Everything a job takes of the profile, as it stands now.
    ProfileChoices choices() const;
    // Writes the loaded profile's choices to the quality settings, as
    // selecting another profile does; nothing before a profile is loaded or
    // the settings are opened. Throws QualitySettingsWriteError when the
    // file cannot be written.
    void saveChoices();
    // From now on the quality settings are read, never written: a front end
    // that must leave the user's settings as they are (the command line).
    void leaveSettingsUnwritten() { m_writesSettings = false; }

    // Why no job may start with the profile as it stands, as the message for
    // the user: none is loaded (profiles.pop or the pictures could not be
    // read), or the loaded one's block lies at or after a damaged place of
    // profiles.pop. Nothing when jobs may start.
    std::optional<QString> startRefusal() const;

    // The id the range tests read and the remembered selection: the button
    // the picker points at, or the id start-up selected; -1 at first.
    int currentProfileId() const { return m_currentProfileId; }
    void setCurrentProfileId(int id) { m_currentProfileId = id; }

    // The selection sequence: the icon of the id's kind and its display name
    // (labelChanged), save the loaded profile's choices, load the block of
    // the id from profiles.pop, apply the id's quality settings, remember it
    // as loaded (changed). Errors (a missing picture, a failed save, a
    // missing profiles.pop) end the sequence where they occur and travel to
    // the caller; the lists, rate texts, template and loaded id then keep
    // their previous values. An id without catalogue entry is not selected:
    // nothing changes and the result is false.
    bool select(int id);

signals:
    // The profile field's picture and name changed.
    void labelChanged();
    // The loaded profile, its lists or the picture fit changed.
    void changed();

private:
    QString m_dataFolder;
    bool m_dvdMode = false;
    std::unique_ptr<QualitySettingsStore> m_store;
    bool m_writesSettings = true;
    TActiveProfile m_definition;
    QualityLists m_lists = initialQualityLists();
    PictureFit m_pictureFit = PictureFit::KeepShape;
    QImage m_icon;
    int m_currentProfileId = -1;
};
