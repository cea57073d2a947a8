#include "platform/skin/skin_accessible.h"

#include "platform/access/pressable_accessible.h"
#include "platform/skin/skin.h"
#include "platform/skin/skin_slider_geometry.h"
#include "platform/skin/skin_stand_in.h"

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

class SkinObjectAccessible : public PressableAccessible, public QAccessibleValueInterface {
public:
    explicit SkinObjectAccessible(SkinStandIn *standIn)
        : PressableAccessible(standIn, roleOf(standIn->role())),
          m_standIn(standIn)
    {}

    // A label's name is what it shows, and so is a picker's, as with Qt's own
    // lists here (its name-change event is how a screen reader hears a new
    // choice); what the program calls them is their description. Other
    // objects are named by the program, else by their text.
    QString text(QAccessible::Text kind) const override
    {
        const SkinObject &object = m_standIn->object();
        const QString shown = object.text();
        const QString given = m_standIn->presentedName();
        const bool namedByText = m_standIn->role() == SkinRole::Label || m_standIn->role() == SkinRole::Picker;
        switch (kind) {
        case QAccessible::Name:
            return (namedByText && !shown.isEmpty()) || given.isEmpty() ? shown : given;
        case QAccessible::Description:
            return namedByText ? given : QString();
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
            return PressableAccessible::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableAccessible::state();
        state.hasPopup = m_standIn->role() == SkinRole::MenuButton || m_standIn->role() == SkinRole::Picker;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && m_standIn->role() == SkinRole::Slider)
            return static_cast<QAccessibleValueInterface *>(this);
        return PressableAccessible::interface_cast(type);
    }

    QVariant currentValue() const override { return m_standIn->object().position(); }
    void setCurrentValue(const QVariant &value) override { m_standIn->moveSlider(value.toInt()); }
    QVariant maximumValue() const override { return kSkinSliderMaximum; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return kSkinSliderMaximum / 100; }

protected:
    bool acts() const override { return m_standIn->role() != SkinRole::Slider && m_standIn->role() != SkinRole::Label; }
    void press() override { m_standIn->activate(); }

private:
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
