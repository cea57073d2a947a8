// A window that grows: the list takes the room, each control keeps to the
// edges it belongs to, and the size comes back at the next start.

#include "app/window_place.h"
#include "main_window_fixture.h"

#include <QComboBox>

namespace {

class WindowGrowthTest : public MainWindowTest {};

TEST_F(WindowGrowthTest, AGrownWindowGivesTheListTheRoomAndComesBackAtItsSize)
{
    // The DVD layouts: a preview column, track lists in the toolbar or in the footer.
    const struct {
        const char *edition;
        int leastListWidth;
    } cases[] = {{"veltrix-video-converter", 1400}, {"veltrix-dvd-ripper", 1200}, {"ZUVOK-dvd", 1300}};
    for (const auto &[edition, leastListWidth] : cases) {
        SCOPED_TRACE(edition);
        Tfm_main &w = start(edition);
        QTreeView *lv = child<QTreeView>("lv");
        const auto place = [this](const char *name) { return child<QWidget>(name)->geometry(); };
        const QRect list = lv->geometry(), startButton = place("bt_start"), play = place("pl_play"),
                    tracks = place("cb_audio"), rail = object(&w, "rail")->qrect();
        const int path = lv->columnWidth(kPathColumn);
        const QSize grown(1600 - w.width(), 1000 - w.height());
        w.resize(1600, 1000);
        EXPECT_EQ(lv->geometry(), list.adjusted(0, 0, grown.width(), grown.height()));
        EXPECT_GE(lv->width(), leastListWidth);
        EXPECT_EQ(lv->columnWidth(kPathColumn), path + grown.width());
        EXPECT_EQ(place("bt_start"), startButton.translated(0, grown.height()));
        EXPECT_EQ(place("pl_play"), play.translated(grown.width(), 0));
        EXPECT_EQ(place("cb_audio"), tracks.translated(0, tracks.top() > list.bottom() ? grown.height() : 0));
        EXPECT_EQ(object(&w, "rail")->qrect(), rail.adjusted(grown.width(), 0, grown.width(), grown.height()));
        // The offscreen screen is 800 x 800: a size it holds comes back.
        w.resize(800, 780);
        EXPECT_TRUE(w.close());
        EXPECT_EQ(start(edition).size(), QSize(800, 780));
        m_window.reset();
    }
}

TEST(WindowPlace, AStoredPlaceOpensWhereTheScreensShowIt)
{
    const QList<QRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const QSize least(781, 558);
    const struct {
        QRect stored, opens;
    } cases[] = {
        {{100, 50, 1600, 1000}, {100, 50, 1600, 1000}},   // as it was
        {{2000, 10, 1600, 1000}, {2000, 10, 1280, 1000}}, // no wider than its screen
        {{100, 50, 400, 300}, {100, 50, 781, 558}},       // no smaller than the design
        {{5000, 4000, 800, 600}, {560, 240, 800, 600}},   // a screen gone: centred on the first
        {{}, {}},                                         // nothing stored
    };
    for (const auto &c : cases)
        EXPECT_EQ(restoredPlace(c.stored, least, screens), c.opens) << c.stored.x();
}

} // namespace
