#pragma once
// The job list as the preview sees it, with what the preview wrote to it:
// rows, selection, Status cells, messages, and the busy state. Selecting a row runs the row
// click of the playback it is given.

#include "preview/preview_playback.h"

#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// One row: what it plays, its full duration (0 on DVD rows) and its duration.
struct PreviewRow {
    PreviewSource source;
    qint32 fullDuration = 0;
    qint32 rowDuration = 0;
};

class RecordingHost : public PreviewHost {
public:
    int rowCount() const override { return int(rows.size()); }
    std::optional<int> selectedRow() const override { return selected; }
    PreviewSource source(int row) const override { return rows.at(size_t(row)).source; }
    qint32 length(int row) const override
    {
        return previewLength(rows.at(size_t(row)).fullDuration, rows.at(size_t(row)).rowDuration);
    }
    void setRowStatus(int row, JobState state) override { statuses[row] = statusText({state}); }
    void clearSelection() override { selected.reset(); }
    void selectRow(int row) override
    {
        selected = row;
        if (playback)
            playback->setPreviewRow(row);
    }
    void reportError(const QString &text) override { errors << text; }

    std::vector<PreviewRow> rows;
    std::optional<int> selected;
    std::map<int, QString> statuses;
    BusyState busy; // what the playback sets, and a batch for it to meet
    QStringList errors;
    PreviewPlayback *playback = nullptr;
};
