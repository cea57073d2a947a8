#pragma once
// The main window's job list as the preview sees it: each row's source and
// durations from its Job record, its state in the Status column, the
// selection, whether a batch converts, and the window's message boxes.

#include "preview/preview_host.h"

#include <functional>

class JobList;
class MessageTable;
class Prompts;

class MainPreviewHost : public PreviewHost {
public:
    struct Hooks {
        std::function<bool()> converting;
        std::function<void()> refreshCommands;
    };
    MainPreviewHost(JobList &jobs, MessageTable &messages, Prompts &prompts, Hooks hooks);

    int rowCount() const override;
    std::optional<int> selectedRow() const override;
    PreviewRow row(int row) const override;
    void setRowStatus(int row, JobState state) override;
    void clearSelection() override;
    void selectRow(int row) override;
    bool converting() const override { return m_hooks.converting(); }
    void refreshCommands() override { m_hooks.refreshCommands(); }
    void warn(int number) override;
    void reportError(const QString &text) override;

private:
    JobList &m_jobs;
    MessageTable &m_messages;
    Prompts &m_prompts;
    Hooks m_hooks;
};
