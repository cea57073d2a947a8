#include "skin_test_support.h"

#include "platform/skin/skin_surface.h"

#include <QDir>
#include <QImage>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QTest>
#include <memory>

namespace {

const QColor kBarColor(0xff, 0x20, 0x20);
const QColor kButtonColor(0x20, 0xc0, 0x40);

class SkinPaintingTest : public SkinWindowTest {};

TEST_F(SkinPaintingTest, PaintsTheFormBackground)
{
    EXPECT_EQ(pixel({5, 5}).name(), kTestBackground.name());
    EXPECT_EQ(pixel({395, 295}).name(), kTestBackground.name());
}

TEST_F(SkinPaintingTest, DisabledButtonIsFaded)
{
    EXPECT_EQ(pixel({60, 25}).name(), kButtonColor.name());
    const QColor faded = pixel({170, 25});
    EXPECT_NE(faded.name(), kButtonColor.name());
    EXPECT_NE(faded.name(), kTestBackground.name());
}

// A bar whose state is off shows its fill in grey, of the fill's lightness.
TEST_F(SkinPaintingTest, BarWhoseStateIsOffIsGrey)
{
    ISkinCommon *bar = object("level")->commonFacet();
    bar->setState(false);
    bar->redraw();
    const int grey = qGray(kBarColor.rgb());
    EXPECT_EQ(pixel({50, 210}).name(), QColor(grey, grey, grey).name());

    bar->setState(true);
    bar->redraw();
    EXPECT_EQ(pixel({50, 210}).name(), kBarColor.name());
}

struct BarEdge {
    int right;
    int probeX;
    bool showsBar;
};

void PrintTo(const BarEdge &c, std::ostream *out)
{
    *out << "right " << c.right << ", x " << c.probeX << (c.showsBar ? " shows the bar" : " shows the background");
}

class SkinBarEdge : public SkinWindowTest, public ::testing::WithParamInterface<BarEdge> {};

TEST_P(SkinBarEdge, GrabShowsTheNewRect)
{
    ISkinCommon *bar = object("level")->commonFacet();
    SkinRect rect = bar->rect();
    rect.right = GetParam().right;
    bar->setRect(rect);
    bar->redraw();

    const QColor expected = GetParam().showsBar ? kBarColor : kTestBackground;
    EXPECT_EQ(pixel({GetParam().probeX, 210}).name(), expected.name());
}

INSTANTIATE_TEST_SUITE_P(Table, SkinBarEdge,
                         ::testing::Values(BarEdge{100, 50, true}, BarEdge{100, 200, false}, BarEdge{10, 12, false},
                                           BarEdge{390, 380, true}, BarEdge{390, 395, false}));

// Collects the regions the surface repaints.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion painted;
};

TEST_F(SkinPaintingTest, RedrawOfAShrunkBarRepaintsWhereItWas)
{
    PaintRecorder recorder;
    surface()->installEventFilter(&recorder);
    ISkinCommon *bar = object("level")->commonFacet();
    const QRect before = object("level")->qrect();
    // The window's first paint records where the bar is.
    surface()->update();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }));
    recorder.painted = QRegion();

    bar->setRect({10, 200, 60, 220});
    bar->redraw();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }));

    EXPECT_TRUE((QRegion(before) - recorder.painted).isEmpty());
    EXPECT_FALSE(recorder.painted.intersects(object("ok")->qrect()));
}

class SkinStacking : public SkinFileTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SkinStacking, ProgramControlsStayAboveTheSurface)
{
    const bool controlFirst = GetParam();
    ASSERT_TRUE(loadText(kTestSkin));
    QWidget window;
    std::unique_ptr<QPushButton> control;
    const auto addControl = [&] {
        control = std::make_unique<QPushButton>("Program", &window);
        control->setGeometry(20, 100, 60, 30);
    };
    if (controlFirst)
        addControl();
    m_skin.attach(&window);
    ASSERT_TRUE(m_skin.applySkinForm(&window, "main"));
    if (!controlFirst)
        addControl();
    window.show();

    EXPECT_EQ(window.childAt(40, 115), control.get());
    EXPECT_EQ(window.childAt(300, 250), window.findChild<SkinSurface *>());
}

INSTANTIATE_TEST_SUITE_P(ControlAddedBeforeOrAfterAttach, SkinStacking, ::testing::Bool());

TEST_F(SkinPaintingTest, SurfaceFollowsTheWindowSize)
{
    m_window.resize(520, 410);
    EXPECT_EQ(surface()->geometry(), QRect(0, 0, 520, 410));
}

struct PictureCase {
    const char *what;
    bool pictureExists;
    QColor image;
    QColor background;
};

void PrintTo(const PictureCase &c, std::ostream *out)
{
    *out << c.what;
}

class SkinPicture : public SkinFileTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(SkinPicture, PaintsThePictureOrFallsBackToTheColours)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("pics"));
    if (GetParam().pictureExists) {
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(m_dir.filePath("pics/red.png")));
    }
    ASSERT_TRUE(loadText("form main\n size 100 100\n background #000000\n picture pics/red.png\n"
                         "object photo image\n rect 0 0 50 50\n picture pics/red.png\n fill #2040ff\n"));
    QWidget window;
    m_skin.attach(&window);
    ASSERT_TRUE(m_skin.applySkinForm(&window, "main"));
    const QImage image = window.grab().toImage();

    EXPECT_EQ(image.pixelColor(25, 25).name(), GetParam().image.name());
    EXPECT_EQ(image.pixelColor(75, 75).name(), GetParam().background.name());
}

INSTANTIATE_TEST_SUITE_P(Table, SkinPicture,
                         ::testing::Values(PictureCase{"Present", true, QColor(Qt::red), QColor(Qt::red)},
                                           PictureCase{"Missing", false, QColor(0x20, 0x40, 0xff), QColor(Qt::black)}),
                         [](const auto &info) { return std::string(info.param.what); });

class SkinHiddenObject : public SkinFileTest {};

TEST_F(SkinHiddenObject, IsNotPainted)
{
    ASSERT_TRUE(loadText("form main\n size 100 100\n background #000000\n"
                         "object shown panel\n rect 0 0 50 100\n fill #ffffff\n"
                         "object hidden panel\n rect 50 0 100 100\n fill #ffffff\n visible off\n"));
    QWidget window;
    m_skin.attach(&window);
    ASSERT_TRUE(m_skin.applySkinForm(&window, "main"));
    const QImage image = window.grab().toImage();

    EXPECT_EQ(image.pixelColor(25, 50).name(), "#ffffff");
    EXPECT_EQ(image.pixelColor(75, 50).name(), "#000000");
}

} // namespace
