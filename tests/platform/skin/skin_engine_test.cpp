#include "skin_test_support.h"

#include "platform/skin/skin_surface.h"

#include <memory>

namespace {

class SkinEngineTest : public SkinFileTest {};

TEST_F(SkinEngineTest, LoadsAValidFile)
{
    EXPECT_TRUE(m_skin.loadSkin(writeFile("good.skn", kTestSkin)));
    EXPECT_TRUE(m_skin.errorText().isEmpty());
}

TEST_F(SkinEngineTest, MissingFileNamesTheFile)
{
    const QString path = m_dir.filePath("absent.skn");
    EXPECT_FALSE(m_skin.loadSkin(path));
    EXPECT_TRUE(m_skin.errorText().startsWith(path + ":")) << m_skin.errorText().toStdString();
}

TEST_F(SkinEngineTest, MalformedFileNamesFileAndLine)
{
    const QString path = writeFile("bad.skn", "form a\n size 10 10\nobject x panel\n rect 0 0 1\n");
    EXPECT_FALSE(m_skin.loadSkin(path));
    EXPECT_TRUE(m_skin.errorText().startsWith(path + ":4: ")) << m_skin.errorText().toStdString();
}

TEST_F(SkinEngineTest, FailedLoadKeepsThePreviousForms)
{
    ASSERT_TRUE(loadText(kTestSkin));
    EXPECT_FALSE(m_skin.loadSkin(writeFile("bad.skn", "form broken\n")));
    QWidget window;
    EXPECT_TRUE(m_skin.applySkinForm(&window, "main"));
    EXPECT_FALSE(m_skin.applySkinForm(&window, "broken"));
}

TEST_F(SkinEngineTest, UnknownFormIsNotApplied)
{
    ASSERT_TRUE(loadText(kTestSkin));
    QWidget window;
    EXPECT_FALSE(m_skin.applySkinForm(&window, "Main"));
    EXPECT_EQ(m_skin.skinFormOfWindow(&window), nullptr);
}

TEST_F(SkinEngineTest, ApplyingGivesTheWindowTheFormAndItsSize)
{
    ASSERT_TRUE(loadText(kTestSkin));
    QWidget window;
    ASSERT_TRUE(m_skin.applySkinForm(&window, "other"));
    SkinForm *form = m_skin.skinFormOfWindow(&window);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->name(), "other");
    EXPECT_EQ(form->window(), &window);
    EXPECT_EQ(window.size(), QSize(200, 100));
}

TEST_F(SkinEngineTest, WindowsGetTheirOwnCopies)
{
    ASSERT_TRUE(loadText(kTestSkin));
    QWidget first, second;
    ASSERT_TRUE(m_skin.applySkinForm(&first, "main"));
    ASSERT_TRUE(m_skin.applySkinForm(&second, "main"));
    SkinObject *firstLabel = TSkin::findObject(m_skin.skinFormOfWindow(&first), "label");
    SkinObject *secondLabel = TSkin::findObject(m_skin.skinFormOfWindow(&second), "label");
    ASSERT_NE(firstLabel, nullptr);
    ASSERT_NE(secondLabel, nullptr);

    firstLabel->textFacet()->setText("Changed");
    firstLabel->commonFacet()->setState(false);

    EXPECT_EQ(secondLabel->textFacet()->text(), "Hello");
    EXPECT_TRUE(secondLabel->commonFacet()->state());
    QWidget third;
    ASSERT_TRUE(m_skin.applySkinForm(&third, "main"));
    EXPECT_EQ(TSkin::findObject(m_skin.skinFormOfWindow(&third), "label")->text(), "Hello");
}

TEST_F(SkinEngineTest, EngineGoingFirstTakesItsSurfaceAlong)
{
    QWidget window;
    auto skin = std::make_unique<TSkin>();
    ASSERT_TRUE(skin->loadSkin(writeFile("test.skn", kTestSkin)));
    skin->attach(&window);
    ASSERT_TRUE(skin->applySkinForm(&window, "main"));
    ASSERT_NE(window.findChild<SkinSurface *>(), nullptr);
    skin.reset();
    EXPECT_EQ(window.findChild<SkinSurface *>(), nullptr);
}

TEST_F(SkinEngineTest, AttachingTwiceKeepsOneSurface)
{
    QWidget window;
    m_skin.attach(&window);
    m_skin.attach(&window);
    EXPECT_EQ(window.findChildren<SkinSurface *>().size(), 1);
}

struct Lookup {
    const char *name;
    bool found;
};

void PrintTo(const Lookup &c, std::ostream *out)
{
    *out << "'" << c.name << "'";
}

class SkinFindObject : public SkinWindowTest, public ::testing::WithParamInterface<Lookup> {};

TEST_P(SkinFindObject, FindsExactNamesOnly)
{
    SkinObject *found = TSkin::findObject(form(), GetParam().name);
    EXPECT_EQ(found != nullptr, GetParam().found);
    if (found) {
        EXPECT_EQ(found->name(), GetParam().name);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SkinFindObject,
                         ::testing::Values(Lookup{"ok", true}, Lookup{"level", true}, Lookup{"OK", false},
                                           Lookup{"Level", false}, Lookup{"nothing", false}, Lookup{"", false}));

TEST(SkinFindObjectWithoutForm, GivesNothing)
{
    EXPECT_EQ(TSkin::findObject(nullptr, "ok"), nullptr);
}

struct Facets {
    const char *name;
    bool text;
    bool slider;
};

void PrintTo(const Facets &c, std::ostream *out)
{
    *out << c.name;
}

class SkinFacets : public SkinWindowTest, public ::testing::WithParamInterface<Facets> {};

TEST_P(SkinFacets, FollowTheKind)
{
    SkinObject *found = object(GetParam().name);
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found->commonFacet(), nullptr);
    EXPECT_EQ(found->textFacet() != nullptr, GetParam().text);
    EXPECT_EQ(found->sliderFacet() != nullptr, GetParam().slider);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinFacets,
                         ::testing::Values(Facets{"ok", true, false}, Facets{"label", true, false},
                                           Facets{"picture", false, false}, Facets{"seek", false, true},
                                           Facets{"level", false, false}, Facets{"box", false, false}));

struct Clamp {
    qint32 requested;
    qint32 kept;
};

void PrintTo(const Clamp &c, std::ostream *out)
{
    *out << c.requested << " -> " << c.kept;
}

class SkinSliderPosition : public SkinWindowTest, public ::testing::WithParamInterface<Clamp> {};

TEST_P(SkinSliderPosition, StaysWithinRange)
{
    ISkinSlider *slider = object("seek")->sliderFacet();
    slider->setPosition(GetParam().requested);
    EXPECT_EQ(slider->position(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinSliderPosition,
                         ::testing::Values(Clamp{-5, 0}, Clamp{0, 0}, Clamp{4321, 4321}, Clamp{10000, 10000},
                                           Clamp{12000, 10000}));

} // namespace
