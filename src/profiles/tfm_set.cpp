#include "profiles/tfm_set.h"

#include "profiles/active_profile.h"
#include "profiles/list_reading.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QComboBox *makeList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setMinimumContentsLength(16);
    return list;
}

ChoiceList readList(const QComboBox &list)
{
    ChoiceList value;
    for (int i = 0; i < list.count(); ++i)
        value.entries.append(list.itemText(i));
    value.selected = list.currentIndex();
    value.enabled = list.isEnabled();
    return value;
}

// `readAs` is the entry the conversion takes while nothing is selected; the
// list then shows it greyed rather than an empty field.
void showList(QComboBox &list, const ChoiceList &value, const QString &readAs)
{
    const QSignalBlocker quiet(list);
    if (readList(list).entries != value.entries) {
        list.clear();
        list.addItems(value.entries);
    }
    list.setPlaceholderText(readAs);
    list.setCurrentIndex(value.selected);
    list.setEnabled(value.enabled);
}

// `rg_finish`: the after-batch actions, their positions the button ids.
QGroupBox *finishGroup(QWidget *parent, QButtonGroup *buttons)
{
    auto *group = new QGroupBox(QStringLiteral("Output Settings"), parent);
    group->setObjectName(QStringLiteral("rg_finish"));
    auto *layout = new QVBoxLayout(group);
    const QString items[] = {QStringLiteral("Do nothing after conversion finished"),
                             QStringLiteral("Open the target folder after conversion finished"),
                             QStringLiteral("Automatically shut down after conversion finished")};
    for (int i = 0; i < 3; ++i) {
        auto *item = new QRadioButton(items[i], group);
        buttons->addButton(item, i);
        layout->addWidget(item);
    }
    return group;
}

QString qualityReadAs(const ChoiceList &quality)
{
    return qualityEntries().at(readQualityChoice(quality).position);
}

} // namespace

Tfm_set::Tfm_set(ActiveProfile &profile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fm_set"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    auto *format = new QGroupBox(QStringLiteral("Format Settings"), this);
    cb_size = makeList(QStringLiteral("cb_size"), format);
    cb_videobitrate = makeList(QStringLiteral("cb_videobitrate"), format);
    cb_audiobitrate = makeList(QStringLiteral("cb_audiobitrate"), format);
    cb_channel = makeList(QStringLiteral("cb_channel"), format);
    auto *grid = new QGridLayout(format);
    const auto place = [&](const QString &label, QComboBox *list, int row, int column) {
        auto *caption = new QLabel(label, format);
        caption->setBuddy(list);
        grid->addWidget(caption, row * 2, column);
        grid->addWidget(list, row * 2 + 1, column);
    };
    place(QStringLiteral("Video Size:"), cb_size, 0, 0);
    place(QStringLiteral("Channel:"), cb_channel, 1, 0);
    place(QStringLiteral("Video Quality:"), cb_videobitrate, 0, 1);
    place(QStringLiteral("Audio Quality:"), cb_audiobitrate, 1, 1);

    m_finishButtons = new QButtonGroup(this);
    rg_finish = finishGroup(this, m_finishButtons);
    cb_jobs = makeList(QStringLiteral("cb_jobs"), this);
    auto *jobs = new QHBoxLayout;
    auto *jobsCaption = new QLabel(QStringLiteral("Jobs at once:"), this);
    jobsCaption->setBuddy(cb_jobs);
    jobs->addWidget(jobsCaption);
    jobs->addWidget(cb_jobs);
    jobs->addStretch();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &Tfm_set::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tfm_set::Button2Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(format);
    layout->addWidget(rg_finish);
    layout->addLayout(jobs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setQualityLists(profile.lists());
    connect(&profile, &ActiveProfile::changed, this, [this, &profile] { setQualityLists(profile.lists()); });
    for (QComboBox *list : {cb_size, cb_videobitrate, cb_audiobitrate, cb_channel})
        connect(list, &QComboBox::currentIndexChanged, this, [this, &profile] { profile.setLists(qualityLists()); });
    setAfterBatchAction(0);
}

QualityLists Tfm_set::qualityLists() const
{
    return {readList(*cb_size), readList(*cb_videobitrate), readList(*cb_audiobitrate), readList(*cb_channel)};
}

void Tfm_set::setQualityLists(const QualityLists &lists)
{
    showList(*cb_size, lists.size, readSizeChoice(lists.size).text);
    showList(*cb_videobitrate, lists.videoQuality, qualityReadAs(lists.videoQuality));
    showList(*cb_audiobitrate, lists.audioQuality, qualityReadAs(lists.audioQuality));
    showList(*cb_channel, lists.channel, channelEntries().at(readChannelCount(lists.channel) - 1));
}

void Tfm_set::setAfterBatchAction(int action)
{
    QAbstractButton *item = m_finishButtons->button(action);
    (item ? item : m_finishButtons->button(0))->setChecked(true);
}

int Tfm_set::finishIndex() const
{
    return m_finishButtons->checkedId();
}

void Tfm_set::setJobsAtOnce(const QStringList &choices, int setting)
{
    cb_jobs->clear();
    cb_jobs->addItems(choices);
    cb_jobs->setCurrentIndex(setting);
}

void Tfm_set::Button1Click()
{
    emit afterBatchActionChosen(finishIndex());
    if (cb_jobs->currentIndex() >= 0)
        emit jobsAtOnceChosen(cb_jobs->currentIndex());
    accept();
}

void Tfm_set::Button2Click()
{
    reject();
}
