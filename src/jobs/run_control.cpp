#include "jobs/run_control.h"

#include "app/message_table.h"
#include "app/prompts.h"
#include "engine/batch_completion.h"
#include "engine/encoder_run.h"
#include "engine/run_state.h"
#include "jobs/job_list.h"

#include <QEventLoop>

namespace {
constexpr int kMessageConverting = 26;
constexpr int kMessagePreviewing = 27;
} // namespace

RunControl::RunControl(RunState &state, EncoderRun &run, JobList &jobs, BatchCompletion &completion,
                       MessageTable &messages, Prompts &prompts, std::function<void()> refreshCommands,
                       QObject *parent)
    : QObject(parent),
      m_state(state),
      m_run(run),
      m_jobs(jobs),
      m_completion(completion),
      m_messages(messages),
      m_prompts(prompts),
      m_refreshCommands(std::move(refreshCommands))
{
    m_run.setStatusWriter([this](const QString &text) { m_jobs.setStatus(m_state.batchPosition, text); });
}

void RunControl::start()
{
    if (m_state.previewing) {
        m_messages.warning(kMessagePreviewing);
        return;
    }
    if (m_state.converting) {
        if (m_run.isPaused())
            resume();
        else
            m_messages.warning(kMessageConverting);
        return;
    }
    if (m_jobs.rowCount() == 0)
        return;
    int first = 0;
    while (first < m_jobs.rowCount() && !m_jobs.isChecked(first))
        ++first;
    if (first == m_jobs.rowCount()) {
        m_prompts.information(QStringLiteral("Please select one file."));
        return;
    }
    if (m_mayStart && !m_mayStart())
        return;
    waitForEndedRun();
    m_state.batchPosition = first;
    m_run.resetOffsetCounter();
    m_state.converting = true;
    m_refreshCommands();
    m_completion.beginAt(first);
}

void RunControl::waitForEndedRun()
{
    if (!m_run.isRunning())
        return;
    QEventLoop loop;
    connect(&m_run, &EncoderRun::runEnded, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void RunControl::stop()
{
    if (!m_state.converting)
        return;
    // A paused run is continued and terminated; its release follows as for any end.
    m_run.stop();
    m_jobs.setStatus(m_state.batchPosition, kStatusStop);
    m_run.barUpdate(0);
    m_state.batchPosition = m_jobs.rowCount() + 1;
    m_state.converting = false;
    if (m_run.timer2().isActive())
        m_run.timer2().stop();
    emit pauseCaptionChanged(kPauseCaption);
    m_refreshCommands();
}

void RunControl::pauseToggle()
{
    if (!m_state.converting || !m_run.isRunning())
        return;
    if (m_run.isPaused()) {
        resume();
        return;
    }
    m_run.pause();
    emit pauseCaptionChanged(kContinueCaption);
}

void RunControl::resume()
{
    m_run.resume();
    emit pauseCaptionChanged(kPauseCaption);
}
