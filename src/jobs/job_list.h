#pragma once
// The job list `lv`: one row per job, each row's Job record kept beside it
// in one vector, and the commands that add, remove, clear, rename and check
// rows. Files and folders dropped on the list are added as Add File and Add
// Folder add them.

#include "engine/intputrec.h"
#include "engine/media_probe.h"
#include "jobs/job.h"
#include "jobs/profile_choices.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class MessageTable;
class Prompts;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

// Columns of `lv`. A DVD row shows its picture description in the path column.
enum JobColumn { kNameColumn, kPathColumn, kTimeColumn, kSizeColumn, kStatusColumn };

// A row listed without a probe: a DVD title or chapter with its records.
struct ListedRow {
    QString caption;
    Job job;
};

class JobList : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // The chosen profile, read by the size estimate.
        std::function<ProfileChoices()> profileChoices;
        // Refreshes command availability after a change of rows or selection.
        std::function<void()> refreshCommands;
        // The row click: runs after adding, when a row has been selected.
        std::function<void()> rowClick;
        // Whether a batch runs or the preview plays: the list then refuses
        // changes with a message.
        std::function<bool()> converting;
        std::function<bool()> previewing;
    };

    // Creates `lv`, its pop-up menu `zm_pop_edit` and the rename box `edt_tit`
    // as children of `window`. The encoder path and working folder are taken
    // from `encoder` for every probe.
    JobList(QWidget *window, const EncoderLocation &encoder, Prompts &prompts, MessageTable &messages, Hooks hooks);

    QTreeWidget *lv() const { return m_lv; }
    QMenu *zm_pop_edit() const { return m_menu; }
    MediaProbe &probe() { return m_probe; }

    // Commands.
    void addFiles();
    void addFolder();
    // Probes the file and appends its row; false (nothing added) when the
    // probe gives no numeric overall bit rate.
    bool addOneFile(const QString &path);
    // Adds paths handed over by a drop or the command line: a file as Add
    // File adds a chosen file, a folder as Add Folder adds a chosen folder.
    // Refused with a message while a batch runs or the preview plays.
    void addPaths(const QStringList &paths);
    void remove();
    void clear();
    void rename();
    void checkAll();
    void uncheckAll();
    // Writes every row's "Output Size" for the chosen profile.
    void recomputeSizes();
    // Replaces every row by `rows` (a listing of DVD titles or chapters),
    // each checked as `checks` says (checked beyond its end). No row is
    // selected afterwards and no row click runs.
    void replaceRows(const std::vector<ListedRow> &rows, const std::vector<bool> &checks);
    // Selects `row` alone and makes it the current row.
    void selectRow(int row);

    // Ends a rename: when the box loses focus, or Enter is released in it.
    void edt_titExit();
    void edt_titKeyUp(int key);

    // Rows and records.
    int rowCount() const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    // Sets a row's state and its Status column, and a Failed row's reason as
    // the row's hover text; a row that does not exist is skipped.
    void setStatus(int row, const JobStatus &status);
    // Keeps what the last run of a row's job left; a row that does not exist is skipped.
    void setLastRun(int row, const JobRunRecord &record);
    // The stretch of the row's source its job converts, in seconds (the clip cutter).
    void setClipRange(int row, qint32 begin, qint32 end);
    // The row's duration time code and its Time column.
    void setDuration(int row, const QString &timeCode);
    QString caption(int row) const;
    const JobStatus &status(int row) const { return job(row).status; }
    QString statusColumn(int row) const;
    QString sizeColumn(int row) const;
    const Job &job(int row) const { return m_jobs.at(row); }
    const Toriginalinfo &original(int row) const { return job(row).original; }
    const TClipInfo &clip(int row) const { return job(row).clip; }
    // A DVD row's track choice and the stream ids it sets in its record.
    void setTracks(int row, const TConvertInfo &convert, const TrackChoice &tracks);
    // Every row's check mark, in row order.
    std::vector<bool> checkMarks() const;
    // The first selected row, if any.
    std::optional<int> selectedRow() const;

signals:
    // Remove took these rows (their positions before the removal, ascending)
    // out of the list, with their records.
    void rowsRemoved(const QList<int> &rows);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Adds each file (a probe each, with a second attempt), says which are
    // not supported, and selects the first row when none is.
    void addAll(const QStringList &paths);
    bool addWithRetry(const QString &path);
    void selectFirstWhenNone();
    QString sizeTextOf(int row) const;
    bool refusedWhileBusy();
    QTreeWidgetItem *appendRow(const Job &job, const QString &caption, const QString &pathColumn);

    QTreeWidget *m_lv;
    QMenu *m_menu;
    QLineEdit *m_edtTit;
    const EncoderLocation &m_encoder;
    Prompts &m_prompts;
    MessageTable &m_messages;
    Hooks m_hooks;
    MediaProbe m_probe;
    std::vector<Job> m_jobs; // one per row, in row order
    QTreeWidgetItem *m_renameItem = nullptr;
};
