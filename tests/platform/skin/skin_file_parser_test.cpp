#include "platform/skin/skin.h"
#include "platform/skin/skin_file_parser.h"

#include <gtest/gtest.h>

namespace {

const char kFileName[] = "skins/test.skn";

const char kTwoForms[] = R"(# A form with every kind of object, and a small second form.
form first
    size 300 200
    background #101010 #202020
    picture back.png

object frame panel
    rect 0 0 300 200
    fill #333333
    border #444444
    radius 6
object logo image
    rect 10 10 42 42
    picture logo.png
    hoverpicture logo-hot.png
object go button
    rect 50 10 150 40
    fill #2060ff #1040c0
    hover #3070ff
    pressed #1030a0
    textcolor white
    font DejaVu Sans 13 bold
    text "Go now"
    state off
object caption text
    rect 10 50 290 70
    textcolor #e0e0e0
    font 12
    align right bottom
    text   Track #1 of 2
object progress bar
    rect 10 80 10 92
    fill #40a0ff #2080e0
object seek slider
    rect 10 100 290 116
    fill #222222 #40a0ff
    thumb #ffffff
    hover #eeeeee
    position 2500
    visible off

form second
    size 100 50
object only text
    rect 0 0 100 50
)";

struct ExpectedObject {
    const char *name;
    SkinKind kind;
    SkinRect rect;
};

TEST(SkinFileParser, ReadsFormsAndObjectsInOrder)
{
    const SkinParseResult result = parseSkinFile(kTwoForms, kFileName);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.forms.size(), 2u);
    EXPECT_EQ(result.forms[0]->name(), "first");
    EXPECT_EQ(result.forms[1]->name(), "second");

    const ExpectedObject expected[] = {
        {"frame", SkinKind::Panel, {0, 0, 300, 200}},  {"logo", SkinKind::Image, {10, 10, 42, 42}},
        {"go", SkinKind::Button, {50, 10, 150, 40}},   {"caption", SkinKind::Text, {10, 50, 290, 70}},
        {"progress", SkinKind::Bar, {10, 80, 10, 92}}, {"seek", SkinKind::Slider, {10, 100, 290, 116}},
    };
    const auto &objects = result.forms[0]->objects();
    ASSERT_EQ(objects.size(), std::size(expected));
    for (size_t i = 0; i < objects.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(objects[i]->name(), expected[i].name);
        EXPECT_EQ(objects[i]->kind(), expected[i].kind);
        EXPECT_EQ(objects[i]->rect(), expected[i].rect);
    }
    ASSERT_EQ(result.forms[1]->objects().size(), 1u);
    EXPECT_EQ(result.forms[1]->objects()[0]->name(), "only");
}

TEST(SkinFileParser, ReadsInitialStateOfObjects)
{
    const SkinParseResult result = parseSkinFile(kTwoForms, kFileName);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const SkinForm &form = *result.forms[0];

    EXPECT_EQ(form.findObject("go")->text(), "Go now");
    EXPECT_FALSE(form.findObject("go")->state());
    EXPECT_EQ(form.findObject("caption")->text(), "Track #1 of 2");
    EXPECT_TRUE(form.findObject("caption")->state());
    EXPECT_EQ(form.findObject("seek")->position(), 2500);
}

TEST(SkinFileParser, AcceptsWindowsLineEndings)
{
    const QString text = QString::fromUtf8(kTwoForms).replace("\n", "\r\n");
    const SkinParseResult result = parseSkinFile(text, kFileName);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.forms.size(), 2u);
    EXPECT_EQ(result.forms[0]->findObject("caption")->text(), "Track #1 of 2");
}

TEST(SkinFileParser, AcceptsEdgesAtTheLimits)
{
    const SkinParseResult result =
        parseSkinFile("form a\n size 100000 100000\nobject x panel\n rect -100000 -100000 100000 100000\n"
                      " radius 100000\n",
                      kFileName);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const SkinObject &object = *result.forms[0]->objects()[0];
    EXPECT_EQ(object.qrect().width(), 200000);
    EXPECT_EQ(object.qrect().height(), 200000);
}

struct BadSkin {
    const char *what;
    const char *text;
    int line;
    const char *complaint;
};

void PrintTo(const BadSkin &c, std::ostream *out)
{
    *out << c.what;
}

class SkinFileParserErrors : public ::testing::TestWithParam<BadSkin> {};

