// The IFO information library over the authored test discs.

#include "dvd_fixture.h"
#include "media_fixtures.h"
#include "platform/ifo/ifo_library.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace veltrix::test;
using namespace ifolib;

namespace {

// Opens an IFO file for one test and closes it afterwards.
class OpenedIfo {
public:
    explicit OpenedIfo(const std::string &path) : m_handle(ifoOpen(path.c_str(), 0)) {}
    ~OpenedIfo() { ifoClose(m_handle); }
    std::int32_t handle() const { return m_handle; }

private:
    std::int32_t m_handle;
};

std::vector<CellRecord> cellsOf(std::int32_t handle, int title)
{
    const std::int32_t count = ifoGetPGCIInfo(handle, title, nullptr);
    std::vector<CellRecord> cells(static_cast<std::size_t>(std::max(count, 0)));
    cells.resize(static_cast<std::size_t>(ifoGetPGCICells(handle, title, cells.data(), count)));
    return cells;
}

int secondsOf(const CellRecord &c)
{
    return c.hours * 3600 + c.minutes * 60 + c.seconds;
}

std::string secondWord(const std::string &text)
{
    const auto first = text.find(' ');
    const auto second = text.find(' ', first + 1);
    return first == std::string::npos || second == std::string::npos ? "" : text.substr(first + 1, second - first - 1);
}

struct TitleSetCase {
    const char *name;
    std::string (*path)(const TestDvd &);
    int titleSet;
};

void PrintTo(const TitleSetCase &c, std::ostream *out)
{
    *out << c.name;
}

class IfoTitleSet : public ::testing::TestWithParam<TitleSetCase> {};

TEST_P(IfoTitleSet, ReadsTitlesCellsAndTracks)
{
    const TestDvd &dvd = testDvd();
    const TitleSetCase &c = GetParam();
    OpenedIfo ifo(c.path(dvd));
    ASSERT_NE(ifo.handle(), 0);
    ASSERT_EQ(ifoGetNumPGCI(ifo.handle()), 1);

    TitleTime time;
    const std::int32_t cellCount = ifoGetPGCIInfo(ifo.handle(), 0, &time);
    const std::vector<CellRecord> cells = cellsOf(ifo.handle(), 0);
    ASSERT_EQ(static_cast<std::size_t>(cellCount), cells.size());
    EXPECT_EQ(secondWord(ifoGetVideoDesc(ifo.handle())),
              std::to_string(dvd.facts.width) + "x" + std::to_string(dvd.facts.height));

    if (c.titleSet == 1) {
        EXPECT_EQ(time.hours * 3600 + time.minutes * 60 + time.seconds, 35);
        ASSERT_EQ(cells.size(), 3u);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(secondsOf(cells[i]), dvd.facts.cellSeconds[i]) << "cell " << i;
            EXPECT_EQ(cells[i].frames, 0) << "cell " << i;
        }
        EXPECT_EQ(cells[0].firstSector, 0u);
        EXPECT_EQ(cells[1].firstSector, cells[0].lastSector + 1);
        EXPECT_EQ(cells[2].firstSector, cells[1].lastSector + 1);
        EXPECT_GE(cells[0].lastSector - cells[0].firstSector, 1000u);
        EXPECT_LT(cells[1].lastSector - cells[1].firstSector, 1000u);

        ASSERT_EQ(ifoGetNumAudio(ifo.handle()), 2);
        EXPECT_EQ(std::string(ifoGetAudioDesc(ifo.handle(), 0)), "AC-3 en 2ch 48000Hz (0x80)");
        EXPECT_EQ(std::string(ifoGetAudioDesc(ifo.handle(), 1)), "MPEG-1 de 2ch 48000Hz (0xc0)");
        ASSERT_EQ(ifoGetNumSubPic(ifo.handle()), 1);
        EXPECT_EQ(std::string(ifoGetSubPicDesc(ifo.handle(), 0)), "Subtitle en (0x20)");
    } else {
        EXPECT_EQ(time.seconds, dvd.facts.secondTitleSeconds);
        ASSERT_EQ(cells.size(), 1u);
        ASSERT_EQ(ifoGetNumAudio(ifo.handle()), 1);
        EXPECT_EQ(std::string(ifoGetAudioDesc(ifo.handle(), 0)), "AC-3 en 2ch 48000Hz (0x80)");
        EXPECT_EQ(ifoGetNumSubPic(ifo.handle()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Discs, IfoTitleSet,
    ::testing::Values(TitleSetCase{"UpperCase1", [](const TestDvd &d) { return d.ifo(1); }, 1},
                      TitleSetCase{"UpperCase2", [](const TestDvd &d) { return d.ifo(2); }, 2},
                      TitleSetCase{"LowerCase", [](const TestDvd &d) { return d.lowerRoot + "/video_ts/vts_01_0.ifo"; }, 1},
                      TitleSetCase{"WithoutVideoTsIfoAndVobs",
                                   [](const TestDvd &d) { return d.noVobs + "/VTS_01_0.IFO"; }, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IfoLibrary, RefusesWhatIsNoTitleSetInformation)
{
    const TestDvd &dvd = testDvd();
    TempDir dir;
    std::filesystem::copy_file(dvd.ifo(1), dir.file("title.ifo"));
    for (const std::string &path : {dvd.garbage + "/VIDEO_TS/VTS_01_0.IFO", dvd.videoTs + "/VIDEO_TS.IFO",
                                    dvd.videoTs + "/VTS_09_0.IFO", dir.file("title.ifo"), dvd.videoTs})
        EXPECT_EQ(ifoOpen(path.c_str(), 0), 0) << path;
}

TEST(IfoLibrary, StaysWithinTheCallersBuffersAndTitles)
{
    OpenedIfo ifo(testDvd().ifo(1));
    ASSERT_NE(ifo.handle(), 0);
    CellRecord cells[3];
    cells[2].firstSector = 77;
    EXPECT_EQ(ifoGetPGCICells(ifo.handle(), 0, cells, 2), 2);
    EXPECT_EQ(cells[2].firstSector, 77u);
    EXPECT_EQ(ifoGetPGCIInfo(ifo.handle(), 1, nullptr), -1);
    EXPECT_EQ(ifoGetPGCICells(ifo.handle(), 1, cells, 3), 0);
    EXPECT_STREQ(ifoGetAudioDesc(ifo.handle(), 2), "");
    EXPECT_STREQ(ifoGetSubPicDesc(ifo.handle(), -1), "");
    std::uint32_t palette[16];
    EXPECT_FALSE(ifoGetPGCIPalette(ifo.handle(), 1, palette));
    EXPECT_TRUE(ifoGetPGCIPalette(ifo.handle(), 0, palette));
}

TEST(IfoLibrary, ClosedAndUnknownHandlesGiveNothing)
{
    const std::int32_t handle = ifoOpen(testDvd().ifo(2).c_str(), 0);
    ASSERT_NE(handle, 0);
    ifoClose(handle);
    EXPECT_EQ(ifoGetNumPGCI(handle), 0);
    EXPECT_EQ(ifoGetNumAudio(0), 0);
    EXPECT_STREQ(ifoGetVideoDesc(handle), "");
}

TEST(IfoLibrary, TitleSetNumberComesFromTheFileName)
{
    const std::pair<const char *, int> cases[] = {{"VTS_01_0.IFO", 1}, {"vts_12_0.ifo", 12}, {"Vts_99_0.Ifo", 99},
                                                  {"VIDEO_TS.IFO", 0}, {"VTS_01_1.VOB", 0},  {"VTS_1_0.IFO", 0},
                                                  {"VTS_0A_0.IFO", 0}, {"VTS_01_0.IFO.bak", 0}};
    for (const auto &[name, number] : cases)
        EXPECT_EQ(titleSetOfIfoName(name), number) << name;
}

} // namespace
