#pragma once
// What the preview needs from the window it plays in: the job list rows it
// previews, their Status cells and selection, and the message boxes. The main window implements it.

#include "jobs/job.h"
#include "platform/preview/preview_engine.h"

#include <QString>
#include <optional>

// One job list row, as the preview reads it.
struct PreviewRow {
    PreviewSource source;    // the row's input file, or its DVD sectors
    qint32 fullDuration = 0; // seconds of the whole source (the full-duration field); 0 on DVD rows
    qint32 rowDuration = 0;  // seconds of the row's duration time code (the clip length after a cut)
};

class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    virtual int rowCount() const = 0;
    virtual std::optional<int> selectedRow() const = 0;
    // Only called with 0 <= row < rowCount().
    virtual PreviewRow row(int row) const = 0;
    // Sets the row's state (Playing, Paused or Stopped) and with it its
    // Status cell; a row that no longer exists is skipped.
    virtual void setRowStatus(int row, JobState state) = 0;
    virtual void clearSelection() = 0;
    // Selects the row and runs the row click, as a click on it does.
    virtual void selectRow(int row) = 0;
    // Shows numbered message `number` of the message table in a warning box.
    virtual void warn(int number) = 0;
    // Shows a failure of the preview player in a warning box.
    virtual void reportError(const QString &text) = 0;
};
