#pragma once
// A profile button `btim_<id>` of the picker: shows one of the profile's two
// pictures and reports the pointer entering it and clicks on it.

#include <QLabel>

class ProfileButton : public QLabel {
    Q_OBJECT
public:
    ProfileButton(int id, QWidget *parent);
    int id() const { return m_id; }

signals:
    void pointed(int id);
    void clicked(int id);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_id;
    bool m_pressed = false;
};
