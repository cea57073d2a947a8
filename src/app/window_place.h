#pragma once
// The main window's place and size, and whether it was maximised: kept in
// the settings while the window moves and grows, given back at the next
// start.

#include <QList>
#include <QObject>
#include <QRect>

struct AppSettings;
class QWidget;

// Where a window stored at `stored` opens now: at least `least` in size, no
// larger than the screen it lies on, and moved onto the first screen (its
// centre) when no screen shows its top left corner any more. Screens are
// their available areas. An invalid `stored` gives an invalid place.
QRect restoredPlace(const QRect &stored, QSize least, const QList<QRect> &screens);

class WindowPlaceMemory : public QObject {
public:
    // Gives the window its stored place now and keeps `settings` current.
    WindowPlaceMemory(QWidget *window, AppSettings &settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    AppSettings &m_settings;
};
