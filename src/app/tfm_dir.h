#pragma once
// The folder chooser `fm_dir`: the folder tree of the machine, folders only,
// opening at the user's home folder.
// OK takes the selected folder (and stays open while none is selected);
// Cancel, the close box and the Escape key all clear the result.

#include <QDialog>

class QFileSystemModel;
class QPushButton;
class QTreeView;

class Tfm_dir : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_dir(QWidget *parent = nullptr);

    // The folder chosen at the last OK; empty after Cancel or before any OK.
    QString chosenFolder() const { return m_result; }
    // Shows the chooser modally under the caption and gives its result.
    QString choose(const QString &caption);

    void btn_okClick();
    void btn_cancelClick();
    // Every way of leaving without OK ends here.
    void reject() override;

private:
    void revealHome();

    QFileSystemModel *m_model;
    QTreeView *ShellTreeView1;
    QPushButton *btn_ok;
    QPushButton *btn_cancel;
    QString m_result;
};
