// The DVD title start: the DVD job input and the pieces of a DVD row's run.

#include "dvd/dvd_listing.h"
#include "dvd/dvd_title_start.h"
#include "dvd_fixture.h"
#include "dvd_test_support.h"
#include "media_fixtures.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

TEST(DvdTitleStart, RootIsTheFolderAboveVideoTs)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/media/disc/VIDEO_TS/VTS_01_0.IFO", "/media/disc"},
        {"/media/disc/video_ts/vts_01_0.ifo", "/media/disc"},
        {"/media/video_ts_backup/disc/VIDEO_TS/VTS_01_0.IFO", "/media/video_ts_backup/disc"},
        {"/home/me/rips/VTS_02_0.IFO", "/home/me/rips"},
        {"/VIDEO_TS/VTS_01_0.IFO", "/"}};
    for (const auto &[ifo, root] : cases)
        EXPECT_EQ(dvdRootOf(ifo), root) << ifo;
}

TEST(DvdTitleStart, PaletteEntriesBecomeRgb)
{
    const std::pair<quint32, quint32> cases[] = {
        {0x108080, 0x000000}, {0xeb8080, 0xffffff}, {0x296ef0, 0x0000ff}, {0xff8080, 0xffffff}};
    for (const auto &[yCrCb, rgb] : cases)
        EXPECT_EQ(rgbOfYCrCb(yCrCb), rgb) << std::hex << yCrCb;
    // Red: the standard's 82/90/240 lands within a step of pure red.
    const quint32 red = rgbOfYCrCb(0x51f05a);
    EXPECT_GE(red >> 16, 0xfdu);
    EXPECT_LE((red >> 8) & 0xff, 2u);
    EXPECT_LE(red & 0xff, 2u);
}

TEST(DvdTitleStart, StreamIdTexts)
{
    EXPECT_EQ(streamIdNumber("0x80"), 0x80);
    EXPECT_EQ(streamIdNumber("0xc0"), 0xc0);
    EXPECT_EQ(streamIdNumber("0"), 0);
    EXPECT_EQ(streamIdNumber("0xzz"), 0);
    EXPECT_EQ(streamIdNumber("80"), 0);
}

TEST(DvdTitleStart, AFileRowStartsAsAFileJob)
{
    Toriginalinfo file;
    file.sourcePath = "/home/me/clip.avi";
    EXPECT_TRUE(startsAsFileJob(file));
    EXPECT_FALSE(startsAsFileJob(Toriginalinfo{}));
}

// The chapters listing of the authored disc: Title_01, Chapter_01,
// Chapter_03, Title_04, Chapter_01.
class DvdRowsOfDisc : public ::testing::Test {
protected:
    void SetUp() override
    {
        DvdListing listing;
        listing.toggleMode(dvdChoices(kDivxProfile));
        rows = listing.addDvd(qs(testDvd().discRoot), dvdChoices(kDivxProfile)).rows;
        ASSERT_EQ(rows.size(), 5u);
        ifo = *readIfoContents(rows[0].convert.ifoPath);
    }
    std::vector<DvdRow> rows;
    IfoContents ifo;
};

TEST_F(DvdRowsOfDisc, TitleRowPlaysItsCellsChapterRowItsCell)
{
    const DvdJobInput title = *dvdJobInputOf(rows[0].convert, rows[0].clip, ifo).input;
    EXPECT_EQ(title.root, testDvd().discRoot);
    EXPECT_EQ(title.titleSet, 1);
    ASSERT_EQ(title.cells.size(), 3u);
    EXPECT_EQ(title.cells[0].first, 0u);
    EXPECT_EQ(title.cells[2].last, static_cast<quint32>(rows[0].convert.lastSector));
    EXPECT_EQ(title.audioStream, 0x80);
    EXPECT_EQ(title.subtitleStream, 0);
    EXPECT_FALSE(title.palette);
    EXPECT_FALSE(title.begin);
    EXPECT_FALSE(title.end);

    const DvdJobInput chapter = *dvdJobInputOf(rows[2].convert, rows[2].clip, ifo).input;
    EXPECT_EQ(chapter.cells, std::vector<SectorRange>({title.cells[2]}));
    EXPECT_FALSE(chapter.begin);
    EXPECT_FALSE(chapter.end);

    const DvdJobInput other = *dvdJobInputOf(rows[3].convert, rows[3].clip, *readIfoContents(rows[3].convert.ifoPath)).input;
    EXPECT_EQ(other.titleSet, 2);
}

