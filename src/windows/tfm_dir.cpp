#include "windows/tfm_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>

namespace {

const QString kNewFolder = QStringLiteral("New folder");
constexpr int kNarrowest = 287;
constexpr int kHeight = 300;
// The room a title bar takes beside its caption: the icon and the close box.
constexpr int kTitleBarRoom = 120;

// "~" and "~/x" name the home folder; a relative path is taken from there.
QString expandedPath(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text == u'~')
        return QDir::homePath();
    if (text.startsWith(QStringLiteral("~/")))
        return QDir::home().filePath(text.mid(2));
    return QDir::home().filePath(text);
}

} // namespace

Tfm_dir::Tfm_dir(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ShellTreeView1(new QTreeView(this)),
      ed_path(new QLineEdit(this)),
      lb_status(new QLabel(this)),
      bt_newfolder(new QPushButton(QStringLiteral("New folder"), this)),
      btn_ok(new QPushButton(QStringLiteral("Ok"), this)),
      btn_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("fm_dir"));
    setWindowTitle(QStringLiteral("Output Directory"));
    setModal(true);

    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->header()->hide();
    ShellTreeView1->setRootIsDecorated(false);

    ed_path->setObjectName(QStringLiteral("ed_path"));
    ed_path->setPlaceholderText(QStringLiteral("Folder path"));
    lb_status->setObjectName(QStringLiteral("lb_status"));
    lb_status->setWordWrap(true);
    QFont small = lb_status->font();
    small.setPixelSize(11);
    lb_status->setFont(small);

    bt_newfolder->setObjectName(QStringLiteral("bt_newfolder"));
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_cancel->setObjectName(QStringLiteral("btn_cancel"));
    btn_ok->setDefault(true);
    placeControls(kNarrowest);
    connect(bt_newfolder, &QPushButton::clicked, this, &Tfm_dir::bt_newfolderClick);
    connect(btn_ok, &QPushButton::clicked, this, &Tfm_dir::btn_okClick);
    connect(btn_cancel, &QPushButton::clicked, this, &Tfm_dir::btn_cancelClick);
}

// Reading the file system (icons, a watcher) waits until a user needs the tree.
void Tfm_dir::createModel()
{
    if (m_model)
        return;
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(false); // a new folder's name can be edited in the tree
    m_model->setRootPath(QDir::rootPath());
    ShellTreeView1->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        ShellTreeView1->hideColumn(column);
    ShellTreeView1->setRootIndex(m_model->index(QDir::rootPath()));
    ShellTreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                ed_path->setText(current.isValid() ? m_model->filePath(current) : QString());
                tell({});
            });
    connect(m_model, &QFileSystemModel::fileRenamed, this, [this] { ed_path->setText(selectedFolder()); });
    // Folders above the start folder that load while the chooser is open
    // push it out of sight; it is brought back as each of them loads.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const QString above = loaded.endsWith(u'/') ? loaded : loaded + u'/';
        if (isVisible() && (m_start + u'/').startsWith(above))
            revealStart();
    });
}

void Tfm_dir::placeControls(int width)
{
    setFixedSize(width, kHeight);
    const int inner = width - 28;
    ShellTreeView1->setGeometry(14, 13, inner, 192);
    ed_path->setGeometry(14, 213, inner, 24);
    lb_status->setGeometry(14, 238, inner, 22);
    bt_newfolder->setGeometry(14, 266, 88, 25);
    btn_ok->setGeometry(width - 171, 266, 75, 25);
    btn_cancel->setGeometry(width - 89, 266, 75, 25);
}

// The tree opens at the start folder, its parents expanded.
void Tfm_dir::revealStart()
{
    ShellTreeView1->scrollTo(m_model->index(m_start), QAbstractItemView::PositionAtCenter);
}

void Tfm_dir::showEvent(QShowEvent *event)
{
    createModel();
    QDialog::showEvent(event);
}

QString Tfm_dir::choose(const QString &caption, const QString &startFolder)
{
    setWindowTitle(caption);
    placeControls(std::max(kNarrowest, fontMetrics().horizontalAdvance(caption) + kTitleBarRoom));
    tell({});
    createModel();
    const QFileInfo start(startFolder);
    m_start = !startFolder.isEmpty() && start.isDir() ? QDir(startFolder).absolutePath() : QDir::homePath();
    select(m_model->index(m_start));
    revealStart();
    // Typing replaces the path at once; OK takes the folder as it stands.
    ed_path->setText(m_start);
    ed_path->selectAll();
    ed_path->setFocus();
    exec();
    return m_result;
}

void Tfm_dir::tell(const QString &text)
{
    lb_status->setText(text);
}

void Tfm_dir::select(const QModelIndex &index)
{
    ShellTreeView1->setCurrentIndex(index);
    ShellTreeView1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    ShellTreeView1->scrollTo(index);
}

QString Tfm_dir::selectedFolder() const
{
    if (!m_model)
        return {};
    const QModelIndex selected = ShellTreeView1->currentIndex();
    return selected.isValid() && ShellTreeView1->selectionModel()->isSelected(selected) ? m_model->filePath(selected)
                                                                                        : QString();
}

bool Tfm_dir::goToTypedFolder()
{
    createModel();
    const QString typed = ed_path->text().trimmed();
    if (typed.isEmpty() || ed_path->text() == selectedFolder())
        return true;
    const QFileInfo folder(expandedPath(typed));
    if (!folder.isDir()) {
        tell(QStringLiteral("\"%1\" is not a folder. Type an existing folder, or make one with \"New folder\".")
                 .arg(typed));
        return false;
    }
    select(m_model->index(folder.absoluteFilePath()));
    return true;
}

void Tfm_dir::btn_okClick()
{
    if (!goToTypedFolder())
        return;
    m_result = selectedFolder();
    if (!m_result.isEmpty())
        accept();
}

void Tfm_dir::btn_cancelClick()
{
    reject();
}

void Tfm_dir::bt_newfolderClick()
{
    if (!goToTypedFolder())
        return;
    const QString parent = selectedFolder().isEmpty() ? QDir::homePath() : selectedFolder();
    QString name = kNewFolder;
    for (int n = 2; QFileInfo::exists(QDir(parent).filePath(name)); ++n)
        name = kNewFolder + QStringLiteral(" %1").arg(n);
    const QModelIndex created = m_model->mkdir(m_model->index(parent), name);
    if (!created.isValid()) {
        tell(QStringLiteral("No folder can be made in \"%1\". Choose a folder you may write to.").arg(parent));
        return;
    }
    select(created);
    ShellTreeView1->edit(created);
}

// Leaving without OK means no folder was chosen, also when an earlier OK
// had chosen one: the next caller must not take that folder again.
void Tfm_dir::reject()
{
    m_result.clear();
    QDialog::reject();
}
