#pragma once
// An image button of the main window: its picture, a second one while the
// pointer is over it and a third while it is held down; faded when
// disabled; ringed while it has the keyboard focus, when Space or Enter
// presses it. It takes the size of its picture. Each picture is read when it
// is first drawn.

#include <QAbstractButton>
#include <QPixmap>
#include <array>
#include <optional>

class TImageButton : public QAbstractButton {
    Q_OBJECT
public:
    // Pictures images/buttons/<name>.bmp, <name>_over.bmp and <name>_down.bmp
    // of the data folder; a missing one leaves the button blank.
    TImageButton(const QString &name, const QString &hint, const QString &dataFolder, QWidget *parent);

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum Look { Normal, Over, Down };
    const QPixmap &picture(Look look);

    QString m_base; // path of the pictures without "_over.bmp" etc.
    QSize m_size;
    bool m_opaque = false; // its normal picture exists and fills it
    QColor m_background;   // of the normal picture, shown under a faded button
    std::array<std::optional<QPixmap>, 3> m_pictures;
};
