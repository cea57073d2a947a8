#include "profiles/active_profile.h"

#include "platform/picture/picture_file.h"
#include "profiles/list_reading.h"
#include "profiles/profile_file.h"
#include "profiles/profile_file_check.h"
#include "profiles/quality_settings.h"

#include <QDir>

QString profileIconPicture(ProfileKind kind)
{
    switch (kind) {
    case ProfileKind::Film:
        return QStringLiteral("images/main/2-film.bmp");
    case ProfileKind::Device:
        return QStringLiteral("images/main/2-device.bmp");
    case ProfileKind::Sound:
        break;
    }
    return QStringLiteral("images/main/2.bmp");
}

ActiveProfile::ActiveProfile(QString dataFolder, QObject *parent) : QObject(parent), m_dataFolder(std::move(dataFolder))
{}

ActiveProfile::~ActiveProfile() = default;

void ActiveProfile::openSettings(const QString &settingsFileName, bool dvdMode)
{
    m_dvdMode = dvdMode;
    m_store = std::make_unique<QualitySettingsStore>(settingsFileName, dvdMode);
}

QString ActiveProfile::settingsPath() const
{
    return m_store ? m_store->path() : QString();
}

void ActiveProfile::setLists(const QualityLists &lists)
{
    if (lists == m_lists)
        return;
    m_lists = lists;
    emit changed();
}

void ActiveProfile::chooseEntry(QualityListId list, int position)
{
    QualityLists lists = m_lists;
    qualityList(lists, list).select(position);
    setLists(lists);
}

void ActiveProfile::setPictureFit(PictureFit fit)
{
    if (fit == m_pictureFit)
        return;
    m_pictureFit = fit;
    emit changed();
}

ProfileChoices ActiveProfile::choices() const
{
    // The id is the loaded profile's, so a button merely pointed at in the
    // picker never mixes its id into the loaded profile's rules.
    return resolveChoices({m_definition.loadedProfileId, m_definition.outputExtension(), m_definition.rateTexts,
                           m_definition.argumentTemplate},
                          m_lists, !m_dvdMode, m_pictureFit);
}

void ActiveProfile::saveChoices()
{
    if (m_store && m_writesSettings && m_definition.loadedProfileId != 0)
        m_store->save(m_definition.loadedProfileId, m_lists);
}

std::optional<QString> ActiveProfile::startRefusal() const
{
    if (m_definition.loadedProfileId == 0)
        return QStringLiteral("No output profile is loaded: the profile file %1 or the pictures in %2 could not be "
                              "read. Nothing was converted.\nReinstall the program, then press Start again.")
            .arg(kProfileFileName, QDir(m_dataFolder).filePath(QStringLiteral("images")));
    const std::optional<int> damaged = firstMisplacedBlockIn(m_dataFolder);
    if (damaged && m_definition.loadedProfileId >= *damaged)
        return profileFileDamageNotice(m_dataFolder);
    return std::nullopt;
}

bool ActiveProfile::select(int id)
{
    const std::optional<QString> name = displayName(id);
    if (!name)
        return false;

    m_icon = loadPictureImage(QDir(m_dataFolder).filePath(profileIconPicture(profileKind(id))));
    m_definition.displayName = *name;
    emit labelChanged();

    saveChoices();

    QualityLists lists = m_lists;
    TActiveProfile definition = m_definition;
    applyProfileBlock(readProfileBlock(m_dataFolder, id), id, m_dvdMode, lists, definition);
    if (m_store)
        m_store->apply(id, lists);
    definition.loadedProfileId = id;
    m_definition = definition;
    m_lists = lists;
    emit changed();
    return true;
}
