// The listing rules: texts read from IFO descriptions, and the rows of a
// hand-written IFO file.

#include "dvd/dvd_rows.h"
#include "dvd_test_support.h"
#include "engine/timecode.h"
#include "jobs/estimate.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace veltrix::test;

namespace {

TEST(DvdTexts, StreamIdPictureAndNumber)
{
    const std::pair<const char *, const char *> ids[] = {
        {"AC-3 en 2ch 48000Hz (0x80)", "0x80"}, {"MPEG-1 (0xc0) (0x81)", "0xc0"}, {"No Subtitle", "0"}, {"ab)", "ab"}};
    for (const auto &[text, id] : ids)
        EXPECT_EQ(streamIdOf(text), id) << text;
    const std::pair<const char *, const char *> pictures[] = {
        {"MPEG-2 720x576 PAL 4:3", "720x576"}, {"MPEG-2 720x480 NTSC", "720x480"}, {"MPEG-2 720x576", ""}, {"", ""}};
    for (const auto &[text, picture] : pictures)
        EXPECT_EQ(pictureDescriptionOf(text), picture) << text;
    EXPECT_EQ(twoDigitNumber(7), "07");
    EXPECT_EQ(twoDigitNumber(12), "12");
    EXPECT_EQ(twoDigitNumber(123), "123");
}

ifolib::CellRecord cell(quint32 first, quint32 last, quint8 seconds)
{
    ifolib::CellRecord c;
    c.firstSector = first;
    c.lastSector = last;
    c.seconds = seconds;
    return c;
}

IfoTitle title(std::vector<ifolib::CellRecord> cells, quint8 seconds)
{
    IfoTitle t;
    t.time.seconds = seconds;
    t.cells = std::move(cells);
    return t;
}

// A title without time, one of 998 sectors, one of three cells whose middle
// one is short, one whose first two cells have no time.
IfoContents handWritten()
{
    IfoContents ifo;
    ifo.audioDescriptions = {"AC-3 en 2ch 48000Hz (0x81)", "MPEG-1 de 2ch 48000Hz (0xc0)"};
    ifo.videoDescription = "MPEG-2 720x480 NTSC 16:9";
    ifo.titles = {title({cell(0, 5000, 10)}, 0), title({cell(100, 1098, 40)}, 40),
                  title({cell(2000, 3999, 10), cell(4000, 4500, 5), cell(4501, 8000, 20)}, 35),
                  title({cell(9000, 9100, 0), cell(9101, 12000, 0), cell(12001, 15000, 30)}, 30)};
    return ifo;
}

struct Expected {
    const char *caption;
    int begin, end;
    qint32 first, last;
};

void expectRows(const std::vector<DvdRow> &rows, const std::vector<Expected> &expected)
{
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DvdRow &r = rows[i];
        const Expected &e = expected[i];
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(r.caption, e.caption);
        EXPECT_EQ(r.subItems(), QStringList({"720x480", secondsToTimeCode(e.end - e.begin), r.outputSize, "Ready"}));
        EXPECT_EQ(std::tuple(r.convert.clipBegin, r.convert.clipEnd, r.convert.firstSector, r.convert.lastSector),
                  std::tuple(e.begin, e.end, e.first, e.last));
        EXPECT_EQ(std::tuple(r.clip.clipBegin, r.clip.clipEnd, r.clip.firstSector, r.clip.fullDuration),
                  std::tuple(e.begin, e.end, e.first, 0));
        EXPECT_EQ(r.clip.titleRow, r.caption.startsWith("Title_") ? 1 : 0);
        EXPECT_EQ(r.convert.duration, e.end - e.begin);
        EXPECT_EQ(std::tuple(r.convert.audioStreamId, r.convert.subtitleStreamId, r.convert.ifoPath),
                  std::tuple(QString("0x81"), QString("0"), QString("/d/VTS_03_0.IFO")));
    }
}

TEST(DvdListingRules, TitlesWithoutTimeOrSectorsAreLeftOut)
{
    expectRows(listIfoRows(handWritten(), "/d/VTS_03_0.IFO", ListingMode::Titles, 3, dvdChoices(kDivxProfile)),
               {{"Title_04", 0, 35, 2000, 8000}, {"Title_05", 0, 30, 9000, 15000}});
}

TEST(DvdListingRules, ChaptersFollowTheirTitleAndCountCells)
{
    expectRows(listIfoRows(handWritten(), "/d/VTS_03_0.IFO", ListingMode::Chapters, 0, dvdChoices(kDivxProfile)),
               {{"Title_01", 0, 35, 2000, 8000},
                {"  Chapter_01", 0, 10, 2000, 3999},
                {"  Chapter_03", 15, 35, 4501, 8000},
                {"Title_04", 0, 30, 9000, 15000},
                {"  Chapter_03", 0, 30, 12001, 15000}});
}

TEST(DvdListingRules, AudioIdAndOutputSize)
{
    IfoContents silent = handWritten();
    silent.audioDescriptions.clear();
    EXPECT_EQ(listIfoRows(silent, "/d/x", ListingMode::Titles, 0, dvdChoices(kDivxProfile))[0].convert.audioStreamId,
              "0");
    const ProfileChoices divx = dvdChoices(kDivxProfile);
    const DvdRow video = listIfoRows(handWritten(), "/d/x", ListingMode::Titles, 0, divx)[0];
    const DvdRow audio = listIfoRows(handWritten(), "/d/x", ListingMode::Titles, 0, dvdChoices(kMp3Profile))[0];
    EXPECT_EQ(video.outputSize, sizeText(*estimateKbits(video.original, divx), 35));
    EXPECT_EQ(audio.outputSize, sizeText(128, 35));
}

TEST(DvdListingRules, InitialRowIsTheFirstWidest)
{
    const auto span = [](qint32 first, qint32 last) {
        TConvertInfo row;
        row.firstSector = first;
        row.lastSector = last;
        return row;
    };
    EXPECT_EQ(initialRow(std::vector{span(0, 0), TConvertInfo{}}), 0);
    EXPECT_EQ(initialRow(std::vector{span(0, 100), span(10, 5000), span(0, 4990), span(20, 5010)}), 1);
}

} // namespace
