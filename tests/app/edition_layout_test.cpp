#include "app/edition_layout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char *label;
    bool dvd;
    bool zuvok;
    QPoint output;
    std::optional<int> outputWidth;
    QPoint iconPanel;
    QPoint profilePanels;
    QPoint play;
    std::optional<QSize> playSize;
    QRect list;
    bool titleAndChecks;
    std::optional<SpanPlace> audio;
    std::optional<SpanPlace> subtitle;
    bool buttonsMoved;
    bool previewHidden;
    bool skinPreviewAndDvdHidden;
};

const LayoutCase kLayouts[] = {
    {"file mode, zuvok",
     false,
     true,
     {94, 483},
     std::nullopt,
     {96, 451},
     {241, 90},
     {546, 296},
     std::nullopt,
     {8, 121, 509, 316},
     false,
     std::nullopt,
     std::nullopt,
     false,
     true,
     true},
    {"file mode, other",
     false,
     false,
     {96, 479},
     210,
     {97, 449},
     {247, 90},
     {482, 111},
     QSize(233, 174),
     {7, 101, 718, 327},
     true,
     std::nullopt,
     std::nullopt,
     true,
     true,
     false},
    {"DVD mode, zuvok",
     true,
     true,
     {94, 483},
     std::nullopt,
     {96, 429},
     {243, 71},
     {546, 296},
     std::nullopt,
     {8, 121, 509, 298},
     true,
     SpanPlace{{90, 453}, 177},
     SpanPlace{{336, 453}, 177},
     false,
     false,
     false},
    {"DVD mode, other",
     true,
     false,
     {96, 479},
     210,
     {97, 449},
     {247, 90},
     {482, 111},
     QSize(233, 174),
     {7, 101, 462, 327},
     true,
     SpanPlace{{516, 59}, 75},
     SpanPlace{{642, 59}, 75},
     true,
     false,
     false},
};

TEST(EditionLayout, FourLayouts)
{
    for (const LayoutCase &c : kLayouts) {
        SCOPED_TRACE(c.label);
        const EditionLayout layout = editionLayout(c.dvd, c.zuvok);
        EXPECT_EQ(layout.outputTopLeft, c.output);
        EXPECT_EQ(layout.outputWidth, c.outputWidth);
        EXPECT_EQ(layout.iconPanelTopLeft, c.iconPanel);
        EXPECT_EQ(layout.profilePanelsTopLeft, c.profilePanels);
        EXPECT_EQ(layout.playTopLeft, c.play);
        EXPECT_EQ(layout.playSize, c.playSize);
        EXPECT_EQ(layout.list, c.list);
        EXPECT_EQ(layout.titleColumnAndCheckBoxes, c.titleAndChecks);
        EXPECT_EQ(layout.audioTracks, c.audio);
        EXPECT_EQ(layout.subtitleTracks, c.subtitle);
        EXPECT_EQ(!layout.buttonPlaces.empty(), c.buttonsMoved);
        EXPECT_EQ(layout.previewButtonsHidden, c.previewHidden);
        EXPECT_EQ(layout.hiddenSkinObjects == kPreviewAndDvdSkinObjects, c.skinPreviewAndDvdHidden);
    }
}

struct ButtonCase {
    const char *name;
    QPoint file;
    QPoint dvd;
};

const ButtonCase kButtons[] = {
    {"bt_dvdopen", {6, 51}, {4, 51}},     {"bt_ifo", {73, 51}, {73, 51}},
    {"bt_remove", {147, 51}, {147, 51}},  {"bt_clear", {223, 51}, {223, 51}},
    {"bt_chapte", {298, 51}, {298, 51}},  {"bt_set", {375, 51}, {375, 51}},
    {"bt_back", {477, 371}, {477, 371}},  {"bt_play", {518, 371}, {518, 371}},
    {"bt_next", {559, 371}, {559, 371}},  {"bt_playstop", {601, 371}, {601, 371}},
    {"bt_cut", {643, 371}, {643, 371}},   {"bt_images", {684, 371}, {684, 371}},
    {"bt_start", {500, 443}, {500, 443}}, {"Bt_Convertstop", {500, 443}, {500, 443}},
    {"bt_web", {677, 31}, {677, 31}},
};

QPoint placeOf(const EditionLayout &layout, const QString &name)
{
    for (const ControlPlace &place : layout.buttonPlaces)
        if (place.name == name)
            return place.topLeft;
    ADD_FAILURE() << "no place for " << name.toStdString();
    return {};
}

TEST(EditionLayout, ImageButtonPlacesOutsideZuvok)
{
    const EditionLayout file = editionLayout(false, false);
    const EditionLayout dvd = editionLayout(true, false);
    EXPECT_EQ(file.buttonPlaces.size(), std::size(kButtons));
    for (const ButtonCase &c : kButtons) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placeOf(file, c.name), c.file);
        EXPECT_EQ(placeOf(dvd, c.name), c.dvd);
    }
}

} // namespace
