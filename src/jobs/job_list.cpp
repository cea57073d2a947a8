#include "jobs/job_list.h"

#include "engine/timecode.h"
#include "jobs/estimate.h"
#include "jobs/job_from_probe.h"
#include "jobs/list_drop_target.h"
#include "jobs/media_filters.h"
#include "jobs/repaint_throttle.h"
#include "ui_look/list_row_delegate.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "ui_text/message_table.h"
#include "ui_text/prompts.h"

namespace {

constexpr int kRenameBoxHeight = 18;

QAction *addAction(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

JobList::JobList(QWidget *window, const EncoderLocation &encoder, Prompts &prompts, MessageTable &messages, Hooks hooks)
    : QObject(window),
      m_lv(new QTreeWidget(window)),
      m_menu(new QMenu(window)),
      m_edtTit(new QLineEdit(m_lv->viewport())),
      m_encoder(encoder),
      m_prompts(prompts),
      m_messages(messages),
      m_hooks(std::move(hooks))
{
    m_lv->setObjectName(QStringLiteral("lv"));
    m_lv->setColumnCount(5);
    m_lv->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("File Path"), QStringLiteral("Time"),
                           QStringLiteral("Output Size"), QStringLiteral("Status")});
    const int widths[] = {150, 300, 80, 80, 98};
    for (int column = 0; column < 5; ++column)
        m_lv->setColumnWidth(column, widths[column]);
    m_lv->setRootIsDecorated(false);
    m_lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lv->setSortingEnabled(false);
    m_lv->header()->setSectionsClickable(false);
    m_lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Colours and font come from the program's look. The list is opaque, so
    // what the window's skin has beneath it is never painted.
    m_lv->setAutoFillBackground(true);
    m_lv->setUniformRowHeights(true); // one line each: no row needs measuring
    m_lv->setItemDelegate(new ListRowDelegate(m_lv));

    m_menu->setObjectName(QStringLiteral("zm_pop_edit"));
    connect(addAction(m_menu, "Remove1", "Remove"), &QAction::triggered, this, &JobList::remove);
    connect(addAction(m_menu, "Clear2", "Clear"), &QAction::triggered, this, &JobList::clear);
    connect(addAction(m_menu, "Rename1", "Rename"), &QAction::triggered, this, &JobList::rename);
    m_menu->addSeparator();
    connect(addAction(m_menu, "SelectAll1", "Select All"), &QAction::triggered, this, &JobList::checkAll);
    connect(addAction(m_menu, "UnselectAll1", "Unselect All"), &QAction::triggered, this, &JobList::uncheckAll);
    m_lv->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_lv, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(m_lv->viewport()->mapToGlobal(at)); });

    m_edtTit->setObjectName(QStringLiteral("edt_tit"));
    m_edtTit->hide();
    m_edtTit->installEventFilter(this);

    // A drop is taken in once the drag has ended: adding probes every file,
    // which must not hold up the desktop's drag.
    auto *drops = new ListDropTarget(m_lv);
    connect(drops, &ListDropTarget::pathsDropped, this, &JobList::addPaths, Qt::QueuedConnection);
}

bool JobList::refusedWhileBusy()
{
    if (m_hooks.previewing()) {
        m_messages.warning(Message::Previewing);
        return true;
    }
    if (m_hooks.converting()) {
        m_messages.warning(Message::Converting);
        return true;
    }
    return false;
}

void JobList::addFiles()
{
    if (m_hooks.converting()) {
        m_messages.warning(Message::Converting);
        return;
    }
    const QStringList files = m_prompts.openFiles(addFilesFilter());
    if (!files.isEmpty())
        m_lv->setVisible(true);
    addAll(files);
}

void JobList::addFolder()
{
    if (m_hooks.converting()) {
        m_messages.warning(Message::Converting);
        return;
    }
    const QString folder = m_prompts.chooseFolder(QStringLiteral("File Directory"));
    if (folder.isEmpty())
        return;
    m_lv->setVisible(true);
    addAll(folderAudioFiles(folder));
}

void JobList::addPaths(const QStringList &paths)
{
    if (paths.isEmpty() || refusedWhileBusy())
        return;
    m_lv->setVisible(true);
    QStringList files;
    for (const QString &path : paths)
        files += QFileInfo(path).isDir() ? folderAudioFiles(path) : QStringList{path};
    addAll(files);
}

