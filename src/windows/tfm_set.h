#pragma once
// The Settings dialog: the four quality lists of the active profile and how
// pictures fill the frame, which take effect at once, and the after-batch
// action and the number of jobs a batch runs at once, which wait for OK. The
// lists belong to the active profile; the dialog shows them and hands it
// each change the user makes.

#include "profiles/choice_list.h"

#include <QDialog>

class ActiveProfile;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QGroupBox;
class QHBoxLayout;
class QPushButton;

class Tfm_set : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_set(ActiveProfile &profile, QWidget *parent = nullptr);

    // The lists as the dialog shows them, and what it is to show; showing
    // reports no change.
    QualityLists qualityLists() const;
    void setQualityLists(const QualityLists &lists);

    // The stored after-batch action (0 nothing, 1 open the folder, 2 shut
    // down) to show; a value the group does not offer shows "Do nothing".
    void setAfterBatchAction(int action);

    // Selected position of `rg_finish`.
    int finishIndex() const;

    // The choices of "Jobs at once" (`cb_jobs`), each at the position of its
    // setting, and the stored setting to show.
    void setJobsAtOnce(const QStringList &choices, int setting);
    // Whether outputs keep the folder structure of added folders (`ck_tree`),
    // and the output name pattern (`ed_pattern`).
    void setOutputNaming(bool keepStructure, const QString &pattern);

    void Button1Click();
    void Button2Click();

signals:
    // OK stored the chosen after-batch action.
    void afterBatchActionChosen(int action);
    // OK stored the chosen number of jobs at once (its position in the choices).
    void jobsAtOnceChosen(int setting);
    // OK stored whether outputs keep the folder structure, and the pattern.
    void keepStructureChosen(bool keep);
    void namePatternChosen(const QString &pattern);

private:
    // The four quality lists under their captions.
    QGroupBox *makeFormatGroup();
    // OK and Cancel.
    QHBoxLayout *makeButtons();
    // Shows the profile's lists and picture fit as they change, and hands
    // the user's choices to it at once.
    void follow(ActiveProfile &profile);
    QComboBox *list(QualityListId id) const;

    QComboBox *cb_size;
    QComboBox *cb_videobitrate;
    QComboBox *cb_audiobitrate;
    QComboBox *cb_channel;
    QGroupBox *rg_fit;
    QButtonGroup *m_fitButtons;
    QComboBox *cb_jobs;
    QCheckBox *ck_tree;
    QLineEdit *ed_pattern;
    QGroupBox *rg_finish;
    QButtonGroup *m_finishButtons;
    QPushButton *Button1;
    QPushButton *Button2;
};
