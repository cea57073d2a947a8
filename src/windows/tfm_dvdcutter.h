#pragma once
// The clip cutter window `fm_dvdcutter`, drawn by the skin form "cutter":
// its list `lv` (one row per job with the clip's begin and end) and its
// preview panel `pl_play`. It shows what it is given; the cutter's commands
// (ClipCutter) decide what that is.

#include <QDialog>
#include <optional>
#include <vector>

class QFrame;
class QTreeWidget;

class Tfm_dvdcutter : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_dvdcutter(QWidget *parent = nullptr);

    // One row of the cutter list: the job's caption and its clip's begin and
    // end as time codes.
    struct Row {
        QString caption;
        QString begin;
        QString end;
    };
    // Replaces the list's rows; every row is checked.
    void showRows(const std::vector<Row> &rows);
    void setBeginText(int row, const QString &text);
    void setEndText(int row, const QString &text);
    std::optional<int> selectedRow() const;
    void selectRow(int row);

    QTreeWidget *lv() const { return m_lv; }
    QFrame *pl_play() const { return m_panel; }

signals:
    // Each time the program shows the window.
    void shown();
    // The selection of the list changed (lvClick).
    void rowClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTreeWidget *m_lv;
    QFrame *m_panel;
};
