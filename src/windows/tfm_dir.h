#pragma once
// The folder chooser `fm_dir`: the folder tree of the machine, folders only,
// opening at the folder it is given (else the user's home folder) with that
// folder selected and its path selected in the path field, which follows the
// tree and takes a typed folder; and a "New folder" button. It is wide enough
// for its caption. OK takes the selected folder (and stays open while none is
// selected); Cancel, the close box and the Escape key all clear the result.
// The tree's model is created when the chooser first opens.

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

class Tfm_dir : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_dir(QWidget *parent = nullptr);

    // The folder chosen at the last OK; empty after Cancel or before any OK.
    QString chosenFolder() const { return m_result; }
    // Shows the chooser modally under the caption, at `startFolder` (the
    // home folder when it is empty or no folder), and gives its result.
    QString choose(const QString &caption, const QString &startFolder = {});

    void btn_okClick();
    void btn_cancelClick();
    // Creates "New folder" (or "New folder 2", ...) in the selected folder,
    // or in the home folder when none is selected, selects it and opens its
    // name for editing. OK and "New folder" first take a folder typed into
    // the path field (Enter is OK).
    void bt_newfolderClick();
    // Every way of leaving without OK ends here.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createModel();
    // Lays the controls out for a window `width` pixels wide.
    void placeControls(int width);
    void revealStart();
    void select(const QModelIndex &index);
    // Selects the folder typed into the path field, when it differs from the
    // selection; false (and says why) when it names no folder.
    bool goToTypedFolder();
    QString selectedFolder() const;
    void tell(const QString &text);

    QFileSystemModel *m_model = nullptr;
    QTreeView *ShellTreeView1;
    QLineEdit *ed_path;
    QLabel *lb_status;
    QPushButton *bt_newfolder;
    QPushButton *btn_ok;
    QPushButton *btn_cancel;
    QString m_result;
    QString m_start; // the folder the chooser opened at
};
