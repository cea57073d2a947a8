// The routing of the main window: commands through the command table, skin
// events, and the clicks that close the picker.

#include "app/tfm_main.h"

#include "app/job_list_view.h"
#include "app/main_command_table.h"
#include "jobs/file_adder.h"
#include "session/converter_session.h"
#include "ui_text/command_guard.h"
#include "ui_text/prompts.h"
#include "windows/profile_picker.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>

void Tfm_main::run(MainCommand command)
{
    const MainCommandRow *row = mainCommandRow(command);
    // Once the system ends the program, no command begins.
    if (!row || m_session.ending())
        return;
    runGuarded(m_prompts, [this, row] {
        if (!refusedWhile(row->refusedWhile))
            row->handler({m_session, *this});
    });
}

bool Tfm_main::refusedWhile(BusySet states)
{
    const std::optional<Busy> busy = m_session.busy().refusal(states);
    if (busy == Busy::Adding)
        m_prompts.warning(QStringLiteral("Files are still being added to the list. Wait until they are listed (or "
                                         "cancel the add in its progress window), then try again."));
    else if (busy)
        m_messages.warning(*busy == Busy::Previewing ? Message::Previewing : Message::Converting);
    return busy.has_value();
}

void Tfm_main::addPaths(const QStringList &paths)
{
    // An add that has not begun when the end begins never begins.
    if (!paths.isEmpty() && !m_session.ending() && !refusedWhile(Busy::Previewing | Busy::Converting | Busy::Adding))
        run([this, &paths] { m_session.adder().addPaths(paths); });
}

void Tfm_main::run(const std::function<void()> &command)
{
    runGuarded(m_prompts, command);
}

void Tfm_main::runPressed(MainCommand command)
{
    const bool pill = command == MainCommand::StartBatch || command == MainCommand::StopBatch;
    if (pill && !m_pillPresses.acceptNow())
        return;
    run(command);
}

void Tfm_main::Skin1Click(QWidget *, SkinObject *source)
{
    runPressed(skinClickCommand(source->name()));
}

void Tfm_main::Skin1MouseMove(QWidget *, SkinObject *source, int, int)
{
    m_messages.showHint(hintNumberFor(source->name()));
}

// The position sliders seek the preview (the playback refuses while a batch converts).
void Tfm_main::Skin1MouseDown(QWidget *, SkinObject *source, Qt::MouseButton, int, int)
{
    m_picker->hidePicker();
    if (const std::optional<PositionSlider> slider = positionSliderNamed(source->name()); slider && playback())
        playback()->sliderPress(*slider);
}

void Tfm_main::Skin1MouseUp(QWidget *, SkinObject *source, Qt::MouseButton, int, int)
{
    if (const std::optional<PositionSlider> slider = positionSliderNamed(source->name()); slider && playback())
        playback()->sliderRelease(*slider);
}

void Tfm_main::Skin1ScrollTrack(QWidget *, SkinObject *source, qint32)
{
    if (const std::optional<PositionSlider> slider = positionSliderNamed(source->name()); slider && playback())
        playback()->sliderTrack(*slider);
}

bool Tfm_main::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_controls.im_mainico && type == QEvent::MouseButtonRelease) {
        run(MainCommand::OpenPicker);
        return false;
    }
    QAbstractItemView *lv = m_listView;
    const bool onList = lv && (watched == lv || watched == lv->viewport());
    if (type == QEvent::MouseButtonPress
        && (onList || watched == m_controls.pl_play || qobject_cast<QAbstractButton *>(watched)))
        m_picker->hidePicker();
    return QWidget::eventFilter(watched, event);
}
