#pragma once
// A picture of the picker that acts as a button: pressed by a click, or with
// the keyboard focus by Space or Enter; ringed while it has the focus. Keys
// it does not take go on to the page it lies on.

#include <QLabel>

class ActingPicture : public QLabel {
    Q_OBJECT
public:
    explicit ActingPicture(QWidget *parent);

protected:
    virtual void press() = 0;

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
