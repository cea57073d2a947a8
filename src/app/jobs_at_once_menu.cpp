#include "app/jobs_at_once_menu.h"

#include "jobs/batch.h"
#include "jobs/jobs_at_once.h"

#include <QActionGroup>
#include <QMenu>

void addJobsAtOnceMenu(QMenu &tools, Batch &batch)
{
    QMenu *menu = tools.addMenu(QStringLiteral("Jobs at Once"));
    menu->setObjectName(QStringLiteral("JobsAtOnce1"));
    auto *group = new QActionGroup(menu);
    const QStringList captions = jobsAtOnceCaptions(processorCores());
    for (int setting = 0; setting < captions.size(); ++setting) {
        QAction *item = menu->addAction(captions[setting]);
        item->setObjectName(QStringLiteral("JobsAtOnceItem%1").arg(setting));
        item->setCheckable(true);
        item->setChecked(setting == batch.jobsAtOnceSetting());
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &batch, [&batch, setting] { batch.setJobsAtOnceSetting(setting); });
    }
    QObject::connect(&batch, &Batch::jobsAtOnceSettingChanged, menu, [group](int setting) {
        if (QAction *item = group->actions().value(setting))
            item->setChecked(true);
    });
}
