#include "windows/tfm_dvdcutter.h"

#include "platform/skin/anchors.h"

#include <QFrame>
#include <QHeaderView>
#include <QShowEvent>
#include <QTreeWidget>

namespace {

// The places of the skin form "cutter": the list in its frame, the panel
// over its screen.
constexpr QSize kWindowSize(640, 430);
constexpr QRect kListPlace(14, 54, 284, 362);
constexpr QRect kPanelPlace(322, 62, 296, 168);

enum CutterColumn { kTitleColumn, kBeginColumn, kEndColumn };

} // namespace

Tfm_dvdcutter::Tfm_dvdcutter(QWidget *parent) : QDialog(parent), m_lv(new QTreeWidget(this)), m_panel(new QFrame(this))
{
    setObjectName(QStringLiteral("fm_dvdcutter"));
    setWindowTitle(QStringLiteral("Cut"));
    // The list grows downwards and the picture takes the rest of the room.
    setMinimumSize(kWindowSize);
    resize(kWindowSize);
    auto *anchored = new AnchoredControls(this, kWindowSize);

    m_lv->setObjectName(QStringLiteral("lv"));
    m_lv->setGeometry(kListPlace);
    m_lv->setColumnCount(3);
    m_lv->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Begin Time"), QStringLiteral("End Time")});
    // The title takes what the two time columns leave of the frame.
    m_lv->header()->setStretchLastSection(false);
    m_lv->header()->setSectionResizeMode(kTitleColumn, QHeaderView::Stretch);
    m_lv->setColumnWidth(kBeginColumn, 90);
    m_lv->setColumnWidth(kEndColumn, 90);
    m_lv->setRootIsDecorated(false);
    m_lv->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lv->header()->setSectionsClickable(false);
    connect(m_lv, &QTreeWidget::itemSelectionChanged, this, &Tfm_dvdcutter::rowClicked);

    m_panel->setObjectName(QStringLiteral("pl_play"));
    m_panel->setGeometry(kPanelPlace);
    m_panel->hide();
    anchored->anchor(m_lv, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge);
    anchored->anchor(m_panel, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
}

void Tfm_dvdcutter::showRows(const std::vector<Row> &rows)
{
    const QSignalBlocker quiet(m_lv);
    m_lv->clear();
    for (const Row &row : rows) {
        auto *item = new QTreeWidgetItem(m_lv, {row.caption, row.begin, row.end});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kTitleColumn, Qt::Checked);
    }
}

void Tfm_dvdcutter::setBeginText(int row, const QString &text)
{
    if (QTreeWidgetItem *item = m_lv->topLevelItem(row))
        item->setText(kBeginColumn, text);
}

void Tfm_dvdcutter::setEndText(int row, const QString &text)
{
    if (QTreeWidgetItem *item = m_lv->topLevelItem(row))
        item->setText(kEndColumn, text);
}

std::optional<int> Tfm_dvdcutter::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = m_lv->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_lv->indexOfTopLevelItem(selected.first());
}

void Tfm_dvdcutter::selectRow(int row)
{
    if (QTreeWidgetItem *item = m_lv->topLevelItem(row))
        m_lv->setCurrentItem(item);
}

void Tfm_dvdcutter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Not when the desktop gives a minimised window back.
    if (event->spontaneous())
        return;
    // The focus starts on the rows: a button that kept it from the last
    // visit (Close) would take Space, the key that plays.
    m_lv->setFocus(Qt::OtherFocusReason);
    emit shown();
}
