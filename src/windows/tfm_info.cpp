#include "windows/tfm_info.h"

#include "jobs/job_model.h"

#include "ui_look/look.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kBasicSize(555, 295);
constexpr int kRunHeight = 250;

QLineEdit *makeField(const char *name, const char *label, QFormLayout *form, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    form->addRow(QString::fromLatin1(label), field);
    return field;
}

} // namespace

Tfm_info::Tfm_info(const JobModel &jobs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_jobs(jobs)
{
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

    gb_run = new QGroupBox(QStringLiteral("Conversion"), this);
    gb_run->setObjectName(QStringLiteral("gb_run"));
    auto *runForm = new QFormLayout(gb_run);
    ed_state = makeField("ed_state", "State:", runForm, gb_run);
    ed_commandline = makeField("ed_commandline", "Command line:", runForm, gb_run);
    me_output = new QPlainTextEdit(gb_run);
    me_output->setObjectName(QStringLiteral("me_output"));
    me_output->setReadOnly(true);
    me_output->setLineWrapMode(QPlainTextEdit::NoWrap);
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
    layout->addWidget(gb_run);
    layout->addLayout(buttons);
}

void Tfm_info::FormShow()
{
    const std::optional<int> row = m_jobs.selectedRow();
    const Job job = row ? m_jobs.job(*row) : Job{};
    const Toriginalinfo &record = job.original;
    ed_duration->setText(record.duration);
    ed_audioformat->setText(record.audioCodec);
    ed_audiobit->setText(record.audioBitrate + QStringLiteral(" Kb/s"));
    ed_sample->setText(record.sampleRate);
    ed_channels->setText(record.channels);
    showRun(job);
}

// A job that never ran (or a failure before its run) shows no run details
// beyond what it has.
void Tfm_info::showRun(const Job &job)
{
    const JobRunRecord &run = job.lastRun;
    const bool ran = !run.commandLine.isEmpty() || job.status.state == JobState::Failed;
    gb_run->setVisible(ran);
    setFixedSize(kBasicSize.width(), kBasicSize.height() + (ran ? kRunHeight : 0));
    if (!ran)
        return;
    const QString state = statusText(job.status);
    ed_state->setText(job.status.reason.isEmpty() ? state : state + QStringLiteral(": ") + job.status.reason);
    ed_commandline->setText(run.commandLine);
    ed_commandline->setCursorPosition(0);
    me_output->setPlainText(run.lastLines.join(u'\n'));
    ed_logfile->setText(run.logFile.isEmpty() && !run.logProblem.isEmpty()
                            ? QStringLiteral("not written: ") + run.logProblem
                            : run.logFile);
    ed_logfile->setCursorPosition(0);
}

void Tfm_info::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}
