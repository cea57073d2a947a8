#pragma once
// The main window's job list as the preview sees it: each row's source and
// durations from its Job record, its state in the Status column, the
// selection, and the window's message box for a player's failure.

#include "preview/preview_host.h"

class JobModel;
class Prompts;

class MainPreviewHost : public PreviewHost {
public:
    MainPreviewHost(JobModel &jobs, Prompts &prompts);

    int rowCount() const override;
    std::optional<int> selectedRow() const override;
    PreviewSource source(int row) const override;
    qint32 length(int row) const override;
    void setRowStatus(int row, JobState state) override;
    void clearSelection() override;
    void selectRow(int row) override;
    void reportError(const QString &text) override;

private:
    JobModel &m_jobs;
    Prompts &m_prompts;
};