TEST_F(DvdRowsOfDisc, ChosenTracksAndTheSubtitlePalette)
{
    DvdRow &row = rows[0];
    chooseAudioTrack(row.convert, row.tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(row.convert, row.tracks, 1, "Subtitle en (0x20)");
    const DvdJobInput input = *dvdJobInputOf(row.convert, row.clip, ifo).input;
    EXPECT_EQ(input.audioStream, 0xc0);
    EXPECT_EQ(input.subtitleStream, 0x20);
    ASSERT_TRUE(input.palette);
    // The disc stores the authored colour as YCrCb; it comes back within a
    // few steps per channel.
    const unsigned authored = testDvd().facts.subtitleRgb;
    for (quint32 rgb : *input.palette) {
        for (int shift : {16, 8, 0})
            EXPECT_NEAR(int(rgb >> shift & 0xff), int(authored >> shift & 0xff), 4) << std::hex << rgb;
    }
}

TEST_F(DvdRowsOfDisc, ACutRowCarriesItsClip)
{
    struct Case {
        int row, begin, end;
        std::optional<int> inputBegin, inputEnd;
    };
    const Case cases[] = {{0, 5, 20, 5, 20}, {0, 0, 30, std::nullopt, 30}, {0, 12, 35, 12, std::nullopt},
                          {2, 18, 35, 3, std::nullopt}, {2, 15, 25, std::nullopt, 10}};
    for (const Case &c : cases) {
        TClipInfo clip = rows[c.row].clip;
        clip.clipBegin = c.begin;
        clip.clipEnd = c.end;
        const DvdJobInput input = *dvdJobInputOf(rows[c.row].convert, clip, ifo).input;
        EXPECT_EQ(input.begin, c.inputBegin) << c.row << " " << c.begin << "-" << c.end;
        EXPECT_EQ(input.end, c.inputEnd) << c.row << " " << c.begin << "-" << c.end;
    }
    TClipInfo backwards = rows[0].clip;
    backwards.clipBegin = 20;
    backwards.clipEnd = 10;
    const DvdJobInputResult refused = dvdJobInputOf(rows[0].convert, backwards, ifo);
    EXPECT_FALSE(refused.input);
    EXPECT_FALSE(refused.error.isEmpty());
}

TEST_F(DvdRowsOfDisc, ARowWhoseTitleIsGoneIsRefused)
{
    TConvertInfo moved = rows[0].convert;
    moved.lastSector += 1;
    const DvdJobInputResult result = dvdJobInputOf(moved, rows[0].clip, ifo);
    EXPECT_FALSE(result.input);
    EXPECT_TRUE(result.error.contains("no longer")) << result.error.toStdString();
}

TEST_F(DvdRowsOfDisc, RunPiecesFollowTheFileRulesWithoutStartOrLength)
{
    TempDir out;
    const QString folder = qs(out.path()) + "/";
    for (int id : {kDivxProfile, kMp3Profile}) {
        const ProfileChoices choices = dvdChoices(id);
        const DvdTitleJobResult result =
            dvdTitleJob(rows[2].caption, rows[2].original, rows[2].convert, rows[2].clip, choices, folder);
        ASSERT_TRUE(result.job) << result.error.toStdString();
        const DvdTitleJob &job = *result.job;
        EXPECT_EQ(job.pieces.extra, choices.argumentTemplate) << id;
        EXPECT_EQ(job.pieces.start, "");
        EXPECT_EQ(job.pieces.length, "");
        EXPECT_EQ(job.pieces.seconds, 20);
        EXPECT_EQ(job.output, folder + "Chapter_03" + choices.extension);
        EXPECT_TRUE(isDvdJobInput(job.input.toStdString()));
    }
    const ProfileChoices divx = dvdChoices(kDivxProfile);
    EXPECT_EQ(dvdTitleJob(rows[0].caption, rows[0].original, rows[0].convert, rows[0].clip, divx, folder).job->pieces.size,
              " -s 320x240");
    // After a cut the run's length is the clip's.
    Toriginalinfo cut = rows[0].original;
    cut.duration = "00:00:15";
    EXPECT_EQ(dvdTitleJob(rows[0].caption, cut, rows[0].convert, rows[0].clip, divx, folder).job->pieces.seconds, 15);
}

TEST(DvdTitleStartNaming, TakenNamesGetANumberAfterTheListedCaption)
{
    TempDir out;
    const QString folder = qs(out.path()) + "/";
    EXPECT_EQ(dvdOutputPath(folder, "  Chapter_03", ".avi"), folder + "Chapter_03.avi");
    writeFile(out.file("Chapter_03.avi"), "x");
    EXPECT_EQ(dvdOutputPath(folder, "  Chapter_03", ".avi"), folder + "  Chapter_03_1.avi");
    writeFile(out.file("  Chapter_03_1.avi"), "x");
    EXPECT_EQ(dvdOutputPath(folder, "  Chapter_03", ".avi"), folder + "  Chapter_03_2.avi");
    EXPECT_EQ(dvdOutputPath(folder, "a/b.final", ".mp3"), folder + "a_b.mp3");
}

TEST(DvdTitleStartFailures, AnUnreadableIfoIsReported)
{
    TConvertInfo row;
    row.ifoPath = "/nowhere/VIDEO_TS/VTS_01_0.IFO";
    const DvdTitleJobResult result =
        dvdTitleJob("Title_01", Toriginalinfo{}, row, TClipInfo{}, dvdChoices(kDivxProfile), "/tmp/");
    EXPECT_FALSE(result.job);
    EXPECT_TRUE(result.error.contains("VTS_01_0.IFO")) << result.error.toStdString();
}

} // namespace
