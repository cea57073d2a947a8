// The windows besides the main window are made when the user first opens
// them, once, and then open as they always did: the start-up builds none.

#include "app/main_commands.h"
#include "app/tfm_main.h"
#include "profiles/active_profile.h"
#include "profiles/profile_choices.h"
#include "windows/tfm_dvdcutter.h"
#include "windows/tfm_set.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "main_window_fixture.h"

namespace {

constexpr int kAviDivx = 2; // a video profile: its sizes fill the size list

// Runs a command that shows a dialog modally; `inside` gets the dialog while
// it is shown, which is then cancelled unless `inside` closed it. Returns the
// dialog that was shown, or nullptr.
QDialog *whileShown(Tfm_main &w, MainCommand command, const std::function<void(QDialog &)> &inside = {})
{
    QPointer<QDialog> shown;
    QTimer::singleShot(0, &w, [&] {
        shown = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        if (inside)
            inside(*shown);
        if (shown->isVisible())
            shown->reject();
    });
    w.run(command);
    return shown;
}

class WindowOpeningTest : public MainWindowTest {};

struct Opening {
    const char *window;
    MainCommand command;
};

TEST_F(WindowOpeningTest, EachWindowIsMadeWhenTheUserFirstOpensIt)
{
    Tfm_main &w = start();
    for (const char *name : {"fm_dir", "fm_about", "fm_set", "fm_info", "fm_dvdcutter"})
        EXPECT_EQ(w.findChild<QWidget *>(name), nullptr) << name;

    // Properties opens on a selected row.
    veltrix::test::TempDir media;
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=440:duration=1", media.file("tone.wav"));
    m_prompts.fileAnswers.push_back({QString::fromStdString(media.file("tone.wav"))});
    w.run(MainCommand::AddFiles);
    ASSERT_TRUE(addEnded(w));
    ASSERT_EQ(w.session().jobs().rowCount(), 1);
    w.session().jobs().selectRow(0);

    const Opening openings[] = {{"fm_set", MainCommand::SettingsDialog},
                                {"fm_about", MainCommand::AboutWindow},
                                {"fm_info", MainCommand::FileInformation}};
    for (const Opening &opening : openings) {
        SCOPED_TRACE(opening.window);
        QDialog *first = whileShown(w, opening.command);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->objectName(), opening.window);
        EXPECT_EQ(first->parentWidget(), &w);
        EXPECT_EQ(whileShown(w, opening.command), first);
        EXPECT_EQ(w.findChildren<QDialog *>(opening.window).size(), 1);
    }

    // The cutter stays open without holding up the caller, and is drawn by
    // the skin's cutter form from its first opening.
    w.run(MainCommand::OpenCutter);
    auto *cutter = w.findChild<Tfm_dvdcutter *>("fm_dvdcutter");
    ASSERT_NE(cutter, nullptr);
    EXPECT_EQ(cutter, &w.fm_dvdcutter());
    EXPECT_TRUE(cutter->isVisible());
    ASSERT_NE(object(cutter, "cut_play_time"), nullptr);
    EXPECT_EQ(object(cutter, "cut_play_time")->text(), "00:00:00.00");
    clickSkin("cutclose", cutter);
    EXPECT_FALSE(cutter->isVisible());
    w.run(MainCommand::OpenCutter);
    EXPECT_TRUE(cutter->isVisible());
    EXPECT_EQ(w.findChildren<Tfm_dvdcutter *>().size(), 1);
    // It grows: its list downwards, its picture both ways, its controls with the edges they belong to.
    const auto place = [cutter](const char *name) { return cutter->findChild<QWidget *>(name)->geometry(); };
    const QRect list = place("lv"), picture = place("pl_play"), snapshot = object(cutter, "cut_snapshot")->qrect();
    cutter->resize(cutter->size() + QSize(100, 60));
    EXPECT_EQ(place("lv"), list.adjusted(0, 0, 0, 60));
    EXPECT_EQ(place("pl_play"), picture.adjusted(0, 0, 100, 60));
    EXPECT_EQ(object(cutter, "cut_snapshot")->qrect(), snapshot.translated(100, 60));
    clickSkin("cutclose", cutter);
    EXPECT_TRUE(m_prompts.boxes().empty());
}

// The Settings dialog shows the active profile's lists, also when the dialog
// was made under another profile, and a change takes effect at once, even
// when the dialog is then cancelled.
TEST_F(WindowOpeningTest, SettingsDialogShowsAndChangesTheActiveLists)
{
    Tfm_main &w = start();
    const ChoiceList channel = w.session().profile().lists().channel;
    ASSERT_EQ(channel.entries, channelEntries());
    const int other = channel.selected == 0 ? 1 : 0;
    whileShown(w, MainCommand::SettingsDialog, [&](QDialog &dialog) {
        EXPECT_EQ(static_cast<Tfm_set &>(dialog).qualityLists(), w.session().profile().lists());
        dialog.findChild<QComboBox *>("cb_channel")->setCurrentIndex(other);
    });
    EXPECT_EQ(w.session().profile().lists().channel.selected, other);

    const QualityLists before = w.session().profile().lists();
    ASSERT_TRUE(w.session().profile().select(kAviDivx));
    ASSERT_NE(w.session().profile().lists(), before);
    whileShown(w, MainCommand::SettingsDialog, [&](QDialog &dialog) {
        auto &settings = static_cast<Tfm_set &>(dialog);
        EXPECT_EQ(settings.qualityLists(), w.session().profile().lists());
        auto *size = dialog.findChild<QComboBox *>("cb_size");
        ASSERT_GT(size->count(), 1);
        size->setCurrentIndex(size->count() - 1);
    });
    EXPECT_EQ(w.session().profile().lists().size.selected, w.session().profile().lists().size.entries.size() - 1);
}

} // namespace
