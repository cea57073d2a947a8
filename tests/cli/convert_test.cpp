// veltrix-convert as a script runs it: real media, the real encoder, exit
// statuses, and the user's settings left as they were.

#include "dvd_fixture.h"
#include "dvd_media_checks.h"
#include "media_fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

using namespace veltrix::test;
namespace fs = std::filesystem;

class ConvertTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_state.path().c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_STATE_HOME");
    }
    ProcessResult convert(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), VELTRIX_BIN_DIR "/veltrix-convert");
        return runProcess(arguments);
    }
    TempDir m_settings, m_state, m_media, m_output;
};

TEST_F(ConvertTest, AUsageErrorSaysWhatIsWrongAndEndsWithTwo)
{
    const std::string text = m_media.file("notes.txt");
    writeFile(text, "not media");
    const struct {
        std::vector<std::string> arguments;
        const char *says;
    } cases[] = {
        {{"--bogus", text}, "Unknown option 'bogus'"},
        {{}, "Nothing to convert"},
        {{"--profile", "mp4", text}, "   5  MP4-MPEG-4 AVC Video(*.mp4)"}, // an ambiguous name lists its matches
        {{"--profile", "999", text}, "No profile has the id 999"},
        {{"--edition", "audio", "--profile", "5", text}, "No profile has the id 5"},
        {{"--profile", "17", "--audio-quality", "loud", text}, "has no entry \"loud\"; its entries:\n   1  "},
        {{"--jobs", "0", text}, "--jobs takes a number"},
        {{"--list", text, "--shard", "4/3"}, "cannot be run: it is not readable JSON"},
        {{"--collect", text}, "cannot be run"},
        {{"--shard", "1/2", text}, "give it with --list"},
        {{"--start", "1:2", text}, "--start takes a time as HH:MM:SS"},
        {{text}, "Nothing to convert: none of the files"},
    };
    for (const auto &c : cases) {
        const ProcessResult result = convert(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.says;
        EXPECT_NE(result.output.find(c.says), std::string::npos) << result.output;
    }
    EXPECT_TRUE(fs::is_empty(m_settings.path())) << "the command line never writes the settings";
}

TEST_F(ConvertTest, ConvertsWhatItCanReportsEachJobAndFailsWithOne)
{
    const std::string sound = m_media.file("tone.wav"), silentFilm = m_media.file("film.mp4");
    generateMedia("-f lavfi -i sine=frequency=440:duration=3", sound);
    generateMedia("-f lavfi -i testsrc=size=160x120:duration=2 -pix_fmt yuv420p", silentFilm);
    // A cut of 1.5 s from the second second on.
    const ProcessResult result =
        convert({"--json", "--profile", "mp3-mpeg layer-3audio(*.mp3)", "--audio-quality", "2", "--start", "00:00:01",
                 "--length", "00:00:01.50", "--output", m_output.path(), sound, silentFilm});
    EXPECT_EQ(result.exitCode, 1) << result.output;
    const std::string mp3 = m_output.file("tone.mp3");
    EXPECT_NE(result.output.find("{\"event\":\"finished\",\"output\":\"" + mp3), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("{\"event\":\"failed\",\"reason\":"), std::string::npos);
    EXPECT_NE(result.output.find("{\"event\":\"end\",\"failed\":1,\"finished\":1}"), std::string::npos);
    EXPECT_NEAR(std::stod(ffprobeField(mp3, "format=duration")), 1.5, 0.1);
    EXPECT_TRUE(fs::is_empty(m_settings.path()));
}

TEST_F(ConvertTest, ConvertsADvdTitleWithTheAudioTrackNamed)
{
    const TestDvd &dvd = testDvd();
    const ProcessResult result = convert({"--edition", "dvd", "--profile", "17", "--titles", "1", "--audio", "2",
                                          "--output", m_output.path(), dvd.discRoot});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    // The first title's second track is the higher tone.
    EXPECT_NEAR(toneOf(m_output.file("Title_01.mp3")), dvd.facts.secondTone, 20) << result.output;
    EXPECT_EQ(convert({"--edition", "dvd", "--audio", "3", dvd.discRoot}).exitCode, 2);
}

TEST_F(ConvertTest, ASignalStopsTheRunningJobsAndLeavesNoOutput)
{
    const std::string film = m_media.file("long.mp4");
    generateMedia("-f lavfi -i testsrc=size=640x480:rate=25:duration=60 -f lavfi -i sine=duration=60 -pix_fmt yuv420p "
                  "-c:v libx264 -preset ultrafast",
                  film);
    ChildProcess run(
        {VELTRIX_BIN_DIR "/veltrix-convert", "--json", "--profile", "5", "--output", m_output.path(), film});
    ASSERT_TRUE(run.readUntil([](const std::string &out) { return out.find("\"event\":\"progress\"") != out.npos; },
                              std::chrono::seconds(30)));
    ::kill(run.pid(), SIGTERM);
    EXPECT_EQ(run.wait(std::chrono::seconds(30)), 128 + SIGTERM);
    EXPECT_TRUE(fs::is_empty(m_output.path())) << "neither a final nor a temporary file is left";
    EXPECT_TRUE(livingProcessesInGroup(run.processGroup()).empty()) << "no encoder is left behind";
}

} // namespace
