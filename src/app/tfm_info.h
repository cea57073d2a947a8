#pragma once
// The file information window `fm_info`: what the probe learnt about the
// selected job's source, shown as the probe stored it.

#include "jobs/job_records.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

class Tfm_info : public QDialog {
    Q_OBJECT
public:
    // `selectedRecord` gives the record of the first selected row, read at
    // every show.
    Tfm_info(std::function<Toriginalinfo()> selectedRecord, QWidget *parent = nullptr);

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<Toriginalinfo()> m_selectedRecord;
    QLineEdit *ed_duration;
    QLineEdit *ed_audioformat;
    QLineEdit *ed_audiobit;
    QLineEdit *ed_sample;
    QLineEdit *ed_channels;
    QPushButton *Button1;
};
