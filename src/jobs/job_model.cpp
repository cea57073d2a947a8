#include "jobs/job_model.h"

#include "engine/timecode.h"
#include "jobs/estimate.h"
#include "profiles/active_profile.h"

#include <QStringList>
#include <algorithm>

JobModel::JobModel(const ActiveProfile &profile, QObject *parent) : QAbstractTableModel(parent), m_profile(profile)
{
    connect(&profile, &ActiveProfile::changed, this, &JobModel::recomputeSizes);
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this, &JobModel::selectionChanged);
}

int JobModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int JobModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kJobColumns;
}

QVariant JobModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row &row = *m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case kNameColumn:
            return row.caption;
        case kPathColumn:
            return row.pathText;
        case kTimeColumn:
            return row.job.original.duration;
        case kSizeColumn:
            return row.sizeText;
        case kStatusColumn:
            return statusText(row.job.status);
        }
        return {};
    case Qt::CheckStateRole:
        if (index.column() == kNameColumn)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ToolTipRole:
        // A failure's cause, a stop's partial file, a finished file's note.
        if (!row.job.status.reason.isEmpty())
            return statusText(row.job.status) + QStringLiteral(": ") + row.job.status.reason;
        return {};
    }
    return {};
}

bool JobModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != kNameColumn || index.row() >= rowCount())
        return false;
    if (role == Qt::CheckStateRole)
        setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    else if (role == Qt::EditRole && !value.toString().isEmpty())
        setCaption(index.row(), value.toString());
    else
        return false;
    return true;
}

Qt::ItemFlags JobModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant JobModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList kHeadings = {QString(), QStringLiteral("File Path"), QStringLiteral("Time"),
                                          QStringLiteral("Output Size"), QStringLiteral("Status")};
    if (section == kNameColumn)
        return m_nameHeading;
    return section > 0 && section < kJobColumns ? kHeadings.at(section) : QVariant();
}

void JobModel::setNameHeading(const QString &heading)
{
    m_nameHeading = heading;
    emit headerDataChanged(Qt::Horizontal, kNameColumn, kNameColumn);
}

std::optional<int> JobModel::selectedRow() const
{
    std::optional<int> first;
    for (const QItemSelectionRange &range : m_selection.selection())
        if (!first || range.top() < *first)
            first = range.top();
    return first;
}

std::vector<int> JobModel::selectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange &range : m_selection.selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void JobModel::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_selection.setCurrentIndex(index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void JobModel::append(const Job &job, const QString &caption, const QString &pathText)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_rows.push_back(std::make_unique<Row>(Row{job, caption, pathText, sizeTextOf(job, m_profile.choices())}));
    endInsertRows();
}

void JobModel::append(const std::vector<ListedRow> &rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    const ProfileChoices choices = m_profile.choices();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (const ListedRow &row : rows)
        m_rows.push_back(std::make_unique<Row>(
            Row{row.job, row.caption, row.job.original.sourcePath, sizeTextOf(row.job, choices)}));
    endInsertRows();
}

void JobModel::replaceRows(const std::vector<ListedRow> &rows, const std::vector<bool> &checks)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    const ProfileChoices choices = m_profile.choices();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Job &job = rows[i].job;
        // A row without a source path (a DVD title) shows its picture description there.
        const QString &pathText =
            job.original.sourcePath.isEmpty() ? job.original.pictureSize : job.original.sourcePath;
        m_rows.push_back(std::make_unique<Row>(
            Row{job, rows[i].caption, pathText, sizeTextOf(job, choices), i >= checks.size() || checks[i]}));
    }
    endResetModel();
    m_selection.clear();
}

void JobModel::removeSelected()
{
    // The view selects whole rows: each range of the selection is a run of rows.
    QList<int> removed; // positions before the removal, ascending
    for (const QItemSelectionRange &range : m_selection.selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            removed.append(row);
    if (removed.isEmpty())
        return;
    std::sort(removed.begin(), removed.end());
    removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
    // The selection changes once, after every selected row is gone. It goes
    // first, without a signal, so no removal has to move its ranges along.
    m_selection.reset();
    // Each run of neighbouring rows goes in one step, the last run first.
    for (qsizetype end = removed.size(); end > 0;) {
        qsizetype begin = end - 1;
        while (begin > 0 && removed[begin - 1] == removed[begin] - 1)
            --begin;
        beginRemoveRows({}, removed[begin], removed[end - 1]);
        m_rows.erase(m_rows.begin() + removed[begin], m_rows.begin() + removed[end - 1] + 1);
        endRemoveRows();
        end = begin;
    }
    emit jobsRemoved(removed);
    const int lastRemoved = removed.last() - static_cast<int>(removed.size()) + 1;
    if (rowCount() > 0)
        selectRow(std::min(lastRemoved, rowCount() - 1));
}

void JobModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    m_selection.clear();
}

