#pragma once
// The Settings dialog: the four quality lists of the active profile, which
// take effect at once, and the after-batch action, which waits for OK. The
// lists are held by the program; the dialog shows them and reports each
// change the user makes.

#include "profiles/choice_list.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QPushButton;

class Tfm_set : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_set(QWidget *parent = nullptr);

    // The lists as the dialog shows them, and what it is to show; showing
    // reports no change.
    QualityLists qualityLists() const;
    void setQualityLists(const QualityLists &lists);
    // Receives the lists after each change of a list by the user.
    void setListsChanged(std::function<void(const QualityLists &)> changed) { m_listsChanged = std::move(changed); }

    // The stored after-batch action (0 nothing, 1 open the folder, 2 shut
    // down), read when the dialog is shown and written by OK.
    void setAfterBatchAction(std::function<int()> read, std::function<void(int)> store);
    // Recomputes the output size estimate of every job row; run by OK.
    void setRecomputeSizes(std::function<void()> recompute) { m_recomputeSizes = std::move(recompute); }

    // Selected position of `rg_finish`.
    int finishIndex() const;

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QComboBox *cb_size;
    QComboBox *cb_videobitrate;
    QComboBox *cb_audiobitrate;
    QComboBox *cb_channel;
    QGroupBox *rg_finish;
    QButtonGroup *m_finishButtons;
    QPushButton *Button1;
    QPushButton *Button2;

    std::function<int()> m_readAfterBatchAction;
    std::function<void(int)> m_storeAfterBatchAction;
    std::function<void()> m_recomputeSizes;
    std::function<void(const QualityLists &)> m_listsChanged;
};
