#include "windows/tfm_info.h"

#include "jobs/job_model.h"

#include "ui_look/look.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr QSize kBasicSize(555, 295);
constexpr int kStreamsHeight = 140;
constexpr int kRunHeight = 250;
constexpr int kFollowMs = 1000;

QPlainTextEdit *makeText(const char *name, QWidget *parent)
{
    auto *text = new QPlainTextEdit(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    return text;
}

// A DVD row's title: its length, then every track it offers, the chosen
// ones marked.
QStringList dvdTrackLines(const Job &job, const TrackLists &tracks)
{
    QStringList lines{QStringLiteral("DVD %1: length %2").arg(job.original.sourcePath, job.original.duration)};
    const auto add = [&](const QString &kind, const QStringList &entries, int chosen) {
        for (qsizetype i = 0; i < entries.size(); ++i)
            if (entries[i] != kNoSubtitle)
                lines << kind + entries[i] + (i == chosen ? QStringLiteral(" (chosen)") : QString());
    };
    add(QStringLiteral("Audio: "), tracks.audio, job.tracks.audio);
    add(QStringLiteral("Subtitle: "), tracks.subtitle, job.tracks.subtitle);
    return lines;
}

QLineEdit *makeField(const char *name, const char *label, QFormLayout *form, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    form->addRow(QString::fromLatin1(label), field);
    return field;
}

} // namespace

Tfm_info::Tfm_info(const JobModel &jobs, Sources sources, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_jobs(jobs),
      m_sources(std::move(sources)),
      m_probe(m_sources.encoder),
      m_follow(new QTimer(this))
{
    m_follow->setInterval(kFollowMs);
    connect(m_follow, &QTimer::timeout, this, [this] {
        if (const std::optional<Job> job = selectedJob())
            showRun(*job);
    });
    setObjectName(QStringLiteral("fm_info"));
    setWindowTitle(QStringLiteral("Properties-test"));
    setModal(true);
    setFixedSize(kBasicSize);
    setPalette(propertiesPalette());
    setAutoFillBackground(true);

    auto *group = new QGroupBox(QStringLiteral("Basic Info"), this);
    auto *form = new QFormLayout(group);
    ed_duration = makeField("ed_duration", "Duration:", form, group);
    ed_audioformat = makeField("ed_audioformat", "Format:", form, group);
    ed_audiobit = makeField("ed_audiobit", "Bit Rate:", form, group);
    ed_sample = makeField("ed_sample", "Sample Rate:", form, group);
    ed_channels = makeField("ed_channels", "Channels:", form, group);

    auto *streams = new QGroupBox(QStringLiteral("Streams"), this);
    me_streams = makeText("me_streams", streams);
    (new QVBoxLayout(streams))->addWidget(me_streams);

    gb_run = new QGroupBox(QStringLiteral("Conversion"), this);
    gb_run->setObjectName(QStringLiteral("gb_run"));
    auto *runForm = new QFormLayout(gb_run);
    ed_state = makeField("ed_state", "State:", runForm, gb_run);
    ed_commandline = makeField("ed_commandline", "Command line:", runForm, gb_run);
    me_output = makeText("me_output", gb_run);
    runForm->addRow(QStringLiteral("Encoder output:"), me_output);
    ed_logfile = makeField("ed_logfile", "Log file:", runForm, gb_run);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(streams);
    layout->addWidget(gb_run);
    layout->addLayout(buttons);
}

std::optional<Job> Tfm_info::selectedJob() const
{
    const std::optional<int> row = m_jobs.selectedRow();
    return row ? std::optional<Job>(m_jobs.job(*row)) : std::nullopt;
}

void Tfm_info::FormShow()
{
    const Job job = selectedJob().value_or(Job{});
    const Toriginalinfo &record = job.original;
    ed_duration->setText(record.duration);
    ed_audioformat->setText(record.audioCodec);
    ed_audiobit->setText(record.audioBitrate + QStringLiteral(" Kb/s"));
    ed_sample->setText(record.sampleRate);
    ed_channels->setText(record.channels);
    showStreams(job);
    showRun(job);
}

void Tfm_info::showStreams(const Job &job)
{
    if (isDvdRow(job)) {
        me_streams->setPlainText(dvdTrackLines(job, m_sources.dvdTracks(job)).join(u'\n'));
        return;
    }
    const QString path = job.original.sourcePath;
    me_streams->setPlainText(QStringLiteral("Reading %1 ...").arg(path));
    m_probe.start(path, [this, path](const MediaListing &listing) {
        const QFileInfo file(path);
        me_streams->setPlainText(
            listing.streams.empty()
                ? QStringLiteral("The streams of %1 could not be read: the file is gone or no longer a media file.")
                      .arg(path)
                : listingLines(listing, file.exists() ? std::optional<qint64>(file.size()) : std::nullopt).join(u'\n'));
    });
}

// A job that never ran (or a failure before its run) shows no run details
// beyond what it has.
void Tfm_info::showRun(const Job &job)
{
    const JobRunRecord run = m_sources.liveRun(job).value_or(job.lastRun);
    const bool ran = !run.commandLine.isEmpty() || job.status.state == JobState::Failed;
    gb_run->setVisible(ran);
    setFixedSize(kBasicSize.width(), kBasicSize.height() + kStreamsHeight + (ran ? kRunHeight : 0));
    if (!ran)
        return;
    const QString state = statusText(job.status);
    ed_state->setText(job.status.reason.isEmpty() ? state : state + QStringLiteral(": ") + job.status.reason);
    ed_commandline->setText(run.commandLine);
    ed_commandline->setCursorPosition(0);
    if (const QString lines = run.lastLines.join(u'\n'); me_output->toPlainText() != lines) {
        me_output->setPlainText(lines);
        me_output->moveCursor(QTextCursor::End); // the latest line in sight
    }
    ed_logfile->setText(run.logFile.isEmpty() && !run.logProblem.isEmpty()
                            ? QStringLiteral("not written: ") + run.logProblem
                            : run.logFile);
    ed_logfile->setCursorPosition(0);
}

void Tfm_info::showEvent(QShowEvent *event)
{
    FormShow();
    m_follow->start();
    QDialog::showEvent(event);
}

void Tfm_info::hideEvent(QHideEvent *event)
{
    m_follow->stop();
    QDialog::hideEvent(event);
}
