#pragma once
// The job list `lv` as the user sees it: the rows of the job model with
// check boxes, the row look of the program, the pop-up menu `zm_pop_edit`
// on a right click, the rename box `edt_tit`, and drops of files and folders.

#include <QElapsedTimer>
#include <QTimer>
#include <QTreeView>

class JobModel;
class QLineEdit;
class QMenu;

class JobListView : public QTreeView {
    Q_OBJECT
public:
    JobListView(JobModel &jobs, QWidget *parent);

    // The pop-up menu of a right click on the list.
    void setPopupMenu(QMenu *menu) { m_menu = menu; }
    // Opens the rename box over the first selected row.
    void rename();
    // Ends a rename: when the box loses focus, or Enter is released in it.
    void edt_titExit();
    void edt_titKeyUp(int key);
    // Esc in the box: it closes and the caption stays.
    void cancelRename();

signals:
    // Local files and folders were dropped on the list.
    void pathsDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Space checks or unchecks the current row, whichever of its cells is current.
    void keyPressEvent(QKeyEvent *event) override;
    // The path column takes the room the list gains or gives up, keeping
    // the widths the user gave the other columns.
    void resizeEvent(QResizeEvent *event) override;

private:
    // Rows that arrive one by one (each after a probe) are drawn a few times
    // a second rather than once each.
    void throttleRepaints();

    JobModel &m_jobs;
    QMenu *m_menu = nullptr;
    QLineEdit *m_edtTit;
    int m_renameRow = -1;
    QElapsedTimer m_sinceRepaint;
    QTimer m_repaintLater;
};
