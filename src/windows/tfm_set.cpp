#include "windows/tfm_set.h"

#include "profiles/active_profile.h"
#include "profiles/list_reading.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    // Wide enough for the longest entry and for what nothing selected shows.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumContentsLength(int(kAsTheProfileSetsIt.size()));
    // That text is a state, not a hint: it is not greyed like one.
    QPalette colours = list->palette();
    colours.setColor(QPalette::PlaceholderText, colours.color(QPalette::Text));
    list->setPalette(colours);
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

// A list with nothing selected says so, and its tooltip what a conversion
// takes then.
void showList(QComboBox &list, const ChoiceList &value, QualityListId id)
{
    const QSignalBlocker quiet(list);
    if (readList(list).entries != value.entries) {
        list.clear();
        list.addItems(value.entries);
    }
    list.setPlaceholderText(kAsTheProfileSetsIt);
    list.setCurrentIndex(value.selected);
    list.setEnabled(value.enabled);
    list.setToolTip(list.currentIndex() < 0 ? nothingSelectedNote(value, id) : QString());
}

// A group of radio buttons, their positions the button ids.
QGroupBox *radioGroup(const QString &title, const QString &name, const QStringList &items, QWidget *parent,
                      QButtonGroup *buttons)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto *layout = new QVBoxLayout(group);
    for (int i = 0; i < items.size(); ++i) {
        auto *item = new QRadioButton(items.at(i), group);
        buttons->addButton(item, i);
        layout->addWidget(item);
    }
    return group;
}

} // namespace

Tfm_set::Tfm_set(ActiveProfile &profile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fm_set"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    // Made in reading order, which Tab follows.
    QGroupBox *format = makeFormatGroup();
    // The picture fit takes effect at once, as the lists do; its ids are the PictureFit values.
    m_fitButtons = new QButtonGroup(this);
    rg_fit = radioGroup(QStringLiteral("Picture Shape"), QStringLiteral("rg_fit"),
                        {QStringLiteral("Keep the picture's shape (black bars)"), QStringLiteral("Stretch to fill")},
                        this, m_fitButtons);
    m_finishButtons = new QButtonGroup(this);
    rg_finish = radioGroup(QStringLiteral("Output Settings"), QStringLiteral("rg_finish"),
                           {QStringLiteral("Do nothing after conversion finished"),
                            QStringLiteral("Open the target folder after conversion finished"),
                            QStringLiteral("Automatically shut down after conversion finished")},
                           this, m_finishButtons);
    ck_tree = new QCheckBox(QStringLiteral("Keep the folder structure of added folders in the output folder"), this);
    ck_tree->setObjectName(QStringLiteral("ck_tree"));
    ed_pattern = new QLineEdit(this);
    ed_pattern->setObjectName(QStringLiteral("ed_pattern"));
    ed_pattern->setPlaceholderText(QStringLiteral("{artist}/{album}/{track} {title}"));
    ed_pattern->setToolTip(QStringLiteral(
        "Output names from the sources' tags: {artist}, {album}, {albumartist}, {track}, {disc}, {title}, {year}; "
        "\"/\" makes folders. A file without a tag the pattern names keeps its own name. Empty: every output is "
        "named after its row."));
    auto *pattern = new QHBoxLayout;
    auto *patternCaption = new QLabel(QStringLiteral("Output names from tags:"), this);
    patternCaption->setBuddy(ed_pattern);
    pattern->addWidget(patternCaption);
    pattern->addWidget(ed_pattern);
    cb_jobs = makeList(QStringLiteral("cb_jobs"), this);
    auto *jobs = new QHBoxLayout;
    auto *jobsCaption = new QLabel(QStringLiteral("Jobs at once:"), this);
    jobsCaption->setBuddy(cb_jobs);
    jobs->addWidget(jobsCaption);
    jobs->addWidget(cb_jobs);
    jobs->addStretch();
    QHBoxLayout *buttons = makeButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(format);
    layout->addWidget(rg_fit);
    layout->addWidget(rg_finish);
    layout->addWidget(ck_tree);
    layout->addLayout(pattern);
    layout->addLayout(jobs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    follow(profile);
    setAfterBatchAction(0);
}

QGroupBox *Tfm_set::makeFormatGroup()
{
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
    // Tab goes through the lists in reading order.
    setTabOrder(cb_size, cb_videobitrate);
    setTabOrder(cb_videobitrate, cb_channel);
    setTabOrder(cb_channel, cb_audiobitrate);
    return format;
}

QHBoxLayout *Tfm_set::makeButtons()
{
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
    return buttons;
}

void Tfm_set::follow(ActiveProfile &profile)
{
    const auto show = [this, &profile] {
        setQualityLists(profile.lists());
        m_fitButtons->button(static_cast<int>(profile.pictureFit()))->setChecked(true);
    };
    show();
    connect(&profile, &ActiveProfile::changed, this, show);
    for (const QualityListId id : kQualityListIds)
        connect(list(id), &QComboBox::currentIndexChanged, this,
                [this, &profile] { profile.setLists(qualityLists()); });
    connect(m_fitButtons, &QButtonGroup::idClicked, this,
            [&profile](int fit) { profile.setPictureFit(static_cast<PictureFit>(fit)); });
}

QComboBox *Tfm_set::list(QualityListId id) const
{
    switch (id) {
    case QualityListId::VideoQuality:
        return cb_videobitrate;
    case QualityListId::AudioQuality:
        return cb_audiobitrate;
    case QualityListId::Channel:
        return cb_channel;
    case QualityListId::Size:
        break;
    }
    return cb_size;
}

QualityLists Tfm_set::qualityLists() const
{
    QualityLists lists;
    for (const QualityListId id : kQualityListIds)
        qualityList(lists, id) = readList(*list(id));
    return lists;
}

void Tfm_set::setQualityLists(const QualityLists &lists)
{
    for (const QualityListId id : kQualityListIds)
        showList(*list(id), qualityList(lists, id), id);
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

void Tfm_set::setOutputNaming(bool keepStructure, const QString &pattern)
{
    ck_tree->setChecked(keepStructure);
    ed_pattern->setText(pattern);
}

void Tfm_set::Button1Click()
{
    emit afterBatchActionChosen(finishIndex());
    emit keepStructureChosen(ck_tree->isChecked());
    emit namePatternChosen(ed_pattern->text().trimmed());
    if (cb_jobs->currentIndex() >= 0)
        emit jobsAtOnceChosen(cb_jobs->currentIndex());
    accept();
}

void Tfm_set::Button2Click()
{
    reject();
}
