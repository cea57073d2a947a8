#include "app/tfm_dir.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

Tfm_dir::Tfm_dir(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(new QFileSystemModel(this)),
      ShellTreeView1(new QTreeView(this)),
      btn_ok(new QPushButton(QStringLiteral("Ok"), this)),
      btn_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("fm_dir"));
    setWindowTitle(QStringLiteral("Output Directory"));
    setModal(true);
    setFixedSize(287, 248);

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        ShellTreeView1->hideColumn(column);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setRootIsDecorated(false);
    ShellTreeView1->setRootIndex(m_model->index(QDir::rootPath()));
    ShellTreeView1->setGeometry(14, 13, 259, 192);
    // Folders above the home folder that load while the chooser is open
    // push it out of sight; it is brought back as each of them loads.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const QString above = loaded.endsWith(u'/') ? loaded : loaded + u'/';
        if (isVisible() && (QDir::homePath() + u'/').startsWith(above))
            revealHome();
    });

    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_ok->setGeometry(36, 216, 75, 25);
    btn_cancel->setObjectName(QStringLiteral("btn_cancel"));
    btn_cancel->setGeometry(172, 216, 75, 25);
    connect(btn_ok, &QPushButton::clicked, this, &Tfm_dir::btn_okClick);
    connect(btn_cancel, &QPushButton::clicked, this, &Tfm_dir::btn_cancelClick);
}

QString Tfm_dir::choose(const QString &caption)
{
    setWindowTitle(caption);
    revealHome();
    exec();
    return m_result;
}

// The tree opens at the user's home folder, its parents expanded.
void Tfm_dir::revealHome()
{
    ShellTreeView1->scrollTo(m_model->index(QDir::homePath()), QAbstractItemView::PositionAtCenter);
}

void Tfm_dir::btn_okClick()
{
    const QModelIndex selected = ShellTreeView1->currentIndex();
    m_result = selected.isValid() && ShellTreeView1->selectionModel()->isSelected(selected)
                   ? m_model->filePath(selected)
                   : QString();
    if (!m_result.isEmpty())
        accept();
}

void Tfm_dir::btn_cancelClick()
{
    reject();
}

// Leaving without OK means no folder was chosen, also when an earlier OK
// had chosen one: the next caller must not take that folder again.
void Tfm_dir::reject()
{
    m_result.clear();
    QDialog::reject();
}
