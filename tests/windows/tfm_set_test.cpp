#include "windows/tfm_set.h"

#include "profiles/active_profile.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The dialog over an active profile with nothing loaded.
struct Dialog {
    ActiveProfile profile{QStringLiteral(VELTRIX_BIN_DIR)};
    Tfm_set dialog{profile};
};

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

TEST(Tfm_set, ControlsCaptionsAndEntries)
{
    Dialog made;
    Tfm_set &dialog = made.dialog;
    EXPECT_EQ(dialog.objectName(), "fm_set");
    EXPECT_EQ(dialog.windowTitle(), "Settings");
    EXPECT_TRUE(dialog.isModal());
    EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    const std::tuple<const char *, const char *, QStringList, int> lists[] = {
        {"cb_size", "Video Size:", {}, -1},
        {"cb_videobitrate", "Video Quality:", qualityEntries(), -1},
        {"cb_audiobitrate", "Audio Quality:", qualityEntries(), -1},
        {"cb_channel", "Channel:", {"Mono", "Stereo"}, 1},
    };
    for (const auto &[name, label, items, selected] : lists) {
        const auto *list = dialog.findChild<QComboBox *>(name);
        ASSERT_TRUE(list) << name;
        EXPECT_FALSE(list->isEditable()) << name;
        EXPECT_EQ(entries(list), items) << name;
        EXPECT_EQ(list->currentIndex(), selected) << name;
        const auto labels = dialog.findChildren<QLabel *>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&, caption = label](const QLabel *l) {
            return l->text() == caption && l->buddy() == list;
        })) << name;
        EXPECT_EQ(qobject_cast<QGroupBox *>(list->parentWidget())->title(), "Format Settings") << name;
    }
    EXPECT_EQ(qualityEntries(),
              (QStringList{"Higher Quality", "High Quality", "Normal", "Low Quality", "Lower Quality"}));

    const auto *finish = dialog.findChild<QGroupBox *>("rg_finish");
    ASSERT_TRUE(finish);
    EXPECT_EQ(finish->title(), "Output Settings");
    QStringList items;
    for (const QRadioButton *item : finish->findChildren<QRadioButton *>())
        items << item->text();
    EXPECT_EQ(items,
              (QStringList{"Do nothing after conversion finished", "Open the target folder after conversion finished",
                           "Automatically shut down after conversion finished"}));
    EXPECT_EQ(dialog.findChild<QPushButton *>("Button1")->text(), "OK");
    EXPECT_EQ(dialog.findChild<QPushButton *>("Button2")->text(), "Cancel");
}

TEST(Tfm_set, SizeAboveChannelOnTheLeftVideoAboveAudioOnTheRight)
{
    Dialog made;
    Tfm_set &dialog = made.dialog;
    dialog.show();
    const auto at = [&](const char *name) {
        const auto *list = dialog.findChild<QComboBox *>(name);
        return list->mapTo(&dialog, QPoint(0, 0));
    };
    EXPECT_EQ(at("cb_size").x(), at("cb_channel").x());
    EXPECT_LT(at("cb_size").y(), at("cb_channel").y());
    EXPECT_EQ(at("cb_videobitrate").x(), at("cb_audiobitrate").x());
    EXPECT_LT(at("cb_videobitrate").y(), at("cb_audiobitrate").y());
    EXPECT_LT(at("cb_size").x(), at("cb_videobitrate").x());
    EXPECT_EQ(at("cb_size").y(), at("cb_videobitrate").y());
}

TEST(Tfm_set, ListsRoundTripAsValues)
{
    Dialog made;
    Tfm_set &dialog = made.dialog;
    QualityLists lists = initialQualityLists();
    lists.size = {{"320x240", "640x480(VGA)", kOriginalSize}, 2, false};
    lists.videoQuality.append(kNoVideo);
    lists.videoQuality.selected = 5;
    lists.audioQuality.enabled = false;
    dialog.setQualityLists(lists);
    EXPECT_EQ(dialog.qualityLists(), lists);
    EXPECT_FALSE(dialog.findChild<QComboBox *>("cb_size")->isEnabled());
    lists.size.selected = -1;
    dialog.setQualityLists(lists);
    EXPECT_EQ(dialog.findChild<QComboBox *>("cb_size")->currentIndex(), -1);
}

// A stored position the list does not offer (the source-quality position on
// an ".mp4" profile) leaves nothing selected; the list says so, its tooltip
// names the entry the conversion takes, and no entry is cut off.
TEST(Tfm_set, ListsWithNothingSelectedSayWhatTheConversionTakes)
{
    Dialog made;
    Tfm_set &dialog = made.dialog;
    QualityLists lists = initialQualityLists();
    lists.size = {{"1280x720(720P)", "640x480(VGA)"}, -1, true};
    lists.videoQuality.selected = 5;
    lists.audioQuality.append(kOriginalAudioQuality);
    lists.audioQuality.selected = 1;
    lists.channel.selected = -1;
    dialog.setQualityLists(lists);
    dialog.show();
    const std::pair<const char *, const char *> shown[] = {{"cb_size", "1280x720(720P)"},
                                                           {"cb_videobitrate", "Normal"},
                                                           {"cb_audiobitrate", nullptr},
                                                           {"cb_channel", "Stereo"}};
    for (const auto &[name, taken] : shown) {
        const QComboBox *list = dialog.findChild<QComboBox *>(name);
        EXPECT_EQ(list->currentIndex() < 0, taken != nullptr) << name;
        EXPECT_EQ(list->placeholderText(), kAsTheProfileSetsIt) << name;
        const QString note = taken ? QStringLiteral("takes \"%1\"").arg(QLatin1String(taken)) : QString();
        EXPECT_TRUE(list->toolTip().contains(note)) << name;
        EXPECT_EQ(list->toolTip().isEmpty(), !taken) << name;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_GT(list->width(), list->fontMetrics().horizontalAdvance(list->itemText(i))) << name;
    }
}

TEST(Tfm_set, OkStoresTheAfterBatchActionCancelOnlyCloses)
{
    for (const bool ok : {true, false}) {
        Dialog made;
        Tfm_set &dialog = made.dialog;
        int stored = 1;
        QObject::connect(&dialog, &Tfm_set::afterBatchActionChosen, [&](int value) { stored = value; });
        dialog.setAfterBatchAction(stored);
        dialog.show();
        EXPECT_EQ(dialog.finishIndex(), 1);
        dialog.findChild<QComboBox *>("cb_videobitrate")->setCurrentIndex(3);
        dialog.findChild<QGroupBox *>("rg_finish")->findChildren<QRadioButton *>().at(2)->click();
        dialog.findChild<QPushButton *>(ok ? "Button1" : "Button2")->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(stored, ok ? 2 : 1);
        // The lists take effect at once.
        EXPECT_EQ(made.profile.lists().videoQuality.selected, 3);
        dialog.setAfterBatchAction(stored);
        dialog.show();
        EXPECT_EQ(dialog.finishIndex(), stored);
        dialog.close();
    }
}

} // namespace
