#pragma once
// The keyboard's and assistive technology's way to a skin object: a widget
// over the object and a ring's width around it, on the window's skin surface,
// that follows the object's rect, visibility and state. It takes no mouse
// input (the surface beneath keeps the pointer), takes the keyboard focus
// where the object acts, draws the skin's focus ring while it has it, and
// acts on the keys a control of its role takes. Assistive technology sees it with the role, name and state the
// program gives it (skin_accessible.h).

#include <QString>
#include <QWidget>
#include <optional>

class SkinObject;
class SkinSurface;

// What a skin object is to its user.
enum class SkinRole {
    Button,     // Space or Enter clicks it
    MenuButton, // a click opens its menu; a menu title (one with an access key) is reached by that key, not by Tab
    Picker,     // a field that shows a choice and opens the chooser on a click
    Slider,     // the arrow keys, Page Up and Down, Home and End move it
    Label,      // text that only informs; not reached by Tab
};

// How the program presents one skin object: its name in the form, what it is
// called (empty: its text; for a label, what its text tells) and its role.
struct SkinAccess {
    QString object;
    QString name;
    SkinRole role = SkinRole::Button;
};

class SkinStandIn : public QWidget {
    Q_OBJECT
public:
    // A child of the surface at the object's place; the object belongs to the
    // surface's form.
    SkinStandIn(SkinSurface *surface, SkinObject &object, const SkinAccess &access);

    SkinObject &object() const { return m_object; }
    SkinRole role() const { return m_role; }
    // What the program calls the object (may be empty).
    QString presentedName() const { return m_name; }

    // Follows the object after the program changed it, and tells assistive
    // technology what changed in its text or position.
    void follow();
    // A click of the object, or for a slider the move to `position`.
    void activate();
    void moveSlider(qint32 position);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The slider position a key moves to; nullopt for keys it ignores.
    std::optional<qint32> sliderTarget(int key) const;
    bool takesKey(const QKeyEvent &key) const;

    SkinSurface *m_surface;
    SkinObject &m_object;
    QString m_name;
    SkinRole m_role;
    QString m_shownText;
    qint32 m_shownPosition = 0;
};