TEST_P(SkinFileParserErrors, NameFileLineAndProblem)
{
    const BadSkin &bad = GetParam();
    const SkinParseResult result = parseSkinFile(bad.text, kFileName);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.forms.empty());
    const QString prefix = QStringLiteral("%1:%2: ").arg(kFileName).arg(bad.line);
    EXPECT_TRUE(result.error.startsWith(prefix)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(bad.complaint)) << result.error.toStdString();
}

const BadSkin kBadSkins[] = {
    {"UnknownKind", "form a\n size 10 10\nobject x gadget\n rect 0 0 1 1\n", 3, "unknown object kind 'gadget'"},
    {"RectWithThreeNumbers", "form a\n size 10 10\nobject x panel\n rect 0 0 1\n", 4, "expected 4 whole numbers"},
    {"RectWithWord", "form a\n size 10 10\nobject x panel\n rect 0 0 wide 1\n", 4, "expected 4 whole numbers"},
    {"AnchorToNoEdge", "form a\n size 10 10\nobject x panel\n anchor middle\n", 4, "expected anchor EDGE"},
    {"RectInsideOut", "form a\n size 10 10\nobject x panel\n rect 5 0 1 1\n", 4, "right/bottom"},
    {"UnknownObjectKey", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n colour #fff\n", 5,
     "unknown object key 'colour'"},
    {"UnknownFormKey", "form a\n sise 10 10\n", 2, "unknown form key 'sise'"},
    {"FormKeyAfterObjects", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n size 5 5\n", 5,
     "unknown object key 'size'"},
    {"ObjectBeforeAnyForm", "# no form yet\nobject x panel\n rect 0 0 1 1\n", 2, "object before any form"},
    {"KeyBeforeAnyForm", "size 10 10\n", 1, "before any form"},
    {"DuplicateFormName", "form a\n size 10 10\n\nform a\n size 10 10\n", 4, "form 'a' is declared twice"},
    {"DuplicateObjectName", "form a\n size 9 9\nobject x panel\n rect 0 0 1 1\nobject x text\n", 5,
     "object 'x' is declared twice"},
    {"BadColour", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n fill #ggg\n", 5, "'#ggg' is not a colour"},
    {"TextOnPanel", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n text hi\n", 5, "carry text"},
    {"PositionOnButton", "form a\n size 10 10\nobject x button\n rect 0 0 1 1\n position 5\n", 5, "only sliders"},
    {"PositionOutOfRange", "form a\n size 10 10\nobject x slider\n rect 0 0 1 1\n position 10001\n", 5, "0..10000"},
    {"BadSwitch", "form a\n size 10 10\nobject x button\n rect 0 0 1 1\n state maybe\n", 5, "on or off"},
    {"FontWithoutSize", "form a\n size 10 10\nobject x text\n rect 0 0 1 1\n font Sans bold\n", 5,
     "[family] size [bold]"},
    {"UnknownAlignment", "form a\n size 10 10\nobject x text\n rect 0 0 1 1\n align middle\n", 5,
     "unknown alignment 'middle'"},
    {"FormWithoutSize", "form a\n background #000\nobject x panel\n rect 0 0 1 1\n", 1, "form 'a' has no size"},
    {"LastObjectWithoutRect", "form a\n size 10 10\nobject x panel\n fill #000\n", 3, "object 'x' has no rect"},
    {"EmptySize", "form a\n size 0 10\n", 2, "size must be positive"},
    // Numbers that would overflow the edge and width arithmetic of a rect.
    {"RectAtTheIntLimits", "form a\n size 10 10\nobject x panel\n rect -2147483648 0 2147483647 5\n", 4,
     "rect edges must lie in -100000..100000"},
    {"RectJustBeyondTheLimit", "form a\n size 10 10\nobject x bar\n rect 0 -100001 1 1\n", 4,
     "rect edges must lie in -100000..100000"},
    {"SizeBeyondTheLimit", "form a\n size 100001 10\n", 2, "size must be at most 100000"},
    {"HugeRadius", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n radius 2147483647\n", 5,
     "radius must lie in 0..100000"},
    {"NegativeRadius", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n radius -1\n", 5,
     "radius must lie in 0..100000"},
    {"AccessKeyOnPanel", "form a\n size 10 10\nobject x panel\n rect 0 0 1 1\n accesskey F\n", 5, "access key"},
    {"AccessKeyOfTwoLetters", "form a\n size 10 10\nobject x text\n rect 0 0 1 1\n accesskey Fi\n", 5,
     "expected accesskey LETTER"},
};

INSTANTIATE_TEST_SUITE_P(Table, SkinFileParserErrors, ::testing::ValuesIn(kBadSkins),
                         [](const auto &info) { return std::string(info.param.what); });

} // namespace