void JobModel::setCaption(int row, const QString &caption)
{
    if (m_rows.at(row)->caption != caption)
        forgetFinish(row);
    m_rows.at(row)->caption = caption;
    rowChanged(row, kNameColumn, kNameColumn);
}

void JobModel::setChecked(int row, bool checked)
{
    m_rows.at(row)->checked = checked;
    rowChanged(row, kNameColumn, kNameColumn);
}

void JobModel::setAllChecked(bool checked)
{
    for (const std::unique_ptr<Row> &row : m_rows)
        row->checked = checked;
    if (!m_rows.empty())
        emit dataChanged(index(0, kNameColumn), index(rowCount() - 1, kNameColumn), {Qt::CheckStateRole});
}

std::vector<bool> JobModel::checkMarks() const
{
    std::vector<bool> marks;
    marks.reserve(m_rows.size());
    for (const std::unique_ptr<Row> &row : m_rows)
        marks.push_back(row->checked);
    return marks;
}

void JobModel::setStatus(int row, const JobStatus &status)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows[row]->job.status = status;
    // The hover text of a Failed row shows on every column.
    rowChanged(row, kNameColumn, kStatusColumn);
}

void JobModel::setLastRun(int row, const JobRunRecord &record)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows[row]->job.lastRun = record;
    emit jobChanged(row);
}

std::optional<int> JobModel::rowWithLastRun(int likelyRow, const JobRunRecord &record) const
{
    if (likelyRow >= 0 && likelyRow < rowCount() && m_rows[likelyRow]->job.lastRun == record)
        return likelyRow;
    for (int row = 0; row < rowCount(); ++row)
        if (m_rows[row]->job.lastRun == record)
            return row;
    return std::nullopt;
}

void JobModel::setClipRange(int row, const ClipRange &range)
{
    if (clipRangeOf(m_rows.at(row)->job.clip) != range)
        forgetFinish(row);
    ::setClipRange(m_rows.at(row)->job.clip, range);
    emit jobChanged(row);
}

void JobModel::forgetFinish(int row)
{
    Job &job = m_rows.at(row)->job;
    if (job.status.state == JobState::Finished)
        setStatus(row, {isDvdRow(job) ? JobState::Ready : JobState::Waiting});
}

void JobModel::setDuration(int row, const QString &timeCode)
{
    Row &changed = *m_rows.at(row);
    changed.job.original.duration = timeCode;
    changed.sizeText = sizeTextOf(changed.job, m_profile.choices());
    rowChanged(row, kTimeColumn, kSizeColumn);
}

void JobModel::setTracks(int row, const TConvertInfo &convert, const TrackChoice &tracks)
{
    if (row < 0 || row >= rowCount())
        return;
    if (!(m_rows[row]->job.convert == convert && m_rows[row]->job.tracks == tracks))
        forgetFinish(row);
    m_rows[row]->job.convert = convert;
    m_rows[row]->job.tracks = tracks;
    emit jobChanged(row);
}

QString JobModel::sizeTextOf(const Job &job, const ProfileChoices &choices)
{
    const std::optional<int> kbits = estimateKbits(job.original, choices);
    // A source whose own picture size cannot be read has no estimate.
    return kbits ? estimateText(*kbits, timeCodeToSeconds(job.original.duration), choices) : QString();
}

void JobModel::recomputeSizes()
{
    const ProfileChoices choices = m_profile.choices();
    for (const std::unique_ptr<Row> &row : m_rows)
        row->sizeText = sizeTextOf(row->job, choices);
    if (!m_rows.empty())
        emit dataChanged(index(0, kSizeColumn), index(rowCount() - 1, kSizeColumn), {Qt::DisplayRole});
}

void JobModel::rowChanged(int row, int firstColumn, int lastColumn)
{
    emit dataChanged(index(row, firstColumn), index(row, lastColumn));
}
