#include "skin_test_support.h"

#include "platform/skin/skin_surface.h"

#include <QDir>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
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

// A square panel's border is the outermost ring of its rect, corners
// included, and its fill lies inside; a translucent border lies over the
// background, not over the fill.
struct SquareBoxCase {
    const char *what;
    QColor fill;   // invalid: none
    QColor border; // invalid: none
};

void PrintTo(const SquareBoxCase &c, std::ostream *out)
{
    *out << c.what;
}

// The colour over the black background, as the window's painter blends it.
QColor overBlack(const QColor &colour)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter(&image).fillRect(image.rect(), colour);
    return image.pixelColor(0, 0);
}

class SkinSquareBox : public SkinFileTest, public ::testing::WithParamInterface<SquareBoxCase> {};

TEST_P(SkinSquareBox, BorderIsTheOuterRingAndFillLiesInside)
{
    const SquareBoxCase &c = GetParam();
    QByteArray skin("form main\n size 100 80\n background #000000\nobject frame panel\n rect 10 20 70 60\n");
    if (c.fill.isValid())
        skin += " fill " + c.fill.name(QColor::HexArgb).toLatin1() + "\n";
    if (c.border.isValid())
        skin += " border " + c.border.name(QColor::HexArgb).toLatin1() + "\n";
    ASSERT_TRUE(loadText(skin));
    QWidget window;
    m_skin.attach(&window);
    ASSERT_TRUE(m_skin.applySkinForm(&window, "main"));
    const QImage image = window.grab().toImage();

    const QColor inside = c.fill.isValid() ? c.fill : QColor(Qt::black);
    const QColor ring = c.border.isValid() ? overBlack(c.border) : inside;
    const QRect rect(QPoint(10, 20), QPoint(69, 59));
    const std::pair<QPoint, QColor> probes[] = {
        {rect.topLeft(), ring},   {rect.topRight(), ring},     {rect.bottomLeft(), ring}, {rect.bottomRight(), ring},
        {{40, rect.top()}, ring}, {{40, rect.bottom()}, ring}, {{rect.left(), 40}, ring}, {{rect.right(), 40}, ring},
        {{11, 21}, inside},       {{68, 58}, inside},          {{40, 40}, inside},        {{9, 40}, Qt::black},
        {{70, 40}, Qt::black},    {{40, 19}, Qt::black},       {{40, 60}, Qt::black},
    };
    for (const auto &[at, expected] : probes)
        EXPECT_EQ(image.pixelColor(at).name(), expected.name()) << at.x() << "," << at.y();
}

INSTANTIATE_TEST_SUITE_P(Table, SkinSquareBox,
                         ::testing::Values(SquareBoxCase{"FillAndBorder", QColor("#808080"), QColor("#ffffff")},
                                           SquareBoxCase{"FillOnly", QColor("#808080"), QColor()},
                                           SquareBoxCase{"BorderOnly", QColor(), QColor("#ffffff")},
                                           SquareBoxCase{"TranslucentBorder", QColor("#2050a0"), QColor("#80ff0000")}),
                         [](const auto &info) { return std::string(info.param.what); });

} // namespace
