// The listing rules: texts read from IFO descriptions, and the rows of
// hand-written and authored IFO files.

#include "dvd/dvd_rows.h"
#include "dvd_fixture.h"
#include "dvd_test_support.h"
#include "engine/timecode.h"
#include "jobs/estimate.h"

#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

TEST(DvdTexts, StreamIdIsTheFourCharactersBeforeTheFirstParenthesis)
{
    const std::pair<const char *, const char *> cases[] = {
        {"AC-3 en 2ch 48000Hz (0x80)", "0x80"}, {"MPEG-1 de 2ch (0xc0) (0x81)", "0xc0"},
        {"Subtitle en (0x20)", "0x20"},         {"No Subtitle", "0"},
        {"", "0"},                              {"ab)", "ab"}};
    for (const auto &[description, id] : cases)
        EXPECT_EQ(streamIdOf(description), id) << description;
}

TEST(DvdTexts, PictureDescriptionIsTheSecondWord)
{
    const std::pair<const char *, const char *> cases[] = {
        {"MPEG-2 720x576 PAL 4:3", "720x576"}, {"MPEG-2 720x480 NTSC", "720x480"},
        {"MPEG-2 720x576", ""},                {"MPEG-2", ""},
        {"", ""}};
    for (const auto &[text, picture] : cases)
        EXPECT_EQ(pictureDescriptionOf(text), picture) << text;
}

TEST(DvdTexts, NumbersHaveAtLeastTwoDigits)
{
    EXPECT_EQ(twoDigitNumber(0), "00");
    EXPECT_EQ(twoDigitNumber(7), "07");
    EXPECT_EQ(twoDigitNumber(12), "12");
    EXPECT_EQ(twoDigitNumber(123), "123");
}

struct ExpectedRow {
    const char *caption;
    int begin, end;     // clip, seconds within the title
    quint32 first, last;
};

void expectRows(const std::vector<DvdRow> &rows, const std::vector<ExpectedRow> &expected)
{
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DvdRow &r = rows[i];
        const ExpectedRow &e = expected[i];
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(r.caption, e.caption);
        EXPECT_EQ(r.convert.clipBegin, e.begin);
        EXPECT_EQ(r.convert.clipEnd, e.end);
        EXPECT_EQ(r.convert.duration, e.end - e.begin);
        EXPECT_EQ(r.clip.clipBegin, e.begin);
        EXPECT_EQ(r.clip.clipEnd, e.end);
        EXPECT_EQ(r.clip.fullDuration, 0);
        EXPECT_EQ(r.clip.titleRow, r.caption.startsWith("Title_") ? 1 : 0);
        EXPECT_EQ(r.convert.firstSector, static_cast<qint32>(e.first));
        EXPECT_EQ(r.clip.firstSector, static_cast<qint32>(e.first));
        EXPECT_EQ(r.convert.lastSector, static_cast<qint32>(e.last));
        EXPECT_EQ(r.original.duration, secondsToTimeCode(e.end - e.begin));
        EXPECT_EQ(r.original.sourcePath, "");
        EXPECT_EQ(r.tracks, TrackChoice{});
    }
}

// Zero-time and short titles give no row; the next kept title takes the next
// number; chapter numbers count cells, skipped ones included.
IfoContents handWritten()
{
    IfoContents ifo;
    ifo.audioDescriptions = {"AC-3 en 2ch 48000Hz (0x81)", "MPEG-1 de 2ch 48000Hz (0xc0)"};
    ifo.videoDescription = "MPEG-2 720x480 NTSC 16:9";
    ifo.titles = {title({cell(0, 5000, 10)}, 0),                               // no time
                  title({cell(100, 1098, 40)}),                                // 998 sectors
                  title({cell(2000, 3999, 10), cell(4000, 4500, 5), cell(4501, 8000, 20)}),
                  title({cell(9000, 9100, 0), cell(9101, 12000, 0), cell(12001, 15000, 30)}, 30)};
    return ifo;
}

