#pragma once
// A profile button `btim_<id>` of the picker: shows one of the profile's two
// pictures and reports the pointer entering it (or the keyboard focus coming
// to it) and clicks on it. A picture put on a hidden button is read when the
// button's page shows.

#include "windows/acting_picture.h"

class ProfileButton : public ActingPicture {
    Q_OBJECT
public:
    ProfileButton(int id, QWidget *parent);
    int id() const { return m_id; }

    // Shows the picture file: at once when the button is visible, otherwise
    // at the next showPendingPicture(). Throws PictureFileError when a
    // picture it reads cannot be loaded; the button keeps what it showed.
    void setPicture(const QString &path);
    void showPendingPicture();

signals:
    void pointed(int id);
    void clicked(int id);

protected:
    void press() override { emit clicked(m_id); }
    void focusInEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_id;
    QString m_pending; // picture to read when the page shows
};