// Rows appear a few times a second rather than one repaint of the whole
// list per file.
void JobList::addAll(const QStringList &paths)
{
    {
        RepaintThrottle throttle(m_lv);
        for (const QString &path : paths) {
            if (addWithRetry(path)) {
                throttle.changed();
                continue;
            }
            throttle.flush(); // the rows added so far show behind the message
            m_prompts.information(QFileInfo(path).fileName() + QStringLiteral(" is not support!"));
        }
    }
    selectFirstWhenNone();
}

bool JobList::addWithRetry(const QString &path)
{
    // A probe that stalled (a FIFO, a hung mount) would only stall again.
    return addOneFile(path) || (m_probe.outcome().kind != RunOutcome::Kind::Stalled && addOneFile(path));
}

void JobList::selectFirstWhenNone()
{
    if (rowCount() > 0 && m_lv->selectedItems().isEmpty()) {
        m_lv->setCurrentItem(m_lv->topLevelItem(0));
        m_lv->topLevelItem(0)->setSelected(true);
        if (m_hooks.rowClick)
            m_hooks.rowClick();
    }
    m_hooks.refreshCommands();
}

bool JobList::addOneFile(const QString &path)
{
    m_probe.start(m_encoder.encoderfile, m_encoder.workdir, path);
    m_probe.waitUntilIdle();
    // The records are complete before the row exists, so no row is ever left without them.
    const std::optional<Toriginalinfo> job = jobRecordFromProbe(path, m_probe.results());
    if (!job)
        return false;
    Job added;
    added.original = *job;
    added.clip = wholeClipOf(*job);
    added.exactDuration = m_probe.results().exactDuration;
    appendRow(added, jobNameOf(path), path);
    return true;
}

QTreeWidgetItem *JobList::appendRow(const Job &job, const QString &caption, const QString &pathColumn)
{
    m_jobs.push_back(job);
    auto *item = new QTreeWidgetItem(m_lv);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setText(kNameColumn, caption);
    item->setText(kPathColumn, pathColumn);
    item->setText(kTimeColumn, job.original.duration);
    item->setText(kStatusColumn, statusText(job.status));
    item->setCheckState(kNameColumn, Qt::Checked);
    item->setText(kSizeColumn, sizeTextOf(rowCount() - 1));
    return item;
}

void JobList::replaceRows(const std::vector<ListedRow> &rows, const std::vector<bool> &checks)
{
    // The selection changes while the rows go and come; the row click
    // belongs to the finished list.
    const QSignalBlocker quiet(m_lv);
    m_renameItem = nullptr;
    m_lv->clear();
    m_jobs.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem *item = appendRow(rows[i].job, rows[i].caption, rows[i].job.original.pictureSize);
        if (i < checks.size() && !checks[i])
            item->setCheckState(kNameColumn, Qt::Unchecked);
    }
}

void JobList::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_lv->clearSelection();
    m_lv->setCurrentItem(m_lv->topLevelItem(row));
    m_lv->topLevelItem(row)->setSelected(true);
}

QString JobList::sizeTextOf(int row) const
{
    const Toriginalinfo &source = original(row);
    const std::optional<int> kbits = estimateKbits(source, m_hooks.profileChoices());
    // A source whose own picture size cannot be read has no estimate.
    return kbits ? sizeText(*kbits, timeCodeToSeconds(source.duration)) : QString();
}

void JobList::recomputeSizes()
{
    for (int row = 0; row < rowCount(); ++row)
        m_lv->topLevelItem(row)->setText(kSizeColumn, sizeTextOf(row));
}

void JobList::remove()
{
    if (refusedWhileBusy() || m_lv->selectedItems().isEmpty())
        return;
    int lastRemoved = -1;
    QList<int> removed; // positions before the removal
    {
        // The row click belongs to the list once every selected row is gone.
        const QSignalBlocker quiet(m_lv);
        for (int row = 0; row < rowCount();) {
            if (!m_lv->topLevelItem(row)->isSelected()) {
                ++row;
                continue;
            }
            removed.append(row + static_cast<int>(removed.size()));
            m_jobs.erase(m_jobs.begin() + row);
            delete m_lv->takeTopLevelItem(row);
            lastRemoved = row;
        }
    }
    m_renameItem = nullptr;
    emit rowsRemoved(removed);
    if (rowCount() == 0) {
        m_hooks.refreshCommands();
        return;
    }
    QTreeWidgetItem *next = m_lv->topLevelItem(std::min(lastRemoved, rowCount() - 1));
    m_lv->setCurrentItem(next);
    next->setSelected(true);
    m_lv->setFocus();
    m_hooks.refreshCommands();
}

