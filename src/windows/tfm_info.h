#pragma once
// The file information window `fm_info`: what the probe learnt about the
// selected job's source, shown as the probe stored it, and, once the job has
// run, how its run went: its state (with a failed job's reason), its command
// line, the encoder's last lines and where its whole log lies.

#include "jobs/job.h"

#include <QDialog>

class JobModel;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Tfm_info : public QDialog {
    Q_OBJECT
public:
    // Shows the job of the first selected row of `jobs`, read at every show.
    explicit Tfm_info(const JobModel &jobs, QWidget *parent = nullptr);

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showRun(const Job &job);

    const JobModel &m_jobs;
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
