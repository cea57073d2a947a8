#include "app/job_list_view.h"

#include "app/edition_layout.h"
#include "app/list_drop_target.h"
#include "jobs/job_model.h"
#include "ui_look/list_row_delegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr int kRenameBoxHeight = 18;
constexpr int kRepaintIntervalMs = 250;

} // namespace

JobListView::JobListView(JobModel &jobs, QWidget *parent)
    : QTreeView(parent),
      m_jobs(jobs),
      m_edtTit(new QLineEdit(viewport()))
{
    setObjectName(QStringLiteral("lv"));
    setAccessibleName(QStringLiteral("Files to convert"));
    setModel(&jobs);
    setSelectionModel(jobs.selection());
    const int widths[] = {150, 300, 80, 80, 98};
    for (int column = 0; column < kJobColumns; ++column)
        setColumnWidth(column, widths[column]);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Colours and font come from the program's look. The list is opaque, so
    // what the window's skin has beneath it is never painted.
    setAutoFillBackground(true);
    setUniformRowHeights(true); // one line each: no row needs measuring
    setItemDelegate(new ListRowDelegate(this));

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (m_menu)
            m_menu->popup(viewport()->mapToGlobal(at));
    });
    // Remove leaves the focus on the list, on the row that took the place of the last one removed.
    connect(&jobs, &JobModel::jobsRemoved, this, [this] {
        if (m_jobs.rowCount() > 0)
            setFocus();
    });
    connect(&jobs, &QAbstractItemModel::rowsInserted, this, &JobListView::throttleRepaints);
    m_repaintLater.setSingleShot(true);
    m_repaintLater.setInterval(kRepaintIntervalMs);
    connect(&m_repaintLater, &QTimer::timeout, this, [this] {
        setUpdatesEnabled(true);
        m_sinceRepaint.start();
    });
    connect(&jobs, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_renameRow = -1; });
    connect(&jobs, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_renameRow = -1; });

    m_edtTit->setObjectName(QStringLiteral("edt_tit"));
    m_edtTit->hide();
    m_edtTit->installEventFilter(this);

    // A drop is taken in once the drag has ended: adding probes every file,
    // which must not hold up the desktop's drag.
    auto *drops = new ListDropTarget(this);
    connect(drops, &ListDropTarget::pathsDropped, this, &JobListView::pathsDropped, Qt::QueuedConnection);
}

void JobListView::throttleRepaints()
{
    if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= kRepaintIntervalMs) {
        m_sinceRepaint.start();
        return;
    }
    if (!m_repaintLater.isActive()) {
        setUpdatesEnabled(false);
        m_repaintLater.start();
    }
}

void JobListView::rename()
{
    const std::optional<int> first = m_jobs.selectedRow();
    if (!first)
        return;
    const QModelIndex focused = currentIndex().isValid() ? currentIndex() : m_jobs.index(*first, kNameColumn);
    const int top = visualRect(focused).top() - 1;
    m_edtTit->setGeometry(0, top, columnWidth(kNameColumn), kRenameBoxHeight);
    // The first selected row in list order is the one renamed.
    m_renameRow = *first;
    m_edtTit->setText(m_jobs.caption(m_renameRow));
    m_edtTit->show();
    m_edtTit->setFocus();
}

void JobListView::edt_titExit()
{
    if (m_edtTit->isHidden())
        return;
    m_edtTit->hide();
    if (m_renameRow >= 0 && !m_edtTit->text().isEmpty())
        m_jobs.setCaption(m_renameRow, m_edtTit->text());
    m_renameRow = -1;
}

void JobListView::cancelRename()
{
    m_renameRow = -1;
    m_edtTit->hide();
    setFocus();
}

void JobListView::edt_titKeyUp(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        edt_titExit();
}

void JobListView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && current.isValid()) {
        m_jobs.setChecked(current.row(), !m_jobs.isChecked(current.row()));
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool JobListView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edtTit) {
        const bool escape = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
                            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
        if (event->type() == QEvent::FocusOut)
            edt_titExit();
        else if (event->type() == QEvent::KeyRelease)
            edt_titKeyUp(static_cast<QKeyEvent *>(event)->key());
        // Esc leaves the box without renaming, before the window's keys see it.
        if (escape) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                cancelRename();
            return true;
        }
    }
    return QTreeView::eventFilter(watched, event);
}

void JobListView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    const int grown = event->size().width() - event->oldSize().width();
    if (event->oldSize().isValid() && grown != 0)
        setColumnWidth(kPathColumn, std::max(columnWidth(kPathColumn) + grown, kLeastColumnWidths[kPathColumn]));
}
