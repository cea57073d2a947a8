#include "app/side_button_menus.h"

#include "app/main_command_table.h"
#include "platform/skin/skin.h"
#include "profiles/active_profile.h"
#include "profiles/list_reading.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>

namespace {

bool offersChoice(const ChoiceList &list)
{
    return list.enabled && !list.entries.isEmpty();
}

} // namespace

SideButtonMenus::SideButtonMenus(ActiveProfile &profile, QWidget *window)
    : QObject(window),
      m_profile(profile),
      m_window(window),
      m_menu(new QMenu(window))
{
    m_menu->setObjectName(QStringLiteral("pop_quality"));
    m_menu->setToolTipsVisible(true);
    connect(&m_profile, &ActiveProfile::changed, this, &SideButtonMenus::showButtonStates);
}

void SideButtonMenus::setSkinForm(SkinForm *form)
{
    m_form = form;
    showButtonStates();
}

SkinObject *SideButtonMenus::button(MainCommand command) const
{
    const MainCommandRow *row = mainCommandRow(command);
    return m_form && row && row->skinObjects[0] ? TSkin::findObject(m_form, QString::fromLatin1(row->skinObjects[0]))
                                                : nullptr;
}

void SideButtonMenus::showButtonStates()
{
    for (const SideButtonDesign &side : sideButtons())
        if (SkinObject *object = button(side.command)) {
            object->setState(offersChoice(qualityList(m_profile.lists(), side.list)));
            object->redraw();
        }
}

std::optional<QPoint> SideButtonMenus::fill(MainCommand command)
{
    SkinObject *object = button(command);
    const auto side = std::find_if(sideButtons().begin(), sideButtons().end(),
                                   [command](const SideButtonDesign &design) { return design.command == command; });
    if (!object || !object->visible() || !object->state() || side == sideButtons().end())
        return std::nullopt;
    const QualityListId id = side->list;
    const ChoiceList &list = qualityList(m_profile.lists(), id);
    m_menu->clear();
    delete m_entries;
    m_entries = new QActionGroup(m_menu); // one entry checked, shown as a choice of one
    if (list.selected < 0) {
        // As the Settings dialog shows it: no entry is chosen yet.
        QAction *none = m_menu->addAction(kAsTheProfileSetsIt);
        none->setCheckable(true);
        none->setChecked(true);
        none->setEnabled(false);
        none->setToolTip(nothingSelectedNote(list, id));
        m_entries->addAction(none);
        m_menu->addSeparator();
    }
    for (int position = 0; position < list.entries.size(); ++position) {
        QAction *entry = m_menu->addAction(list.entries.at(position));
        entry->setCheckable(true);
        entry->setChecked(position == list.selected);
        m_entries->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, id, position] { m_profile.chooseEntry(id, position); });
    }
    return m_window->mapToGlobal(object->qrect().topLeft()) - QPoint(m_menu->sizeHint().width(), 0);
}