TEST(DvdListingRules, TitlesModeLeavesOutTitlesWithoutTimeOrSectors)
{
    const auto rows = listIfoRows(handWritten(), "/d/VTS_03_0.IFO", ListingMode::Titles, 3, dvdChoices(kDivxProfile));
    expectRows(rows, {{"Title_04", 0, 35, 2000, 8000}, {"Title_05", 0, 30, 9000, 15000}});
    for (const DvdRow &r : rows) {
        EXPECT_EQ(r.convert.audioStreamId, "0x81");
        EXPECT_EQ(r.convert.subtitleStreamId, "0");
        EXPECT_EQ(r.convert.ifoPath, "/d/VTS_03_0.IFO");
        EXPECT_EQ(r.original.pictureSize, "720x480");
        EXPECT_EQ(r.subItems(), QStringList({"720x480", r.original.duration, r.outputSize, "Ready"}));
    }
}

TEST(DvdListingRules, ChaptersFollowTheirTitleAndCountCells)
{
    const auto rows = listIfoRows(handWritten(), "/d/VTS_03_0.IFO", ListingMode::Chapters, 0, dvdChoices(kDivxProfile));
    expectRows(rows, {{"Title_01", 0, 35, 2000, 8000},
                      {"  Chapter_01", 0, 10, 2000, 3999},
                      {"  Chapter_03", 15, 35, 4501, 8000},
                      {"Title_04", 0, 30, 9000, 15000},
                      {"  Chapter_03", 0, 30, 12001, 15000}});
}

TEST(DvdListingRules, WithoutAudioTheStreamIdIsZero)
{
    IfoContents ifo = handWritten();
    ifo.audioDescriptions.clear();
    for (const DvdRow &r : listIfoRows(ifo, "/d/VTS_03_0.IFO", ListingMode::Chapters, 0, dvdChoices(kDivxProfile)))
        EXPECT_EQ(r.convert.audioStreamId, "0") << r.caption.toStdString();
}

TEST(DvdListingRules, OutputSizeIsEstimatedForTheChosenProfile)
{
    const ProfileChoices divx = dvdChoices(kDivxProfile);
    const ProfileChoices mp3 = dvdChoices(kMp3Profile);
    const DvdRow video = listIfoRows(handWritten(), "/d/VTS_03_0.IFO", ListingMode::Titles, 0, divx).front();
    const DvdRow audio = listIfoRows(handWritten(), "/d/VTS_03_0.IFO", ListingMode::Titles, 0, mp3).front();
    EXPECT_EQ(video.outputSize, sizeText(*estimateKbits(video.original, divx), 35));
    EXPECT_EQ(audio.outputSize, sizeText(128, 35));
    EXPECT_NE(video.outputSize, audio.outputSize);
}

TEST(DvdListingRules, AuthoredDiscGivesItsTitlesAndLongChapters)
{
    const TestDvd &dvd = testDvd();
    const auto ifo = readIfoContents(qs(dvd.ifo(1)));
    ASSERT_TRUE(ifo);
    const auto rows = listIfoRows(*ifo, qs(dvd.ifo(1)), ListingMode::Chapters, 0, dvdChoices(kDivxProfile));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].caption, "Title_01");
    EXPECT_EQ(rows[0].subItems().mid(0, 2), QStringList({"720x576", "00:00:35"}));
    EXPECT_EQ(rows[0].convert.audioStreamId, "0x80");
    EXPECT_EQ(rows[1].caption, "  Chapter_01");
    EXPECT_EQ(rows[1].subItems().mid(0, 2), QStringList({"720x576", "00:00:10"}));
    EXPECT_EQ(rows[2].caption, "  Chapter_03");
    EXPECT_EQ(rows[2].subItems().mid(0, 2), QStringList({"720x576", "00:00:20"}));
    EXPECT_EQ(rows[2].convert.clipBegin, 15);
    EXPECT_EQ(rows[2].convert.clipEnd, 35);
    EXPECT_EQ(rows[2].convert.lastSector, rows[0].convert.lastSector);
}

TEST(DvdListingRules, InitialRowIsTheFirstWidest)
{
    auto span = [](qint32 first, qint32 last) {
        TConvertInfo c;
        c.firstSector = first;
        c.lastSector = last;
        return c;
    };
    const std::vector<TConvertInfo> none = {span(0, 0), TConvertInfo{}};
    const std::vector<TConvertInfo> rows = {span(0, 100), span(10, 5000), span(0, 4990), span(20, 5010)};
    EXPECT_EQ(initialRow(none), 0);
    EXPECT_EQ(initialRow({}), 0);
    EXPECT_EQ(initialRow(rows), 1);
}

} // namespace
