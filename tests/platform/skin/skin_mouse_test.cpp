#include "skin_test_support.h"

#include "platform/skin/skin_surface.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

const QPoint kNowhere(5, 5);
const QPoint kOk(60, 25);
const QPoint kOff(170, 25);
const QPoint kLabel(100, 60);
const QPoint kPicture(345, 50);
const QPoint kBox(20, 265);
const QPoint kLid(100, 265);

// Mouse input goes to the skin surface, the widget under the pointer.
class SkinMouseTest : public SkinWindowTest {
protected:
    QWidget *target(const QPoint &point) { return m_window.childAt(point); }
    void press(const QPoint &point) { QTest::mousePress(surface(), Qt::LeftButton, {}, point); }
    void release(const QPoint &point) { QTest::mouseRelease(surface(), Qt::LeftButton, {}, point); }
    // A move with no button held. QTest would move the real cursor, which
    // sends nothing when the cursor already rests there, so the event is sent
    // directly; it still only arrives when the surface tracks the mouse.
    void move(const QPoint &point)
    {
        QMouseEvent event(QEvent::MouseMove, point, surface()->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(surface(), &event);
    }

    SkinSignalLog m_log{m_skin};
};

struct ClickCase {
    const char *what;
    QPoint press;
    QPoint release;
    QStringList clicks;
};

void PrintTo(const ClickCase &c, std::ostream *out)
{
    *out << c.what;
}

class SkinClick : public SkinMouseTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(SkinClick, NeedsPressAndReleaseOnOneEnabledObject)
{
    ASSERT_EQ(target(GetParam().press), surface());
    press(GetParam().press);
    release(GetParam().release);
    EXPECT_EQ(m_log.objectsOf("Click"), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinClick,
    ::testing::Values(ClickCase{"Button", kOk, kOk, {"ok"}}, ClickCase{"DisabledButton", kOff, kOff, {}},
                      ClickCase{"Text", kLabel, kLabel, {"label"}}, ClickCase{"Image", kPicture, kPicture, {"picture"}},
                      ClickCase{"Panel", kBox, kBox, {}}, ClickCase{"TopmostButton", kLid, kLid, {"lid"}},
                      ClickCase{"ReleasedElsewhere", kOk, kLabel, {}}, ClickCase{"Nothing", kNowhere, kNowhere, {}}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(SkinMouseTest, DownAndUpReportThePressedObject)
{
    press(kOk);
    release(kLabel);

    const auto downs = m_log.of("MouseDown");
    const auto ups = m_log.of("MouseUp");
    ASSERT_EQ(downs.size(), 1u);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(downs[0].object, "ok");
    EXPECT_EQ(downs[0].point, kOk);
    EXPECT_EQ(downs[0].sender, &m_window);
    EXPECT_EQ(ups[0].object, "ok");
    EXPECT_EQ(ups[0].point, kLabel);
}

TEST_F(SkinMouseTest, DisabledButtonStillReportsDownAndUp)
{
    press(kOff);
    release(kOff);
    EXPECT_EQ(m_log.objectsOf("MouseDown"), QStringList{"off"});
    EXPECT_EQ(m_log.objectsOf("MouseUp"), QStringList{"off"});
    EXPECT_TRUE(m_log.objectsOf("Click").isEmpty());
}

TEST_F(SkinMouseTest, ClickComesAfterMouseUp)
{
    press(kOk);
    release(kOk);
    QStringList order;
    for (const SkinReport &report : m_log.all())
        order << report.signal;
    EXPECT_EQ(order, (QStringList{"MouseDown", "MouseUp", "Click"}));
}

struct MoveCase {
    QPoint point;
    QStringList objects;
};

void PrintTo(const MoveCase &c, std::ostream *out)
{
    *out << "move to " << c.point.x() << "," << c.point.y();
}

class SkinMouseMove : public SkinMouseTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(SkinMouseMove, ReportsTheObjectUnderThePointer)
{
    move(GetParam().point);
    const auto moves = m_log.of("MouseMove");
    EXPECT_EQ(m_log.objectsOf("MouseMove"), GetParam().objects);
    for (const SkinReport &report : moves) {
        EXPECT_EQ(report.point, GetParam().point);
        EXPECT_EQ(report.sender, &m_window);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SkinMouseMove,
                         ::testing::Values(MoveCase{kLabel, {"label"}}, MoveCase{kBox, {"box"}},
                                           MoveCase{kLid, {"lid"}}, MoveCase{kNowhere, {}}));

TEST_F(SkinMouseTest, ButtonLookFollowsThePointer)
{
    const QString normal = QColor(0x20, 0xc0, 0x40).name();
    const QString hover = QColor(0x40, 0xe0, 0x60).name();
    const QString pressed = QColor(0x10, 0x80, 0x20).name();

    move(kOk);
    EXPECT_EQ(pixel(kOk).name(), hover);
    press(kOk);
    EXPECT_EQ(pixel(kOk).name(), pressed);
    release(kOk);
    EXPECT_EQ(pixel(kOk).name(), hover);
    move(kNowhere);
    EXPECT_EQ(pixel(kOk).name(), normal);
}

TEST_F(SkinMouseTest, DisabledButtonIgnoresThePointer)
{
    const QString before = pixel(kOff).name();
    move(kOff);
    EXPECT_EQ(pixel(kOff).name(), before);
}

// seek: rect 100 100 300 120, so a thumb of radius 10 travels x = 110..290.
struct SliderPress {
    int x;
    qint32 position;
};

void PrintTo(const SliderPress &c, std::ostream *out)
{
    *out << "press at x " << c.x << " gives " << c.position;
}

class SkinSliderPress : public SkinMouseTest, public ::testing::WithParamInterface<SliderPress> {};

TEST_P(SkinSliderPress, SetsThePositionFromX)
{
    press({GetParam().x, 110});
    release({GetParam().x, 110});

    const auto tracks = m_log.of("ScrollTrack");
    ASSERT_EQ(tracks.size(), 1u);
    EXPECT_EQ(tracks[0].object, "seek");
    EXPECT_EQ(tracks[0].position, GetParam().position);
    EXPECT_EQ(object("seek")->position(), GetParam().position);
    EXPECT_EQ(m_log.objectsOf("MouseDown"), QStringList{"seek"});
    EXPECT_EQ(m_log.objectsOf("MouseUp"), QStringList{"seek"});
}

INSTANTIATE_TEST_SUITE_P(Table, SkinSliderPress,
                         ::testing::Values(SliderPress{200, 5000}, SliderPress{155, 2500}, SliderPress{245, 7500},
                                           SliderPress{110, 0}, SliderPress{100, 0}, SliderPress{290, 10000},
                                           SliderPress{299, 10000}));

TEST_F(SkinMouseTest, DraggingTheSliderTracksAndClamps)
{
    press({200, 110});
    QTest::mouseMove(surface(), {155, 112});
    QTest::mouseMove(surface(), {20, 150});
    QTest::mouseMove(surface(), {380, 90});
    release({380, 90});

    std::vector<qint32> positions;
    for (const SkinReport &report : m_log.of("ScrollTrack"))
        positions.push_back(report.position);
    EXPECT_EQ(positions, (std::vector<qint32>{5000, 2500, 0, 10000}));
    EXPECT_EQ(object("seek")->position(), 10000);
}

TEST_F(SkinMouseTest, DraggedThumbIsRepainted)
{
    const QPoint end(290, 110); // where the thumb centre sits at 10000
    const QString thumb = QColor(Qt::white).name();
    EXPECT_NE(pixel(end).name(), thumb);
    press({120, 110});
    QTest::mouseMove(surface(), {299, 110});
    release({299, 110});
    EXPECT_EQ(pixel(end).name(), thumb);
}

TEST_F(SkinMouseTest, DisabledSliderDoesNotTrack)
{
    press({200, 140});
    QTest::mouseMove(surface(), {250, 140});
    release({250, 140});

    EXPECT_TRUE(m_log.of("ScrollTrack").empty());
    EXPECT_EQ(object("still")->position(), 0);
    EXPECT_EQ(m_log.objectsOf("MouseDown"), QStringList{"still"});
}

} // namespace
