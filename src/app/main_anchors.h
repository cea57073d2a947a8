#pragma once
// How the main window's own controls follow its edges when it grows: the
// list takes the room, the footer's controls keep to the bottom and the
// preview column to the right, as the skin's objects beneath them do.

#include <QRect>
#include <QSize>

class QWidget;

// `list` is the job list's place in the edition's layout: track lists below
// it belong to the footer.
void anchorMainControls(QWidget *window, QSize designSize, const QRect &list);
