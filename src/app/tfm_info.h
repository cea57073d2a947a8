#pragma once
// The file information window `fm_info`: what the probe learnt about the
// selected job's source, shown as the probe stored it, and, once the job has
// run, how its run went: its state (with a failed job's reason), its command
// line, the encoder's last lines and where its whole log lies.

#include "jobs/job.h"

#include <QDialog>
#include <functional>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Tfm_info : public QDialog {
    Q_OBJECT
public:
    // `selectedJob` gives the job of the first selected row, read at every show.
    Tfm_info(std::function<Job()> selectedJob, QWidget *parent = nullptr);

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showRun(const Job &job);

    std::function<Job()> m_selectedJob;
    QLineEdit *ed_duration;
    QLineEdit *ed_audioformat;
    QLineEdit *ed_audiobit;
    QLineEdit *ed_sample;
    QLineEdit *ed_channels;
    QGroupBox *gb_run;
    QLineEdit *ed_state;
    QLineEdit *ed_commandline;
    QPlainTextEdit *me_output;
    QLineEdit *ed_logfile;
    QPushButton *Button1;
};
