// The IFO information library over the authored test discs.

#include "dvd_fixture.h"
#include "media_fixtures.h"
#include "platform/ifo/ifo_library.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace veltrix::test;
using namespace ifolib;

namespace {

struct Variant {
    const char *name;
    std::string (*path)(const TestDvd &);
};

void PrintTo(const Variant &v, std::ostream *out)
{
    *out << v.name;
}

// CellRecord is packed: its sector numbers are read by value, as a reference
// to one may be misaligned.
std::uint32_t firstOf(const CellRecord &cell)
{
    return cell.firstSector;
}

std::uint32_t lastOf(const CellRecord &cell)
{
    return cell.lastSector;
}

class IfoOfTitleSetOne : public ::testing::TestWithParam<Variant> {};

TEST_P(IfoOfTitleSetOne, ReadsTitleCellsAndTracks)
{
    const TestDvd &dvd = testDvd();
    const std::int32_t ifo = ifoOpen(GetParam().path(dvd).c_str(), 0);
    ASSERT_NE(ifo, 0);
    ASSERT_EQ(ifoGetNumPGCI(ifo), 1);
    TitleTime time;
    ASSERT_EQ(ifoGetPGCIInfo(ifo, 0, &time), 3);
    EXPECT_EQ(time.hours * 3600 + time.minutes * 60 + time.seconds, 35);
    CellRecord cells[4];
    cells[2].firstSector = 77;
    ASSERT_EQ(ifoGetPGCICells(ifo, 0, cells, 2), 2) << "stays within the caller's buffer";
    EXPECT_EQ(firstOf(cells[2]), 77u);
    ASSERT_EQ(ifoGetPGCICells(ifo, 0, cells, 4), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(cells[i].minutes * 60 + cells[i].seconds, dvd.facts.cellSeconds[i]) << "cell " << i;
    EXPECT_EQ(firstOf(cells[0]), 0u);
    EXPECT_EQ(firstOf(cells[1]), lastOf(cells[0]) + 1);
    EXPECT_LT(cells[1].lastSector - cells[1].firstSector, 1000u);
    EXPECT_GE(cells[2].lastSector - cells[2].firstSector, 1000u);

    EXPECT_STREQ(ifoGetVideoDesc(ifo), "MPEG-2 720x576 PAL 4:3");
    ASSERT_EQ(ifoGetNumAudio(ifo), 2);
    EXPECT_STREQ(ifoGetAudioDesc(ifo, 0), "AC-3 en 2ch 48000Hz (0x80)");
    EXPECT_STREQ(ifoGetAudioDesc(ifo, 1), "MPEG-1 de 2ch 48000Hz (0xc0)");
    EXPECT_STREQ(ifoGetAudioDesc(ifo, 2), "");
    ASSERT_EQ(ifoGetNumSubPic(ifo), 1);
    EXPECT_STREQ(ifoGetSubPicDesc(ifo, 0), "Subtitle en (0x20)");
    EXPECT_EQ(ifoGetPGCIInfo(ifo, 1, nullptr), -1);
    ifoClose(ifo);
    EXPECT_EQ(ifoGetNumAudio(ifo), 0) << "a closed handle gives nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Discs, IfoOfTitleSetOne,
    ::testing::Values(Variant{"UpperCase", [](const TestDvd &d) { return d.ifo(1); }},
                      Variant{"LowerCase", [](const TestDvd &d) { return d.lowerRoot + "/video_ts/vts_01_0.ifo"; }},
                      Variant{"AloneWithoutVideoTsIfoOrVobs",
                              [](const TestDvd &d) { return d.noVobs + "/VTS_01_0.IFO"; }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IfoLibrary, SecondTitleSetHasOneTitleAndOneTrack)
{
    const std::int32_t ifo = ifoOpen(testDvd().ifo(2).c_str(), 0);
    TitleTime time;
    EXPECT_EQ(ifoGetPGCIInfo(ifo, 0, &time), 1);
    EXPECT_EQ(time.seconds, testDvd().facts.secondTitleSeconds);
    EXPECT_EQ(ifoGetNumAudio(ifo), 1);
    EXPECT_EQ(ifoGetNumSubPic(ifo), 0);
    ifoClose(ifo);
}

TEST(IfoLibrary, RefusesWhatIsNoTitleSetInformation)
{
    const TestDvd &dvd = testDvd();
    TempDir dir;
    std::filesystem::copy_file(dvd.ifo(1), dir.file("title.ifo"));
    for (const std::string &path : {dvd.garbage + "/VIDEO_TS/VTS_01_0.IFO", dvd.videoTs + "/VIDEO_TS.IFO",
                                    dvd.videoTs + "/VTS_09_0.IFO", dir.file("title.ifo"), dvd.videoTs})
        EXPECT_EQ(ifoOpen(path.c_str(), 0), 0) << path;

    const std::pair<const char *, int> names[] = {{"VTS_01_0.IFO", 1}, {"vts_12_0.ifo", 12}, {"VIDEO_TS.IFO", 0},
                                                  {"VTS_01_1.VOB", 0}, {"VTS_1_0.IFO", 0},   {"VTS_0A_0.IFO", 0}};
    for (const auto &[name, number] : names)
        EXPECT_EQ(titleSetOfIfoName(name), number) << name;
}

} // namespace
