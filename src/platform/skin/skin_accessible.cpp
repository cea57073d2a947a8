#include "platform/skin/skin_accessible.h"

#include "platform/skin/skin.h"
#include "platform/skin/skin_slider_geometry.h"
#include "platform/skin/skin_stand_in.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

QAccessible::Role roleOf(SkinRole role)
{
    switch (role) {
    case SkinRole::Button:
        return QAccessible::Button;
    case SkinRole::MenuButton:
        return QAccessible::ButtonMenu;
    case SkinRole::Picker:
        return QAccessible::ComboBox;
    case SkinRole::Slider:
        return QAccessible::Slider;
    case SkinRole::Label:
        return QAccessible::StaticText;
    }
    return QAccessible::Client;
}

class SkinObjectAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SkinObjectAccessible(SkinStandIn *standIn)
        : QAccessibleWidget(standIn, roleOf(standIn->role())),
          m_standIn(standIn)
    {}

    // A label's name is what it shows, and what the program calls it is its
    // description; other objects are named by the program, else by their text.
    QString text(QAccessible::Text kind) const override
    {
        const SkinObject &object = m_standIn->object();
        const QString shown = object.text();
        const QString given = m_standIn->presentedName();
        const bool label = m_standIn->role() == SkinRole::Label;
        switch (kind) {
        case QAccessible::Name:
            return label || given.isEmpty() ? shown : given;
        case QAccessible::Description:
            return label ? given : QString();
        case QAccessible::Value:
            if (m_standIn->role() == SkinRole::Slider)
                return QStringLiteral("%1%").arg(object.position() * 100 / kSkinSliderMaximum);
            return m_standIn->role() == SkinRole::Picker ? shown : QString();
        case QAccessible::Accelerator:
            return object.accessKey().isNull()
                       ? QString()
                       : QKeySequence(QKeyCombination(Qt::ALT, Qt::Key(object.accessKey().unicode())))
                             .toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = m_standIn->role() == SkinRole::MenuButton || m_standIn->role() == SkinRole::Picker;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && m_standIn->role() == SkinRole::Slider)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (acts())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && acts())
            m_standIn->activate();
        else
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return m_standIn->object().position(); }
    void setCurrentValue(const QVariant &value) override { m_standIn->moveSlider(value.toInt()); }
    QVariant maximumValue() const override { return kSkinSliderMaximum; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return kSkinSliderMaximum / 100; }

private:
    bool acts() const
    {
        return m_standIn->isEnabled() && m_standIn->role() != SkinRole::Slider && m_standIn->role() != SkinRole::Label;
    }

    SkinStandIn *m_standIn;
};

QAccessibleInterface *skinAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SkinStandIn"))
        if (auto *standIn = qobject_cast<SkinStandIn *>(object))
            return new SkinObjectAccessible(standIn);
    return nullptr;
}

} // namespace

void installSkinAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(skinAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
