#pragma once
// The job list's data: one Job per row, in row order, in one vector, with
// the row's selection. Views show it through Qt's item model; every change
// of rows, checks, states or selection is a signal of the model. A row's
// records move with it, whatever removes or replaces rows.

#include "jobs/job.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <memory>
#include <optional>
#include <vector>

class ActiveProfile;
struct ProfileChoices;

// Columns of the list. A DVD row shows its picture description in the path column.
enum JobColumn { kNameColumn, kPathColumn, kTimeColumn, kSizeColumn, kStatusColumn, kJobColumns };

// A row listed without a probe: a DVD title or chapter with its records, or
// a row of the list saved at the last end.
struct ListedRow {
    QString caption;
    Job job;
};

class JobModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Output sizes are estimated for `profile`, and again whenever it changes.
    explicit JobModel(const ActiveProfile &profile, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The name column's heading: "File Name", or "Title" in the DVD edition.
    void setNameHeading(const QString &heading);

    // The selection of rows, shared with the view.
    QItemSelectionModel *selection() { return &m_selection; }
    // The first selected row in row order, if any.
    std::optional<int> selectedRow() const;
    // Every selected row, in row order.
    std::vector<int> selectedRows() const;
    // Selects `row` alone and makes it the current row; nothing for a row
    // that does not exist.
    void selectRow(int row);

    // Appends a checked row under `caption`; the path column shows `pathText`.
    void append(const Job &job, const QString &caption, const QString &pathText);
    // Appends checked rows of files, each under its caption, in one step: the
    // path column shows each source's path.
    void append(const std::vector<ListedRow> &rows);
    // Replaces every row by `rows` (a listing of DVD titles or chapters, a
    // restored list), each checked as `checks` says (checked beyond its
    // end). No row is selected afterwards.
    void replaceRows(const std::vector<ListedRow> &rows, const std::vector<bool> &checks);
    // Removes the selected rows and selects the row that took the place of
    // the last one removed (or the new last row); jobsRemoved() tells which.
    void removeSelected();
    void clear();

    const Job &job(int row) const { return m_rows.at(row)->job; }
    const Toriginalinfo &original(int row) const { return job(row).original; }
    const TClipInfo &clip(int row) const { return job(row).clip; }
    const JobStatus &status(int row) const { return job(row).status; }
    QString caption(int row) const { return m_rows.at(row)->caption; }
    void setCaption(int row, const QString &caption);
    bool isChecked(int row) const { return m_rows.at(row)->checked; }
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    // Every row's check mark, in row order.
    std::vector<bool> checkMarks() const;
    // Sets a row's state and its Status column; a Failed row's reason is its
    // hover text. A row that does not exist is skipped.
    void setStatus(int row, const JobStatus &status);
    // Keeps what the last run of a row's job left; a row that does not exist is skipped.
    void setLastRun(int row, const JobRunRecord &record);
    // The row whose last run is `record`, looked for at `likelyRow` first
    // (the rows may have changed since the run began); nothing when no row has it.
    std::optional<int> rowWithLastRun(int likelyRow, const JobRunRecord &record) const;
    // The stretch of the row's source its job converts (the clip cutter).
    void setClipRange(int row, const ClipRange &range);
    // The row's duration time code, its Time column and its output size.
    void setDuration(int row, const QString &timeCode);
    // A DVD row's track choice and the stream ids it sets in its record.
    void setTracks(int row, const TConvertInfo &convert, const TrackChoice &tracks);
    // The texts of the Status and Output Size columns.
    QString statusColumn(int row) const { return statusText(status(row)); }
    QString sizeColumn(int row) const { return m_rows.at(row)->sizeText; }

signals:
    // The selection or the current row changed.
    void selectionChanged();
    // removeSelected() took these rows (their positions before the removal,
    // ascending) out of the list, with their records.
    void jobsRemoved(const QList<int> &rows);
    // A record of the row's job that no column shows changed: its clip
    // range, its track choice or its last run.
    void jobChanged(int row);

private:
    // A finished row that changes waits to be converted again.
    void forgetFinish(int row);

    struct Row {
        Job job;
        QString caption;
        QString pathText;
        QString sizeText;
        bool checked = true;
    };
    static QString sizeTextOf(const Job &job, const ProfileChoices &choices);
    void recomputeSizes();
    void rowChanged(int row, int firstColumn, int lastColumn);

    const ActiveProfile &m_profile;
    // Each row apart, so a removal moves pointers, not rows.
    std::vector<std::unique_ptr<Row>> m_rows;
    QItemSelectionModel m_selection{this};
    QString m_nameHeading = QStringLiteral("File Name");
};
