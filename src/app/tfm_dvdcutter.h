#pragma once
// The clip cutter window `fm_dvdcutter`, drawn by the skin form "cutter".
// It holds no controls of its own yet.

#include <QDialog>

class Tfm_dvdcutter : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_dvdcutter(QWidget *parent = nullptr) : QDialog(parent)
    {
        setObjectName(QStringLiteral("fm_dvdcutter"));
        setWindowTitle(QStringLiteral("Cut"));
    }
};
