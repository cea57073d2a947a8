#include "profiles/profile_selection.h"

#include "profiles/catalogue.h"
#include "profiles/profile_definition.h"
#include "profiles/profile_file.h"
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

ProfileSelection::ProfileSelection(QString executableFolder, bool dvdMode, QualitySettingsStore &store,
                                   ProfileSelectionHooks hooks)
    : m_executableFolder(std::move(executableFolder)),
      m_dvdMode(dvdMode),
      m_store(store),
      m_hooks(std::move(hooks))
{}

bool ProfileSelection::selectProfile(int id)
{
    const std::optional<QString> name = displayName(id);
    if (!name)
        return false;

    m_hooks.showProfileIcon(QDir(m_executableFolder).filePath(profileIconPicture(profileKind(id))));
    m_active.displayName = *name;
    m_hooks.showProfileName(m_active.displayName);

    QualityLists lists = m_hooks.readLists();
    if (m_active.loadedProfileId != 0)
        m_store.save(m_active.loadedProfileId, lists);

    const ProfileBlock block = readProfileBlock(m_executableFolder, id);
    applyProfileBlock(block, id, m_dvdMode, lists, m_active);
    m_store.apply(id, lists);
    m_active.loadedProfileId = id;
    m_hooks.showLists(lists);
    m_hooks.recomputeSizes();
    return true;
}