void JobList::clear()
{
    if (refusedWhileBusy())
        return;
    if (rowCount() > 0 && m_messages.question(Message::ConfirmClear)) {
        m_renameItem = nullptr;
        m_lv->clear();
        m_jobs.clear();
    }
    m_hooks.refreshCommands();
}

void JobList::rename()
{
    const QList<QTreeWidgetItem *> selected = m_lv->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *focused = m_lv->currentItem() ? m_lv->currentItem() : selected.first();
    const int top = m_lv->visualItemRect(focused).top() - 1;
    m_edtTit->setGeometry(0, top, m_lv->columnWidth(kNameColumn), kRenameBoxHeight);
    // The first selected row in list order is the one renamed.
    m_renameItem = m_lv->topLevelItem(*selectedRow());
    m_edtTit->setText(m_renameItem->text(kNameColumn));
    m_edtTit->show();
    m_edtTit->setFocus();
}

void JobList::edt_titExit()
{
    if (m_edtTit->isHidden())
        return;
    m_edtTit->hide();
    if (m_renameItem && !m_edtTit->text().isEmpty())
        m_renameItem->setText(kNameColumn, m_edtTit->text());
    m_renameItem = nullptr;
}

void JobList::edt_titKeyUp(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        edt_titExit();
}

bool JobList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edtTit) {
        if (event->type() == QEvent::FocusOut)
            edt_titExit();
        else if (event->type() == QEvent::KeyRelease)
            edt_titKeyUp(static_cast<QKeyEvent *>(event)->key());
    }
    return QObject::eventFilter(watched, event);
}

void JobList::checkAll()
{
    for (int row = 0; row < rowCount(); ++row)
        setChecked(row, true);
}

void JobList::uncheckAll()
{
    for (int row = 0; row < rowCount(); ++row)
        setChecked(row, false);
}

int JobList::rowCount() const
{
    return m_lv->topLevelItemCount();
}

bool JobList::isChecked(int row) const
{
    return m_lv->topLevelItem(row)->checkState(kNameColumn) == Qt::Checked;
}

void JobList::setChecked(int row, bool checked)
{
    m_lv->topLevelItem(row)->setCheckState(kNameColumn, checked ? Qt::Checked : Qt::Unchecked);
}

void JobList::setStatus(int row, const JobStatus &status)
{
    if (row < 0 || row >= rowCount())
        return;
    m_jobs[row].status = status;
    QTreeWidgetItem *item = m_lv->topLevelItem(row);
    item->setText(kStatusColumn, statusText(status));
    const QString hover = status.state == JobState::Failed ? QStringLiteral("Failed: ") + status.reason : QString();
    for (int column = 0; column < m_lv->columnCount(); ++column)
        item->setToolTip(column, hover);
}

void JobList::setLastRun(int row, const JobRunRecord &record)
{
    if (row >= 0 && row < rowCount())
        m_jobs[row].lastRun = record;
}

void JobList::setClipRange(int row, qint32 begin, qint32 end)
{
    m_jobs.at(row).clip.clipBegin = begin;
    m_jobs.at(row).clip.clipEnd = end;
}

void JobList::setDuration(int row, const QString &timeCode)
{
    m_jobs.at(row).original.duration = timeCode;
    m_lv->topLevelItem(row)->setText(kTimeColumn, timeCode);
}

QString JobList::caption(int row) const
{
    return m_lv->topLevelItem(row)->text(kNameColumn);
}

QString JobList::statusColumn(int row) const
{
    return m_lv->topLevelItem(row)->text(kStatusColumn);
}

QString JobList::sizeColumn(int row) const
{
    return m_lv->topLevelItem(row)->text(kSizeColumn);
}

void JobList::setTracks(int row, const TConvertInfo &convert, const TrackChoice &tracks)
{
    if (row < 0 || row >= rowCount())
        return;
    m_jobs[row].convert = convert;
    m_jobs[row].tracks = tracks;
}

std::vector<bool> JobList::checkMarks() const
{
    std::vector<bool> marks(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        marks[row] = isChecked(row);
    return marks;
}

std::optional<int> JobList::selectedRow() const
{
    for (int row = 0; row < rowCount(); ++row)
        if (m_lv->topLevelItem(row)->isSelected())
            return row;
    return std::nullopt;
}
