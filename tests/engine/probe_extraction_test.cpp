// The probe's extractions over canned encoder descriptions, as register.dat
// writes them (CR LF line ends).

#include "engine/probe_extraction.h"
#include "engine/progress.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QByteArray kVideoFile = "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'a.mp4':\r\n"
                              "  Duration: 00:03:25.40, start: 0.000000, bitrate: 1411 kb/s\r\n"
                              "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p, "
                              "640x480 [SAR 1:1 DAR 4:3], 768 kb/s, 25 fps, 25 tbr, 12800 tbn (default)\r\n"
                              "  Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, stereo, "
                              "fltp, 128 kb/s (default)\r\n"
                              "At least one output file must be specified\r\n";

// Two sound tracks: the first track's line is the one that counts.
const QByteArray kTwoTracks = "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'two.mp4':\r\n"
                              "  Duration: 00:00:02.00, start: 0.000000, bitrate: 243 kb/s\r\n"
                              "  Stream #0:0[0x1](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, "
                              "fltp, 96 kb/s (default)\r\n"
                              "    Metadata:\r\n"
                              "      handler_name    : SoundHandler\r\n"
                              "  Stream #0:1[0x2](ger): Audio: ac3, 48000 Hz, stereo, fltp, 133 kb/s\r\n"
                              "At least one output file must be specified\r\n";

ProbeResults findingsOf(const QByteArray &text)
{
    ProbeFindings findings;
    takeProbeFindings(findings, text);
    return findings.results;
}

// Feeds the text in chunks through the line-end walk, as the probe's reader does.
ProbeResults findingsInChunks(const QByteArray &text, qsizetype chunk)
{
    ProbeFindings findings;
    QByteArray buffer;
    for (qsizetype at = 0; at < text.size(); at += chunk) {
        buffer += text.mid(at, chunk);
        consumeLineEnds(buffer, [&findings](const QByteArray &whole) { takeProbeFindings(findings, whole); });
    }
    return findings.results;
}

void expectSame(const ProbeResults &a, const ProbeResults &b)
{
    EXPECT_EQ(a.duration, b.duration);
    EXPECT_EQ(a.overallBitrate, b.overallBitrate);
    EXPECT_EQ(a.videoBitrate, b.videoBitrate);
    EXPECT_EQ(a.audioBitrate, b.audioBitrate);
    EXPECT_EQ(a.pictureSize, b.pictureSize);
    EXPECT_EQ(a.videoCodec, b.videoCodec);
    EXPECT_EQ(a.videoTail, b.videoTail);
    EXPECT_EQ(a.audioCodec, b.audioCodec);
    EXPECT_EQ(a.sampleRate, b.sampleRate);
    EXPECT_EQ(a.channels, b.channels);
}

TEST(ProbeExtraction, ReadsEveryResultOfAVideoFile)
{
    const ProbeResults r = findingsOf(kVideoFile);
    EXPECT_EQ(r.duration, "00:03:25");
    EXPECT_EQ(r.overallBitrate, "1411");
    EXPECT_EQ(r.videoBitrate, "768");
    EXPECT_EQ(r.audioBitrate, "128");
    EXPECT_EQ(r.pictureSize, "640x480");
    EXPECT_EQ(r.videoCodec, "h264 (High) (avc1 / 0x31637661)");
    EXPECT_EQ(r.videoTail, " 25 fps, 25 tbr, 12800 tbn (default)");
    EXPECT_EQ(r.audioCodec, "aac (LC) (mp4a / 0x6134706D)");
    EXPECT_EQ(r.sampleRate, " 44100 Hz");
    EXPECT_EQ(r.channels, " stereo");
}

TEST(ProbeExtraction, DurationIsTheTimeCodeWithoutItsFraction)
{
    EXPECT_EQ(extractDuration("  Duration: 01:02:03.45, start: 0.0\r\n"), "01:02:03");
    EXPECT_EQ(extractDuration("no duration here\r\n"), std::nullopt);
    // A line not yet ended may still be cut inside its time code.
    EXPECT_EQ(extractDuration("  Duration: 01:0"), std::nullopt);
}

