#include "platform/skin/skin.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct ShippedObject {
    const char *name;
    SkinKind kind;
};

// The objects the converter window places its controls on and updates.
const ShippedObject kMainWindowObjects[] = {
    {"title", SkinKind::Text},      {"listarea", SkinKind::Panel}, {"addfile", SkinKind::Button},
    {"convert", SkinKind::Button},  {"stop", SkinKind::Button},    {"status", SkinKind::Text},
    {"convertback", SkinKind::Panel}, {"convertpos", SkinKind::Bar}, {"hint", SkinKind::Text},
};

class ShippedSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_skin.loadSkin(VELTRIX_SHIPPED_SKIN)) << m_skin.errorText().toStdString();
        ASSERT_TRUE(m_skin.applySkinForm(&m_window, "popvideoconverter"));
        m_form = m_skin.skinFormOfWindow(&m_window);
    }

    TSkin m_skin;
    QWidget m_window;
    SkinForm *m_form = nullptr;
};

TEST_F(ShippedSkin, MainWindowFormHasItsSize)
{
    EXPECT_EQ(m_window.size(), QSize(781, 558));
}

TEST_F(ShippedSkin, MainWindowFormHasTheProgramsObjects)
{
    for (const ShippedObject &expected : kMainWindowObjects) {
        SCOPED_TRACE(expected.name);
        SkinObject *found = TSkin::findObject(m_form, expected.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->kind(), expected.kind);
    }
}

TEST_F(ShippedSkin, MainWindowTextsAndProgressBar)
{
    EXPECT_EQ(TSkin::findObject(m_form, "title")->text(), "Veltrix Video Converter");
    EXPECT_EQ(TSkin::findObject(m_form, "addfile")->text(), "Add File...");
    EXPECT_EQ(TSkin::findObject(m_form, "convert")->text(), "Convert to MP3");
    EXPECT_EQ(TSkin::findObject(m_form, "stop")->text(), "Stop");
    EXPECT_EQ(TSkin::findObject(m_form, "convertpos")->rect(), (SkinRect{33, 510, 748, 522}));
}

}  // namespace
