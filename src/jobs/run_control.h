#pragma once
// The user's commands over a batch: Start (which also continues a paused
// batch), Stop, and the Pause toggle of `Pause1`.

#include <QObject>
#include <functional>

class BatchCompletion;
class EncoderRun;
class JobList;
class MessageTable;
class Prompts;
struct RunState;

inline const QString kPauseCaption = QStringLiteral("Pause");
inline const QString kContinueCaption = QStringLiteral("Continue");

class RunControl : public QObject {
    Q_OBJECT
public:
    // Writes the running job's progress into its row of `jobs`.
    RunControl(RunState &state, EncoderRun &run, JobList &jobs, BatchCompletion &completion,
               MessageTable &messages, Prompts &prompts, std::function<void()> refreshCommands,
               QObject *parent = nullptr);

    // A last check before a batch begins, after the checked rows are known:
    // false (having told the user why) refuses the start.
    void setStartCheck(std::function<bool()> mayStart) { m_mayStart = std::move(mayStart); }

    void start();
    void stop();
    void pauseToggle();

signals:
    // The caption `Pause1` shows: "Pause" or "Continue".
    void pauseCaptionChanged(const QString &caption);

private:
    void resume();
    // A stopped run may still be finishing its file: wait until it has ended.
    void waitForEndedRun();

    RunState &m_state;
    EncoderRun &m_run;
    JobList &m_jobs;
    BatchCompletion &m_completion;
    MessageTable &m_messages;
    Prompts &m_prompts;
    std::function<void()> m_refreshCommands;
    std::function<bool()> m_mayStart;
};
