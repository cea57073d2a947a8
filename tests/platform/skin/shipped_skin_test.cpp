#include "platform/skin/skin.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <span>

namespace {

struct ShippedObject {
    const char *name;
    SkinKind kind;
};

// The objects of the main window that the program routes, hints and writes.
const ShippedObject kMainWindowObjects[] = {
    {"profiles", SkinKind::Button},
    {"openfiles", SkinKind::Button},
    {"chapter", SkinKind::Button},
    {"ifoopen", SkinKind::Button},
    {"dvdopen", SkinKind::Button},
    {"openfolder", SkinKind::Button},
    {"converter", SkinKind::Button},
    {"remove", SkinKind::Button},
    {"clear", SkinKind::Button},
    {"stopconverter", SkinKind::Button},
    {"browse", SkinKind::Button},
    {"open", SkinKind::Button},
    {"help", SkinKind::Button},
    {"file", SkinKind::Button},
    {"dvdfile", SkinKind::Button},
    {"register", SkinKind::Button},
    {"play", SkinKind::Button},
    {"pause", SkinKind::Image},
    {"settings", SkinKind::Button},
    {"cutter", SkinKind::Button},
    {"purchase", SkinKind::Button},
    {"stopplay", SkinKind::Button},
    {"audio", SkinKind::Text},
    {"subtitle", SkinKind::Text},
    {"video_size", SkinKind::Image},
    {"video_quality", SkinKind::Image},
    {"audio_quality", SkinKind::Image},
    {"channels", SkinKind::Image},
    {"profilestext", SkinKind::Text},
    {"play_time", SkinKind::Text},
    {"hint", SkinKind::Text},
    {"play_bar", SkinKind::Slider},
    {"di", SkinKind::Text},
    {"alltime", SkinKind::Text},
    {"playpos", SkinKind::Bar},
    {"convertpos", SkinKind::Bar},
};

// The objects of the clip cutter window.
const ShippedObject kCutterObjects[] = {
    {"cutclose", SkinKind::Button},   {"begin", SkinKind::Button},       {"end", SkinKind::Button},
    {"hou", SkinKind::Image},         {"qian", SkinKind::Image},         {"play", SkinKind::Image},
    {"stop", SkinKind::Image},        {"pause", SkinKind::Image},        {"cut_begin_time", SkinKind::Text},
    {"cut_end_time", SkinKind::Text}, {"cut_play_time", SkinKind::Text}, {"cut_play_bar", SkinKind::Slider},
    {"cutplaypos", SkinKind::Bar},
};

// The fill bars and their full widths.
struct ShippedBar {
    const char *form;
    const char *name;
    qint32 width;
};
const ShippedBar kBars[] = {
    {"popvideoconverter", "convertpos", 715},
    {"popvideoconverter", "playpos", 210},
    {"cutter", "cutplaypos", 294},
};

class ShippedSkin : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_skin.loadSkin(VELTRIX_SHIPPED_SKIN)) << m_skin.errorText().toStdString(); }

    SkinForm *apply(QWidget &window, const char *form)
    {
        EXPECT_TRUE(m_skin.applySkinForm(&window, QString::fromLatin1(form)));
        return m_skin.skinFormOfWindow(&window);
    }

    TSkin m_skin;
};

void expectObjects(SkinForm *form, std::span<const ShippedObject> objects)
{
    for (const ShippedObject &expected : objects) {
        SCOPED_TRACE(expected.name);
        SkinObject *found = TSkin::findObject(form, QString::fromLatin1(expected.name));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->kind(), expected.kind);
    }
}

TEST_F(ShippedSkin, MainWindowFormHasItsSize)
{
    QWidget window;
    apply(window, "popvideoconverter");
    EXPECT_EQ(window.size(), QSize(781, 558));
}

TEST_F(ShippedSkin, MainWindowFormHasTheProgramsObjects)
{
    QWidget window;
    expectObjects(apply(window, "popvideoconverter"), kMainWindowObjects);
}

TEST_F(ShippedSkin, CutterFormHasTheProgramsObjects)
{
    QWidget window;
    expectObjects(apply(window, "cutter"), kCutterObjects);
}

TEST_F(ShippedSkin, FillBarsSpanTheirFullWidth)
{
    for (const ShippedBar &bar : kBars) {
        SCOPED_TRACE(bar.name);
        QWidget window;
        const SkinObject *found = TSkin::findObject(apply(window, bar.form), QString::fromLatin1(bar.name));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->rect().right - found->rect().left, bar.width);
    }
}

// The sliders are offered only while a preview plays; "di" is never shown.
TEST_F(ShippedSkin, SlidersStartDisabled)
{
    QWidget main, cutter;
    EXPECT_FALSE(TSkin::findObject(apply(main, "popvideoconverter"), "play_bar")->state());
    EXPECT_FALSE(TSkin::findObject(apply(cutter, "cutter"), "cut_play_bar")->state());
}

} // namespace
