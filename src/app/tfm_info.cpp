#include "app/tfm_info.h"

#include "ui_look/look.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *makeField(const char *name, const char *label, QFormLayout *form, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    form->addRow(QString::fromLatin1(label), field);
    return field;
}

} // namespace

Tfm_info::Tfm_info(std::function<Toriginalinfo()> selectedRecord, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_selectedRecord(std::move(selectedRecord))
{
    setObjectName(QStringLiteral("fm_info"));
    setWindowTitle(QStringLiteral("Properties-test"));
    setModal(true);
    setFixedSize(555, 295);
    setPalette(propertiesPalette());
    setAutoFillBackground(true);

    auto *group = new QGroupBox(QStringLiteral("Basic Info"), this);
    auto *form = new QFormLayout(group);
    ed_duration = makeField("ed_duration", "Duration:", form, group);
    ed_audioformat = makeField("ed_audioformat", "Format:", form, group);
    ed_audiobit = makeField("ed_audiobit", "Bit Rate:", form, group);
    ed_sample = makeField("ed_sample", "Sample Rate:", form, group);
    ed_channels = makeField("ed_channels", "Channels:", form, group);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void Tfm_info::FormShow()
{
    const Toriginalinfo record = m_selectedRecord();
    ed_duration->setText(record.duration);
    ed_audioformat->setText(record.audioCodec);
    ed_audiobit->setText(record.audioBitrate + QStringLiteral(" Kb/s"));
    ed_sample->setText(record.sampleRate);
    ed_channels->setText(record.channels);
}

void Tfm_info::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}
