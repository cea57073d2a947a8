#pragma once
// A picture of the picker that acts as a button: pressed by a click, or with
// the keyboard focus by Space or Enter; ringed while it has the focus. Keys
// it does not take go on to the page it lies on. Assistive technology sees a
// button with its accessible name and the press action
// (pressable_accessible.h), checked where the picture is a choice.

#include <QLabel>
#include <optional>

class ActingPicture : public QLabel {
    Q_OBJECT
public:
    explicit ActingPicture(QWidget *parent);

    // Whether it shows the choice in force (the loaded profile, the group
    // shown); nothing for a picture that is no choice.
    std::optional<bool> chosen() const { return m_chosen; }
    void setChosen(bool chosen);

protected:
    friend class ActingPictureAccessible;
    virtual void press() = 0;

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    std::optional<bool> m_chosen;
};
