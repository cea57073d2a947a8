// Every colour pair the program draws one thing on another with reads at
// least 4.5:1 for text and 3:1 for outlines, marks and handles.

#include "ui_look/contrast.h"
#include "ui_look/look.h"
#include "ui_look/palette.h"

#include <QPalette>
#include <gtest/gtest.h>

namespace {

TEST(ContrastRatio, MatchesTheGuidelinesReferenceValues)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x59, 0x59, 0x59), Qt::white), 7.0, 0.01);
    EXPECT_DOUBLE_EQ(contrastRatio(palette::accent, palette::accent), 1.0);
}

struct RolePair {
    const char *what;
    QPalette::ColorRole foreground;
    QPalette::ColorRole background;
    double least;
};

const RolePair kRolePairs[] = {
    {"window text", QPalette::WindowText, QPalette::Window, kTextContrast},
    {"field text", QPalette::Text, QPalette::Base, kTextContrast},
    {"alternate row text", QPalette::Text, QPalette::AlternateBase, kTextContrast},
    {"button text", QPalette::ButtonText, QPalette::Button, kTextContrast},
    {"selected text", QPalette::HighlightedText, QPalette::Highlight, kTextContrast},
    {"placeholder", QPalette::PlaceholderText, QPalette::Base, kTextContrast},
    {"tool tip", QPalette::ToolTipText, QPalette::ToolTipBase, kTextContrast},
    {"link on window", QPalette::Link, QPalette::Window, kTextContrast},
    {"link in field", QPalette::Link, QPalette::Base, kTextContrast},
    {"outline on window", QPalette::Mid, QPalette::Window, kNonTextContrast},
    {"outline on field", QPalette::Mid, QPalette::Base, kNonTextContrast},
    {"check mark", QPalette::HighlightedText, QPalette::Highlight, kNonTextContrast},
};

struct NamedPalette {
    const char *name;
    QPalette (*make)();
};

void PrintTo(const NamedPalette &named, std::ostream *out)
{
    *out << named.name;
}

class PaletteContrast : public ::testing::TestWithParam<NamedPalette> {};

TEST_P(PaletteContrast, EveryRolePairReadsInEveryGroup)
{
    const QPalette colours = GetParam().make();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const RolePair &pair : kRolePairs) {
            const QColor fore = colours.color(group, pair.foreground);
            const QColor back = colours.color(group, pair.background);
            EXPECT_GE(contrastRatio(fore, back), pair.least)
                << pair.what << " in group " << group << ": " << fore.name().toStdString() << " on "
                << back.name().toStdString();
        }
    }
}

// A selected row and a checked box stand out from the field they lie on.
TEST_P(PaletteContrast, SelectionStandsOutFromTheField)
{
    const QPalette colours = GetParam().make();
    EXPECT_GE(contrastRatio(colours.color(QPalette::Active, QPalette::Highlight),
                            colours.color(QPalette::Active, QPalette::Base)),
              kNonTextContrast);
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteContrast,
                         ::testing::Values(NamedPalette{"dark", &darkPalette},
                                           NamedPalette{"properties", &propertiesPalette}),
                         [](const ::testing::TestParamInfo<NamedPalette> &info) { return info.param.name; });

// What the window's pictures draw on what.
struct DrawnPair {
    const char *what;
    QColor foreground;
    QColor background;
    double least;
};

const DrawnPair kDrawnPairs[] = {
    {"tool caption", palette::text, palette::toolbar, kTextContrast},
    {"tool glyph", palette::accent, palette::toolbar, kNonTextContrast},
    {"tool caption under the pointer", palette::onAccent, palette::raised, kTextContrast},
    {"tool caption held down", palette::onAccent, palette::sunken, kTextContrast},
    {"player glyph", palette::text, palette::previewArea, kNonTextContrast},
    {"Start caption, top", palette::onAccent, palette::accentStrong, kTextContrast},
    {"Start caption, bottom", palette::onAccent, palette::accentDark, kTextContrast},
    {"Stop caption, top", palette::onAccent, palette::danger, kTextContrast},
    {"Stop caption, bottom", palette::onAccent, palette::dangerDark, kTextContrast},
    {"About us", palette::mutedText, palette::menuRow, kTextContrast},
    {"About us under the pointer", palette::accent, palette::menuRow, kTextContrast},
    {"profile name", palette::text, palette::picker, kTextContrast},
    {"profile badge", palette::accentText, palette::raised, kTextContrast},
    {"pointed-at profile, top", palette::onAccent, palette::accentStrong, kTextContrast},
    {"page strip caption", palette::mutedText, palette::picker, kTextContrast},
    {"page switch caption", palette::accentText, palette::raised, kTextContrast},
    {"page switch outline", palette::controlBorder, palette::picker, kNonTextContrast},
    {"category entry", palette::text, palette::picker, kTextContrast},
    {"category shown", palette::onAccent, palette::accentDark, kTextContrast},
    {"quality rail caption", palette::mutedText, palette::previewArea, kTextContrast},
    {"quality rail glyph", palette::accent, palette::previewArea, kNonTextContrast},
    {"profile icon glyph", palette::onAccent, palette::accentStrong, kNonTextContrast},
    {"banner", palette::text, palette::titleBar, kTextContrast},
};

TEST(PictureContrast, EveryDrawnPairReads)
{
    for (const DrawnPair &pair : kDrawnPairs)
        EXPECT_GE(contrastRatio(pair.foreground, pair.background), pair.least)
            << pair.what << ": " << pair.foreground.name().toStdString() << " on "
            << pair.background.name().toStdString();
}

} // namespace
