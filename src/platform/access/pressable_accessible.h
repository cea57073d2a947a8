#pragma once
// A control of ours as assistive technology sees it when a press makes it
// act: the press action, offered only while the control is shown and
// enabled. The press runs after the request has returned, so that a modal
// window it opens does not keep the screen reader waiting until it closes;
// a control hidden or gone by then is not pressed.

#include <QAccessibleWidget>

class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QWidget *control, QAccessible::Role role);

    QStringList actionNames() const override;
    void doAction(const QString &action) override;

protected:
    // Whether a control of its kind acts on a press at all.
    virtual bool acts() const { return true; }
    // What a click or the keyboard's press does.
    virtual void press() = 0;

private:
    bool pressable() const;
};
