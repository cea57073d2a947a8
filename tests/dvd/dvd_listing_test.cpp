// The DVD listing over the authored discs: finding IFO files, listing them,
// toggling the mode, check marks per mode, track lists per row.

#include "dvd/dvd_listing.h"
#include "dvd/ifo_search.h"
#include "dvd/optical_drive.h"
#include "dvd_fixture.h"
#include "dvd_test_support.h"
#include "media_fixtures.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

QStringList captionsOf(const std::vector<DvdRow> &rows)
{
    QStringList captions;
    for (const DvdRow &r : rows)
        captions.append(r.caption);
    return captions;
}

QStringList fileNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &p : paths)
        names.append(QFileInfo(p).fileName());
    return names;
}

struct SearchCase {
    const char *name;
    std::string (*folder)(const TestDvd &);
    QStringList expected;
};

void PrintTo(const SearchCase &c, std::ostream *out)
{
    *out << c.name;
}

class IfoSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(IfoSearch, FindsTheTitleSetFiles)
{
    EXPECT_EQ(fileNames(findIfoFiles(qs(GetParam().folder(testDvd())))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, IfoSearch,
    ::testing::Values(
        SearchCase{"DiscRoot", [](const TestDvd &d) { return d.discRoot; }, {"VTS_01_0.IFO", "VTS_02_0.IFO"}},
        SearchCase{"VideoTsFolder", [](const TestDvd &d) { return d.videoTs; }, {"VTS_01_0.IFO", "VTS_02_0.IFO"}},
        SearchCase{"LowerCaseRoot", [](const TestDvd &d) { return d.lowerRoot; }, {"vts_01_0.ifo", "vts_02_0.ifo"}},
        SearchCase{"LooseIfo", [](const TestDvd &d) { return d.noVobs; }, {"VTS_01_0.IFO"}},
        SearchCase{"NoDvd", [](const TestDvd &d) { return d.discRoot + "/AUDIO_TS"; }, {}},
        SearchCase{"Missing", [](const TestDvd &d) { return d.discRoot + "/nothing"; }, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DvdListing, AddDvdListsEveryTitleSetAndTheirTracks)
{
    const TestDvd &dvd = testDvd();
    DvdListing listing;
    const auto added = listing.addDvd(qs(dvd.lowerRoot), dvdChoices(kDivxProfile));
    ASSERT_TRUE(added.ifoFound);
    EXPECT_EQ(captionsOf(added.rows), QStringList({"Title_01", "Title_02"}));
    EXPECT_EQ(added.rows[1].original.duration, "00:00:08");
    ASSERT_EQ(listing.files().size(), 2);
    EXPECT_EQ(listing.files()[0].firstRow, 0);
    EXPECT_EQ(listing.files()[0].endRow, 1);
    EXPECT_EQ(listing.files()[1].firstRow, 1);
    EXPECT_EQ(listing.files()[1].endRow, 2);
    EXPECT_EQ(listing.checkMarks(2), std::vector<bool>({true, true}));

    const TrackLists first = trackListsFor(listing.files(), added.rows[0].convert);
    EXPECT_EQ(first.audio, QStringList({"AC-3 en 2ch 48000Hz (0x80)", "MPEG-1 de 2ch 48000Hz (0xc0)"}));
    EXPECT_EQ(first.subtitle, QStringList({"No Subtitle", "Subtitle en (0x20)"}));
    const TrackLists second = trackListsFor(listing.files(), added.rows[1].convert);
    EXPECT_EQ(second.audio, QStringList({"AC-3 en 2ch 48000Hz (0x80)"}));
    EXPECT_EQ(second.subtitle, QStringList({"No Subtitle"}));
    EXPECT_EQ(trackListsFor(listing.files(), TConvertInfo{}), TrackLists{});
}

TEST(DvdListing, AFolderWithoutUsableIfoFiles)
{
    const TestDvd &dvd = testDvd();
    DvdListing listing;
    const auto none = listing.addDvd(qs(dvd.discRoot + "/AUDIO_TS"), dvdChoices(kDivxProfile));
    EXPECT_FALSE(none.ifoFound);
    const auto garbage = listing.addDvd(qs(dvd.garbage), dvdChoices(kDivxProfile));
    EXPECT_TRUE(garbage.ifoFound);
    EXPECT_TRUE(garbage.rows.empty());
    EXPECT_TRUE(listing.addIfo({qs(dvd.garbage + "/VIDEO_TS/VTS_01_0.IFO")}, dvdChoices(kDivxProfile)).empty());
}

TEST(DvdListing, AddIfoListsEveryChosenFileInTheirOrder)
{
    const TestDvd &dvd = testDvd();
    DvdListing listing;
    const auto rows = listing.addIfo({qs(dvd.ifo(2)), qs(dvd.garbage + "/VIDEO_TS/VTS_01_0.IFO"), qs(dvd.ifo(1))},
                                     dvdChoices(kDivxProfile));
    EXPECT_EQ(captionsOf(rows), QStringList({"Title_01", "Title_02"}));
    EXPECT_EQ(rows[0].original.duration, "00:00:08");
    EXPECT_EQ(rows[1].original.duration, "00:00:35");
    EXPECT_EQ(listing.files().size(), 3);
}

TEST(DvdListing, ToggleRelistsWithFreshTrackChoicesAndKeepsMarksPerMode)
{
    const TestDvd &dvd = testDvd();
    const ProfileChoices choices = dvdChoices(kDivxProfile);
    DvdListing listing;
    auto rows = listing.addDvd(qs(dvd.discRoot), choices).rows;
    chooseAudioTrack(rows[0].convert, rows[0].tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(rows[0].convert, rows[0].tracks, 1, "Subtitle en (0x20)");
    EXPECT_EQ(rows[0].convert.audioStreamId, "0xc0");
    EXPECT_EQ(rows[0].convert.subtitleStreamId, "0x20");
    EXPECT_EQ(rows[0].tracks, (TrackChoice{1, 1}));
    listing.recordCheckMarks({false, true});

    const auto chapters = listing.toggleMode(choices);
    ASSERT_TRUE(chapters);
    EXPECT_EQ(listing.mode(), ListingMode::Chapters);
    EXPECT_EQ(captionsOf(*chapters),
              QStringList({"Title_01", "  Chapter_01", "  Chapter_03", "Title_04", "  Chapter_01"}));
    for (const DvdRow &r : *chapters) {
        EXPECT_EQ(r.tracks, TrackChoice{});
        EXPECT_EQ(r.convert.audioStreamId, "0x80");
        EXPECT_EQ(r.convert.subtitleStreamId, "0");
    }
    EXPECT_EQ(listing.checkMarks(5), std::vector<bool>(5, true));
    listing.recordCheckMarks({true, false, false, true, true});

    const auto titles = listing.toggleMode(choices);
    ASSERT_TRUE(titles);
    EXPECT_EQ(captionsOf(*titles), QStringList({"Title_01", "Title_02"}));
    EXPECT_EQ(listing.checkMarks(2), std::vector<bool>({false, true}));
    ASSERT_TRUE(listing.toggleMode(choices));
    EXPECT_EQ(listing.checkMarks(5), std::vector<bool>({true, false, false, true, true}));
}

TEST(DvdListing, ToggleWithoutListedFilesOnlySwitchesTheMode)
{
    DvdListing listing;
    EXPECT_FALSE(listing.toggleMode(dvdChoices(kDivxProfile)));
    EXPECT_EQ(listing.mode(), ListingMode::Chapters);
}

TEST(DvdListing, RemovedRowsTakeTheirMarksAndKeepTheirTracks)
{
    const TestDvd &dvd = testDvd();
    DvdListing listing;
    ASSERT_TRUE(listing.toggleMode(dvdChoices(kDivxProfile)) == std::nullopt);
    std::vector<DvdRow> rows = listing.addDvd(qs(dvd.discRoot), dvdChoices(kDivxProfile)).rows;
    ASSERT_EQ(rows.size(), 5u);
    listing.recordCheckMarks({true, false, true, false, true});
    const int removed[] = {1, 2};
    listing.removeRows(removed);
    rows.erase(rows.begin() + 1, rows.begin() + 3);
    EXPECT_EQ(listing.checkMarks(3), std::vector<bool>({true, false, true}));
    // Row 1 is now title set 2's title: its own tracks, not those of the
    // file whose rows once stood at its position.
    EXPECT_EQ(rows[1].caption, "Title_04");
    EXPECT_EQ(trackListsFor(listing.files(), rows[1].convert).audio, QStringList({"AC-3 en 2ch 48000Hz (0x80)"}));
}

TEST(OpticalDrive, TheMountHoldingTheFolderDecides)
{
    const QString mounts = "/dev/sda1 / ext4 rw 0 0\n"
                           "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
                           "/dev/sdb1 /media/cdrom/inner ext4 rw 0 0\n"
                           "/dev/sr1 /media/My\\040Disc udf ro 0 0\n"
                           "tmpfs /media/cdrom2 tmpfs rw 0 0\n";
    const std::pair<const char *, bool> cases[] = {
        {"/media/cdrom", true},         {"/media/cdrom/VIDEO_TS", true}, {"/media/cdrom/inner/x", false},
        {"/media/My Disc/VIDEO_TS", true}, {"/media/cdrom2", false},     {"/home/me", false}};
    for (const auto &[folder, optical] : cases)
        EXPECT_EQ(liesOnOpticalDrive(folder, mounts), optical) << folder;
}

} // namespace
