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

class Tfm_info : public QDialog {
    Q_OBJECT
public:
    // The tracks a DVD row's title offers.
    using DvdTracks = std::function<TrackLists(const Job &)>;
    // Shows the job of the first selected row of `jobs`, read at every show;
    // `encoder` reads a file's streams.
    Tfm_info(const JobModel &jobs, const EncoderLocation &encoder, DvdTracks dvdTracks, QWidget *parent = nullptr);

    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showStreams(const Job &job);
    void showRun(const Job &job);

    const JobModel &m_jobs;
    ListingProbe m_probe;
    DvdTracks m_dvdTracks;
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
