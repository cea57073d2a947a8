#include "platform/access/pressable_accessible.h"

#include <QMetaObject>
#include <QWidget>

PressableAccessible::PressableAccessible(QWidget *control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

bool PressableAccessible::pressable() const
{
    return acts() && widget()->isVisible() && widget()->isEnabled();
}

QStringList PressableAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable())
        names.prepend(pressAction());
    return names;
}

// The interface lives as long as its control, and a call queued to the
// control goes with it.
void PressableAccessible::doAction(const QString &action)
{
    if (action != pressAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    if (pressable())
        QMetaObject::invokeMethod(
            widget(),
            [this] {
                if (pressable())
                    press();
            },
            Qt::QueuedConnection);
}
