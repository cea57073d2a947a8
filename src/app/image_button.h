#pragma once
// An image button of the main window: its picture, a second one while the
// pointer is over it and a third while it is held down; faded when
// disabled. It takes the size of its picture.

#include <QAbstractButton>
#include <QPixmap>

class TImageButton : public QAbstractButton {
    Q_OBJECT
public:
    // Pictures images/buttons/<name>.bmp, <name>_over.bmp and <name>_down.bmp
    // of the executable folder; a missing one leaves the button blank.
    TImageButton(const QString &name, const QString &hint, const QString &executableFolder, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal, m_over, m_down;
};
