#pragma once
// The file information window `fm_info`: what the probe learnt about the
// selected job's source, shown as the probe stored it; every stream the
// source holds (read again at each show; a DVD row's title tracks); and,
// once the job has run, how its run went: its state (with a failed job's
// reason), its command line, the encoder's last lines and where its whole
// log lies.

#include "dvd/track_lists.h"
#include "engine/listing_probe.h"
#include "jobs/job.h"

#include <QDialog>
#include <functional>

class JobModel;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class Tfm_info : public QDialog {
    Q_OBJECT
public:
    // Where the window reads what the job list does not hold.
    struct Sources {
        EncoderLocation encoder;                                         // reads a file's streams
        std::function<TrackLists(const Job &)> dvdTracks;                // the tracks a DVD row's title offers
        std::function<std::optional<JobRunRecord>(const Job &)> liveRun; // a converting job's run so far
    };
    // Shows the job of the first selected row of `jobs`, read at every show;
    // a converting job's encoder lines follow its run while the window shows.
    Tfm_info(const JobModel &jobs, Sources sources, QWidget *parent = nullptr);

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showStreams(const Job &job);
    void showRun(const Job &job);
    std::optional<Job> selectedJob() const;

    const JobModel &m_jobs;
    Sources m_sources;
    ListingProbe m_probe;
    QTimer *m_follow; // reads a converting job's run again while shown
    QLineEdit *ed_duration;
    QLineEdit *ed_audioformat;
    QLineEdit *ed_audiobit;
    QLineEdit *ed_sample;
    QLineEdit *ed_channels;
    QPlainTextEdit *me_streams;
    QGroupBox *gb_run;
    QLineEdit *ed_state;
    QLineEdit *ed_commandline;
    QPlainTextEdit *me_output;
    QLineEdit *ed_logfile;
    QPushButton *Button1;
};
