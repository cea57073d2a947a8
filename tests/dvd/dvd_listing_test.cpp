// The DVD listing over the authored discs: finding IFO files, listing them,
// toggling the mode, check marks per mode, track lists per row.

#include "dvd/dvd_listing.h"
#include "dvd/ifo_search.h"
#include "dvd/optical_drive.h"
#include "dvd_fixture.h"
#include "dvd_test_support.h"

#include <QFileInfo>
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

TEST(IfoSearch, FindsTheTitleSetFilesOfADiscOrItsVideoTsFolder)
{
    const TestDvd &dvd = testDvd();
    const std::pair<std::string, QStringList> cases[] = {{dvd.discRoot, {"VTS_01_0.IFO", "VTS_02_0.IFO"}},
                                                         {dvd.videoTs, {"VTS_01_0.IFO", "VTS_02_0.IFO"}},
                                                         {dvd.lowerRoot, {"vts_01_0.ifo", "vts_02_0.ifo"}},
                                                         {dvd.noVobs, {"VTS_01_0.IFO"}},
                                                         {dvd.discRoot + "/AUDIO_TS", {}},
                                                         {dvd.discRoot + "/missing", {}}};
    for (const auto &[folder, names] : cases) {
        QStringList found;
        for (const QString &path : findIfoFiles(qs(folder)))
            found.append(QFileInfo(path).fileName());
        EXPECT_EQ(found, names) << folder;
    }
}

TEST(DvdListing, AddDvdListsEveryTitleSetWithItsTracks)
{
    const TestDvd &dvd = testDvd();
    DvdListing listing;
    const auto added = listing.addDvd(qs(dvd.lowerRoot), dvdChoices(kDivxProfile));
    ASSERT_TRUE(added.ifoFound);
    ASSERT_EQ(captionsOf(added.rows), QStringList({"Title_01", "Title_02"}));
    EXPECT_EQ(added.rows[0].subItems().mid(0, 2), QStringList({"720x576", "00:00:35"}));
    EXPECT_EQ(added.rows[1].subItems().mid(0, 2), QStringList({"720x576", "00:00:08"}));
    EXPECT_EQ(listing.checkMarks(2), std::vector<bool>({true, true}));

    const TrackLists first = trackListsFor(listing.files(), added.rows[0].convert);
    EXPECT_EQ(first.audio, QStringList({"AC-3 en 2ch 48000Hz (0x80)", "MPEG-1 de 2ch 48000Hz (0xc0)"}));
    EXPECT_EQ(first.subtitle, QStringList({"No Subtitle", "Subtitle en (0x20)"}));
    const TrackLists second = trackListsFor(listing.files(), added.rows[1].convert);
    EXPECT_EQ(second.audio, QStringList({"AC-3 en 2ch 48000Hz (0x80)"}));
    EXPECT_EQ(second.subtitle, QStringList({"No Subtitle"}));
    EXPECT_EQ(trackListsFor(listing.files(), TConvertInfo{}), TrackLists{}) << "a file row has no tracks";

    EXPECT_FALSE(listing.addDvd(qs(dvd.discRoot + "/AUDIO_TS"), dvdChoices(kDivxProfile)).ifoFound);
    const auto garbage = listing.addDvd(qs(dvd.garbage), dvdChoices(kDivxProfile));
    EXPECT_TRUE(garbage.ifoFound && garbage.rows.empty());
    const auto chosen = listing.addIfo({qs(dvd.ifo(2)), qs(dvd.ifo(1))}, dvdChoices(kDivxProfile));
    EXPECT_EQ(chosen[0].original.duration, "00:00:08") << "Add IFO lists in the order chosen";
}

TEST(DvdListing, ToggleRelistsWithFreshTrackChoicesAndKeepsMarksPerMode)
{
    const ProfileChoices choices = dvdChoices(kDivxProfile);
    DvdListing listing;
    EXPECT_FALSE(listing.toggleMode(choices)) << "no file listed: the rows stay";
    EXPECT_EQ(listing.mode(), ListingMode::Chapters);
    ASSERT_TRUE(listing.toggleMode(choices) == std::nullopt);

    auto rows = listing.addDvd(qs(testDvd().discRoot), choices).rows;
    chooseAudioTrack(rows[0].convert, rows[0].tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(rows[0].convert, rows[0].tracks, 1, "Subtitle en (0x20)");
    EXPECT_EQ(std::tuple(rows[0].convert.audioStreamId, rows[0].convert.subtitleStreamId),
              std::tuple(QString("0xc0"), QString("0x20")));
    EXPECT_EQ(rows[0].tracks, (TrackChoice{1, 1}));
    listing.recordCheckMarks({false, true});

    const auto chapters = listing.toggleMode(choices);
    ASSERT_TRUE(chapters);
    EXPECT_EQ(captionsOf(*chapters),
              QStringList({"Title_01", "  Chapter_01", "  Chapter_03", "Title_04", "  Chapter_01"}));
    EXPECT_EQ((*chapters)[2].subItems().mid(0, 2), QStringList({"720x576", "00:00:20"}));
    EXPECT_EQ(std::tuple((*chapters)[2].convert.clipBegin, (*chapters)[2].convert.clipEnd), std::tuple(15, 35));
    for (const DvdRow &r : *chapters)
        EXPECT_EQ(std::tuple(r.tracks, r.convert.audioStreamId), std::tuple(TrackChoice{}, QString("0x80")));
    EXPECT_EQ(listing.checkMarks(5), std::vector<bool>(5, true));
    listing.recordCheckMarks({true, false, false, true, true});

    ASSERT_TRUE(listing.toggleMode(choices));
    EXPECT_EQ(listing.checkMarks(2), std::vector<bool>({false, true}));
    ASSERT_TRUE(listing.toggleMode(choices));
    EXPECT_EQ(listing.checkMarks(5), std::vector<bool>({true, false, false, true, true}));

    // Remove rows 1 and 2: their marks go with them, and the row now at 1
    // keeps the tracks of its own title set.
    const int removed[] = {1, 2};
    listing.removeRows(removed);
    EXPECT_EQ(listing.checkMarks(3), std::vector<bool>({true, true, true}));
    EXPECT_EQ(trackListsFor(listing.files(), (*chapters)[3].convert).audio,
              QStringList({"AC-3 en 2ch 48000Hz (0x80)"}));
}

TEST(OpticalDrive, TheMountHoldingTheFolderDecides)
{
    const QString mounts = "/dev/sda1 / ext4 rw 0 0\n/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
                           "/dev/sdb1 /media/cdrom/inner ext4 rw 0 0\n/dev/sr1 /media/My\\040Disc udf ro 0 0\n";
    const std::pair<const char *, bool> cases[] = {{"/media/cdrom/VIDEO_TS", true},
                                                   {"/media/cdrom/inner/x", false},
                                                   {"/media/My Disc", true},
                                                   {"/media/cdrom2", false},
                                                   {"/home/me", false}};
    for (const auto &[folder, optical] : cases)
        EXPECT_EQ(liesOnOpticalDrive(folder, mounts), optical) << folder;
}

} // namespace
