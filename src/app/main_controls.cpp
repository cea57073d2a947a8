#include "app/main_controls.h"

#include "app/image_button.h"
#include "app/main_commands.h"
#include "ui_look/palette.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

// A control with its object name and place.
template <class Control> Control *made(Control *control, const char *name, const QRect &place)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    return control;
}

// A panel painted in one colour of the design.
QFrame *filledPanel(QWidget *parent, const char *name, const QRect &place, const QColor &colour)
{
    QFrame *panel = made(new QFrame(parent), name, place);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, colour);
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);
    return panel;
}

// The toolbar gives the track lists no label: each names itself while empty
// and in its hover text.
QComboBox *trackList(QWidget *window, const char *name, const QString &placeholder, const QString &hint)
{
    auto *tracks = new QComboBox(window);
    tracks->setObjectName(QString::fromLatin1(name));
    tracks->hide();
    tracks->setPlaceholderText(placeholder);
    tracks->setToolTip(hint);
    tracks->setAccessibleName(placeholder);
    return tracks;
}

// The image buttons, made first so that every other control lies above them.
std::map<QString, TImageButton *> imageButtonsOf(QWidget *window, const QString &dataFolder)
{
    std::map<QString, TImageButton *> buttons;
    for (const ImageButtonDesign &design : imageButtons()) {
        const QString name = QString::fromLatin1(design.name);
        buttons[name] = new TImageButton(name, QString::fromLatin1(design.hint), dataFolder, window);
    }
    // The places of the file-mode layout, which the zuvok layouts keep.
    for (const ControlPlace &at : editionLayout(false, false).buttonPlaces)
        buttons.at(at.name)->move(at.topLeft);
    return buttons;
}

} // namespace

MainControls::MainControls(QWidget *window, const QString &dataFolder)
    : buttons(imageButtonsOf(window, dataFolder)),
      ed_output(made(new QLineEdit(QStringLiteral("C:\\My Video"), window), "ed_output", {96, 479, 210, 22})),
      pl_play(filledPanel(window, "pl_play", {482, 111, 233, 174}, palette::player)),
      Panel1(filledPanel(window, "Panel1", {97, 449, 20, 20}, palette::toolbar)),
      im_mainico(made(new QLabel(Panel1), "im_mainico", {2, 2, 16, 16})),
      pl_appname(made(new QFrame(window), "pl_appname", {40, 1, 300, 28})),
      img_name(made(new QLabel(pl_appname), "img_name", {0, 0, 300, 28})),
      pl_back(made(new QFrame(window), "pl_back", {472, 99, 255, 331})),
      cb_audio(
          trackList(window, "cb_audio", QStringLiteral("Audio"), QStringLiteral("Audio track of the selected title"))),
      cb_subtitle(trackList(window, "cb_subtitle", QStringLiteral("Subtitle"),
                            QStringLiteral("Subtitles burnt into the selected title")))
{
    pl_play->hide();
    ed_output->setAccessibleName(QStringLiteral("Output folder"));
    im_mainico->setToolTip(QStringLiteral("Try"));
    im_mainico->setCursor(Qt::PointingHandCursor);
}

void MainControls::place(const EditionLayout &layout) const
{
    ed_output->move(layout.outputTopLeft);
    if (layout.outputWidth)
        ed_output->resize(*layout.outputWidth, ed_output->height());
    Panel1->move(layout.iconPanelTopLeft);
    pl_play->move(layout.playTopLeft);
    if (layout.playSize)
        pl_play->resize(*layout.playSize);
    const auto placeTracks = [](QComboBox *tracks, const std::optional<SpanPlace> &at) {
        tracks->setVisible(at.has_value());
        if (at)
            tracks->setGeometry(QRect(at->topLeft, QSize(at->width, tracks->sizeHint().height())));
    };
    placeTracks(cb_audio, layout.audioTracks);
    placeTracks(cb_subtitle, layout.subtitleTracks);
    for (const ControlPlace &at : layout.buttonPlaces)
        buttons.at(at.name)->move(at.topLeft);
    if (layout.previewButtonsHidden)
        for (const QString &name : kPreviewButtons)
            buttons.at(name)->hide();
}
