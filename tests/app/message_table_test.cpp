// Messages and hover hints from language.info, on the shipped skin's hint
// line, with boxes answered by a recording prompt.

#include "engine/busy_state.h"
#include "media_fixtures.h"
#include "platform/skin/skin.h"
#include "recording_prompts.h"
#include "ui_text/message_table.h"

#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

using namespace veltrix::test;
using Kind = RecordingPrompts::Kind;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// A file of `count` lines "line 1", "line 2", ..., ended by `ending`.
std::string numberedLines(int count, const std::string &ending)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + ending;
    return text;
}

class MessageTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skin.loadSkin(VELTRIX_BIN_DIR "/skn.skn")) << skin.errorText().toStdString();
        skin.attach(&window);
        ASSERT_TRUE(skin.applySkinForm(&window, "popvideoconverter"));
        hint = TSkin::findObject(skin.skinFormOfWindow(&window), "hint");
        ASSERT_NE(hint, nullptr);
        messages.setHintObject(hint);
        messages.setEditionBaseName("MyConv");
    }

    void writeMessages(const std::string &contents) { writeFile(dir.file("language.info"), contents); }
    QString hintText() const { return hint->textFacet()->text(); }

    TempDir dir;
    TSkin skin;
    QWidget window;
    SkinObject *hint = nullptr;
    RecordingPrompts prompts;
    BusyState busy;
    MessageTable messages{q(dir.path()), prompts, busy};
};

TEST(MessageLine, TakesWholeLinesWithEitherLineEnd)
{
    struct Case {
        QByteArray contents;
        int n;
        const char *line;
    } const cases[] = {
        {"one\r\ntwo\r\nthree\r\n", 2, "two"},
        {"one\ntwo\nthree\n", 3, "three"},
        {"one\r\n  two  \r\n", 2, "  two  "}, // blanks are part of the line
        {"one\ntwo", 2, "two"},               // a last line without its end
        {"one\n\nthree\n", 2, ""},
        {"one\ntwo\n", 3, ""}, // beyond the end
        {"one\n", 0, ""},
        {"", 1, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(messageLine(c.contents, c.n), c.line) << c.contents.toStdString() << " #" << c.n;
}

TEST(HintNumbers, NamedObjectsHaveTheirOwnHintAndAllOthersTheEditionHint)
{
    struct Case {
        const char *object;
        int number;
    } const cases[] = {
        {"dvdopen", 1},       {"ifoopen", 2},     {"profiles", 3},       {"profilestext", 3},
        {"audio", 4},         {"subtitle", 5},    {"video_size", 6},     {"video_quality", 7},
        {"audio_quality", 8}, {"channels", 9},    {"play", 10},          {"pause", 11},
        {"stopplay", 12},     {"play_bar", 13},   {"play_time", 14},     {"chapter", 15},
        {"cutter", 16},       {"converter", 17},  {"stopconverter", 18}, {"browse", 19},
        {"open", 20},         {"openfolder", 21}, {"openfiles", 22},     {"remove", 23},
        {"clear", 24},        {"convertpos", 25}, {"Clear", 25},         {"", 25},
    };
    for (const Case &c : cases)
        EXPECT_EQ(hintNumberFor(c.object), c.number) << c.object;
}

TEST_F(MessageTableTest, TwentyFourLineFile)
{
    writeMessages(numberedLines(24, "\r\n"));
    messages.showHint(hintNumberFor("clear"));
    EXPECT_EQ(hintText(), "line 24");
    messages.showHint(hintNumberFor("an object without a hint"));
    EXPECT_EQ(hintText(), " MyConv.");
    messages.warning(26);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Warning);
    EXPECT_EQ(prompts.shown[0].text, "");
}

TEST_F(MessageTableTest, EditionHintEndsWithTheBaseName)
{
    writeMessages(numberedLines(24, "\n") + "Welcome to\n");
    messages.showHint(25);
    EXPECT_EQ(hintText(), "Welcome to MyConv.");
    messages.showHint(3);
    EXPECT_EQ(hintText(), "line 3");
}

TEST_F(MessageTableTest, BoxesShowTheirLineAndQuestionsPassTheAnswerOn)
{
    writeMessages(numberedLines(37, "\r\n"));
    messages.information(30);
    prompts.answerYes = false;
    EXPECT_FALSE(messages.question(29));
    prompts.answerYes = true;
    EXPECT_TRUE(messages.question(29));
    EXPECT_EQ(messages.text(37), "line 37");
    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Information);
    EXPECT_EQ(prompts.shown[0].text, "line 30");
    EXPECT_EQ(prompts.shown[1].kind, Kind::Question);
    EXPECT_EQ(prompts.shown[1].text, "line 29");
}

TEST_F(MessageTableTest, TheFileIsReadAnewAtEveryLookup)
{
    writeMessages("first\n");
    messages.showHint(1);
    EXPECT_EQ(hintText(), "first");
    writeMessages("second\n");
    messages.showHint(1);
    EXPECT_EQ(hintText(), "second");
}

TEST_F(MessageTableTest, DuringABatchTheHintIsFrozenButBoxesKeepTheirText)
{
    writeMessages(numberedLines(37, "\n"));
    messages.showHint(hintNumberFor("converter"));
    busy.set(Busy::Converting, true);
    for (const char *object : {"clear", "remove", "play", "anything"})
        messages.showHint(hintNumberFor(object));
    EXPECT_EQ(hintText(), "line 17");
    messages.information(30);
    messages.warning(26);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "line 30");
    EXPECT_EQ(prompts.shown[1].text, "line 26");
}

TEST_F(MessageTableTest, AMissingFileIsExplainedAndTheCommandStops)
{
    messages.showHint(5);
    EXPECT_TRUE(hintText().contains("language.info")) << hintText().toStdString();
    EXPECT_TRUE(prompts.shown.empty()); // a hover never pops up a box

    prompts.answerYes = true;
    EXPECT_FALSE(messages.question(29));
    EXPECT_EQ(messages.text(37), std::nullopt);
    ASSERT_EQ(prompts.shown.size(), 2u);
    for (const auto &shown : prompts.shown) {
        EXPECT_EQ(shown.kind, Kind::Warning);
        EXPECT_TRUE(shown.text.contains("language.info"));
        EXPECT_TRUE(shown.text.contains(q(dir.path())));
        EXPECT_TRUE(shown.text.contains("Reinstall"));
    }
}

TEST(ShippedMessages, HoldEveryNumberedMessage)
{
    QFile file(VELTRIX_BIN_DIR "/language.info");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    EXPECT_EQ(contents.count('\n'), 37);
    for (int n = 1; n <= 37; ++n) {
        const bool unused = n == 35 || n == 36;
        EXPECT_EQ(messageLine(contents, n).isEmpty(), unused) << "message " << n;
    }
}

} // namespace
