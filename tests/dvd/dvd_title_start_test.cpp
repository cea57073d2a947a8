// The DVD title start: the DVD job input and the pieces of a DVD row's run.

#include "dvd/dvd_listing.h"
#include "dvd/dvd_title_start.h"
#include "dvd_fixture.h"
#include "dvd_test_support.h"
#include "media_fixtures.h"

#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

TEST(DvdTitleStart, RootAndPalette)
{
    const std::pair<const char *, const char *> roots[] = {
        {"/media/disc/VIDEO_TS/VTS_01_0.IFO", "/media/disc"},
        {"/media/disc/video_ts/vts_01_0.ifo", "/media/disc"},
        {"/media/video_ts_backup/disc/VIDEO_TS/VTS_01_0.IFO", "/media/video_ts_backup/disc"},
        {"/home/me/rips/VTS_02_0.IFO", "/home/me/rips"}};
    for (const auto &[ifo, root] : roots)
        EXPECT_EQ(dvdRootOf(ifo), root) << ifo;

    const std::pair<quint32, quint32> colours[] = {
        {0x108080, 0x000000}, {0xeb8080, 0xffffff}, {0x296ef0, 0x0000ff}, {0xff8080, 0xffffff}};
    for (const auto &[yCrCb, rgb] : colours)
        EXPECT_EQ(rgbOfYCrCb(yCrCb), rgb) << std::hex << yCrCb;
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
    DvdJobInput inputOf(const DvdRow &row) { return dvdJobInputOf(row.convert, row.clip, ifo).input.value(); }

    std::vector<DvdRow> rows;
    IfoContents ifo;
};

TEST_F(DvdRowsOfDisc, TitlesPlayTheirCellsChaptersTheirCellWithTheChosenTracks)
{
    const DvdJobInput title = inputOf(rows[0]);
    EXPECT_EQ(title.root, testDvd().discRoot);
    EXPECT_EQ(title.titleSet, 1);
    ASSERT_EQ(title.cells.size(), 3u);
    EXPECT_EQ(title.cells[2].last, static_cast<quint32>(rows[0].convert.lastSector));
    EXPECT_EQ(std::tuple(title.audioStream, title.subtitleStream), std::tuple(0x80, 0));
    EXPECT_FALSE(title.palette || title.begin || title.end);
    EXPECT_EQ(inputOf(rows[2]).cells, std::vector<SectorRange>({title.cells[2]}));
    EXPECT_EQ(std::tuple(rows[0].kind, rows[2].kind), std::tuple(JobKind::DvdTitle, JobKind::DvdChapter));

    DvdRow &row = rows[0];
    chooseAudioTrack(row.convert, row.tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(row.convert, row.tracks, 1, "Subtitle en (0x20)");
    const DvdJobInput chosen = inputOf(row);
    EXPECT_EQ(std::tuple(chosen.audioStream, chosen.subtitleStream), std::tuple(0xc0, 0x20));
    ASSERT_TRUE(chosen.palette);
    // The disc keeps the authored colour as YCrCb: back within a few steps.
    const unsigned authored = testDvd().facts.subtitleRgb;
    for (quint32 rgb : *chosen.palette) {
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
    const Case cases[] = {
        {0, 5, 20, 5, 20}, {0, 0, 30, {}, 30}, {0, 12, 35, 12, {}}, {2, 18, 35, 3, {}}, {2, 15, 25, {}, 10}};
    for (const Case &c : cases) {
        DvdRow row = rows[c.row];
        row.clip.clipBegin = c.begin;
        row.clip.clipEnd = c.end;
        const DvdJobInput input = inputOf(row);
        EXPECT_EQ(std::tuple(input.begin, input.end), std::tuple(c.inputBegin, c.inputEnd)) << c.begin << "-" << c.end;
    }
    DvdRow backwards = rows[0];
    backwards.clip.clipBegin = 20;
    backwards.clip.clipEnd = 10;
    EXPECT_TRUE(dvdJobInputOf(backwards.convert, backwards.clip, ifo).error.contains("cutter"));
    DvdRow moved = rows[0];
    moved.convert.lastSector += 1;
    EXPECT_TRUE(dvdJobInputOf(moved.convert, moved.clip, ifo).error.contains("no longer"));
}

TEST_F(DvdRowsOfDisc, RunPiecesAreTheProfilesWithoutStartOrLength)
{
    for (int id : {kDivxProfile, kMp3Profile}) {
        const ProfileChoices choices = dvdChoices(id);
        const DvdRow &row = rows[2];
        const DvdTitleJobResult r = dvdTitleJob(row.original, row.convert, row.clip, choices);
        ASSERT_TRUE(r.job) << r.error.toStdString();
        EXPECT_EQ(r.job->record.extra, choices.argumentTemplate) << id;
        EXPECT_EQ(r.job->record.start + r.job->record.length, "");
        EXPECT_EQ(r.job->record.seconds, 20);
        EXPECT_EQ(r.job->record.size, id == kDivxProfile ? " -s 320x240" : "");
        EXPECT_TRUE(isDvdJobInput(r.job->record.inputfile.toStdString()));
    }
    Toriginalinfo cut = rows[0].original;
    cut.duration = "00:00:15"; // as the cutter leaves a cut row
    const DvdTitleJobResult r = dvdTitleJob(cut, rows[0].convert, rows[0].clip, dvdChoices(kDivxProfile));
    EXPECT_EQ(r.job->record.seconds, 15);

    TConvertInfo unreadable;
    unreadable.ifoPath = "/nowhere/VIDEO_TS/VTS_01_0.IFO";
    const DvdTitleJobResult failed = dvdTitleJob({}, unreadable, {}, dvdChoices(kDivxProfile));
    EXPECT_TRUE(!failed.job && failed.error.contains("VTS_01_0.IFO")) << failed.error.toStdString();
}

} // namespace
