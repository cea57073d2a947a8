#pragma once
// The plain controls of the main window (the image buttons, the Output
// field, the preview panel, the profile icon, the name banner, the DVD track
// lists), made as the design places them and moved to the edition's layout.

#include "app/edition_layout.h"

#include <QString>
#include <map>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;
class TImageButton;

struct MainControls {
    // Makes the controls as children of `window`, with pictures from the
    // data folder; the image buttons at the file layout's places.
    MainControls(QWidget *window, const QString &dataFolder);

    // Moves the controls to the edition's places; the list, the picker and
    // the skin objects are the window's to place.
    void place(const EditionLayout &layout) const;

    std::map<QString, TImageButton *> buttons; // by object name
    QLineEdit *ed_output;
    QFrame *pl_play;
    QFrame *Panel1;
    QLabel *im_mainico;
    QFrame *pl_appname;
    QLabel *img_name;
    QFrame *pl_back;
    QComboBox *cb_audio;
    QComboBox *cb_subtitle;
};
