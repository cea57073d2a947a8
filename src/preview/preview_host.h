#pragma once
// What the preview needs from the window it plays in: the job list rows it
// previews, their Status cells and selection, and the message boxes. The main window implements it.

#include "jobs/job.h"
#include "platform/preview/preview_engine.h"

#include <QString>
#include <optional>

class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    virtual int rowCount() const = 0;
    virtual std::optional<int> selectedRow() const = 0;
    // Only called with 0 <= row < rowCount().
    // What the player plays for the row: its file, or its DVD sectors (read
    // from the IFO file, so once per preview).
    virtual PreviewSource source(int row) const = 0;
    // Seconds the row's position bar spans: the whole file or the whole DVD
    // title or chapter, also after a cut; 0 when unknown.
    virtual qint32 length(int row) const = 0;
    // Sets the row's state (Playing, Paused or Stopped) and with it its
    // Status cell; a row that no longer exists is skipped.
    virtual void setRowStatus(int row, JobState state) = 0;
    virtual void clearSelection() = 0;
    // Selects the row and runs the row click, as a click on it does.
    virtual void selectRow(int row) = 0;
    // Shows a failure of the preview player in a warning box.
    virtual void reportError(const QString &text) = 0;
};