TEST(ProbeExtraction, BitRateIsTheNumberBeforeKbs)
{
    struct Case {
        const char *line;
        const char *rate;
    } const cases[] = {
        {"Video: mpeg4, yuv420p, 320x240, 768 kb/s, 25 tbr", "768"},
        {"Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s", "128"},
        {"bitrate: 12345678901234 kb/s", "5678901234"}, // more than ten: the last ten
        {"bitrate:1234567890 kb/s", "1234567890"},      // exactly ten
        {"kb/s right at the start kb/s", "start"},
        {"bitrate: N/A", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(extractBitrate(c.line), c.rate) << c.line;
}

TEST(ProbeExtraction, PictureSizeSkipsHexadecimalCodecTags)
{
    struct Case {
        const char *line;
        const char *size;
    } const cases[] = {
        {"Video: h264 (avc1 / 0x31637661), yuv420p, 320x240 [SAR 1:1 DAR 4:3], 42 kb/s", "320x240"},
        {"Video: mpeg4 (FMP4 / 0x34504D46), yuv420p, 1920x1080, 25 fps", "1920x1080"},
        {"Video: mpeg4, yuv420p, 320x240, 768 kb/s", "320x240"},
        {"Video: mjpeg (0x0000), 0x0, 90k tbn", ""},
        {"Video: rawvideo, pal8", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(extractPictureSize(c.line), c.size) << c.line;
}

TEST(ProbeExtraction, FieldsSplitAtCommasWithTheirBlanks)
{
    const AudioFields audio = extractAudioFields("  Stream #0:0: Audio: vorbis, 44100 Hz, mono, fltp, 80 kb/s");
    EXPECT_EQ(audio.codec, "vorbis");
    EXPECT_EQ(audio.sampleRate, " 44100 Hz");
    EXPECT_EQ(audio.channels, " mono");

    const AudioFields bare = extractAudioFields("Audio: pcm_s16le");
    EXPECT_EQ(bare.codec, "pcm_s16le");
    EXPECT_EQ(bare.sampleRate, "");
    EXPECT_EQ(bare.channels, "");

    const VideoFields shortLine = extractVideoFields("Video: mpeg4, yuv420p, 320x240");
    EXPECT_EQ(shortLine.codec, "mpeg4");
    EXPECT_EQ(shortLine.tail, " 320x240"); // the missing commas skip nothing
}

TEST(ProbeExtraction, AudioOnlyDescriptionLeavesTheVideoResultsEmpty)
{
    const ProbeResults r = findingsOf("Input #0, wav, from 'a.wav':\r\n"
                                      "  Duration: 00:00:03.00, bitrate: 705 kb/s\r\n"
                                      "  Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, mono, s16, "
                                      "705 kb/s\r\n");
    EXPECT_EQ(r.duration, "00:00:03");
    EXPECT_EQ(r.overallBitrate, "705");
    EXPECT_EQ(r.audioBitrate, "705");
    EXPECT_EQ(r.audioCodec, "pcm_s16le ([1][0][0][0] / 0x0001)");
    EXPECT_EQ(r.videoBitrate, "");
    EXPECT_EQ(r.pictureSize, "");
    EXPECT_EQ(r.videoCodec, "");
    EXPECT_EQ(r.videoTail, "");
}

TEST(ProbeExtraction, OnlyEndedLinesCountWithoutTheirLineEnds)
{
    EXPECT_EQ(probeLine("a Video: x\r\nb Audio: y", "Audio:"), std::nullopt);
    EXPECT_EQ(probeLine("a Video: x\r\nb Audio: y\r", "Audio:"), QByteArray("b Audio: y"));
    EXPECT_EQ(probeLine("a Video: x\nb Audio: y\n", "Audio:"), QByteArray("b Audio: y"));
    EXPECT_EQ(probeLine("a Video: x\r\nb Audio: y\r\n", "Video:"), QByteArray("a Video: x"));
}

TEST(ProbeExtraction, ResultsFoundInAnEarlierChunkAreKept)
{
    ProbeFindings findings;
    takeProbeFindings(findings, kVideoFile);
    takeProbeFindings(findings, "At least one output file must be specified\r\n");
    expectSame(findings.results, findingsOf(kVideoFile));
}

TEST(ProbeExtraction, TheFirstTrackOfAKindGivesItsResults)
{
    const ProbeResults r = findingsOf(kTwoTracks);
    EXPECT_EQ(r.audioCodec, "aac (LC) (mp4a / 0x6134706D)");
    EXPECT_EQ(r.audioBitrate, "96");
    EXPECT_EQ(r.sampleRate, " 44100 Hz");
    EXPECT_EQ(r.channels, " mono");
}

// Every chunk size cuts somewhere inside a key, a number or a CR LF pair, or
// puts a later track's line into a later pass than the first track's.
TEST(ProbeExtraction, AnyChunkingGivesTheResultsOfOneChunk)
{
    for (const QByteArray &description : {kVideoFile, kTwoTracks}) {
        const ProbeResults whole = findingsOf(description);
        for (qsizetype chunk = 1; chunk <= description.size(); ++chunk) {
            SCOPED_TRACE(chunk);
            expectSame(findingsInChunks(description, chunk), whole);
        }
    }
}

struct OwnLineCase {
    const char *what;
    QByteArray text;
    const char *duration;
    const char *overallBitrate;
};

void PrintTo(const OwnLineCase &c, std::ostream *os)
{
    *os << c.what;
}

class ProbeValuesStayInTheirLine : public ::testing::TestWithParam<OwnLineCase> {};

// Each value is read from within its own line, whatever the chunk size.
TEST_P(ProbeValuesStayInTheirLine, ForEveryChunkSize)
{
    const OwnLineCase &c = GetParam();
    const ProbeResults whole = findingsOf(c.text);
    EXPECT_EQ(whole.duration, c.duration);
    EXPECT_EQ(whole.overallBitrate, c.overallBitrate);
    for (qsizetype chunk = 1; chunk <= c.text.size(); ++chunk) {
        SCOPED_TRACE(chunk);
        expectSame(findingsInChunks(c.text, chunk), whole);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProbeValuesStayInTheirLine,
    ::testing::Values(OwnLineCase{"duration key ending its line", QByteArray("Duration:\n\x01"), "", ""},
                      OwnLineCase{"short time code", "  Duration: 00:01\r\n  next line\r\n", "00:01", ""},
                      OwnLineCase{"unended rate line", "\nbitrate: kb/s", "", ""},
                      OwnLineCase{"rate reaching back to its line start", "\nbitrate: kb/s\r\n", "", "bitrate:"},
                      OwnLineCase{"time code cut by a lone CR", "Duration: 1\r2345678\r\n", "1", ""},
                      OwnLineCase{"line feed ends", "  Duration: 00:00:02.00, bitrate: 300 kb/s\n", "00:00:02", "300"},
                      OwnLineCase{"split CR LF pairs",
                                  "Input\r\n\r\n  Duration: 00:00:07.50, start: 0, bitrate: 70 kb/s\r\n", "00:00:07",
                                  "70"}),
    [](const auto &info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

} // namespace
