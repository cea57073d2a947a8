// A DVD row's sectors read as one stream from a DVD folder authored by the
// test: the bytes are those of the title VOBs at the listed sectors, in
// pieces of any size, after seeks, across range boundaries; unusable rows
// and discs are refused with a reason.

#include "platform/preview/dvd_sector_stream.h"

#include "media_fixtures.h"
#include "preview_dvd.h"

#include <gtest/gtest.h>
#include <memory>

using namespace veltrix::test;

namespace {

class DvdSectorStreamTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<TempDir>();
        s_dvd = authoredDvd();
        s_vob = readFile(s_dvd.vobPath);
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    static DvdPreviewSource source(std::vector<DvdSectorRange> sectors)
    {
        return DvdPreviewSource{QString::fromStdString(s_dvd.folder), 1, std::move(sectors), 0x80, -1};
    }
    // The VOB bytes of the ranges, one after another.
    static std::string expectedBytes(const std::vector<DvdSectorRange> &sectors)
    {
        std::string bytes;
        for (const DvdSectorRange &r : sectors)
            bytes += s_vob.substr(size_t(r.first) * 2048, size_t(r.last - r.first + 1) * 2048);
        return bytes;
    }
    static std::string readAll(DvdSectorStream &stream, qint64 piece)
    {
        std::string bytes;
        std::vector<char> buffer(static_cast<size_t>(piece));
        for (qint64 n; (n = stream.read(buffer.data(), piece)) > 0;)
            bytes.append(buffer.data(), size_t(n));
        return bytes;
    }

    static inline std::unique_ptr<TempDir> s_dir;
    static inline AuthoredDvd s_dvd;
    static inline std::string s_vob;
};

struct PieceCase {
    const char *name;
    qint64 piece;
};

class DvdSectorStreamPieces : public DvdSectorStreamTest, public ::testing::WithParamInterface<PieceCase> {};

TEST_P(DvdSectorStreamPieces, ReadsTheListedSectorsInOrder)
{
    ASSERT_GT(s_dvd.vobSectors, 100);
    const std::vector<DvdSectorRange> sectors = {{3, 40}, {60, 61}, {70, s_dvd.vobSectors - 1}};
    DvdSectorStream stream(source(sectors));
    ASSERT_TRUE(stream.isOpen()) << stream.errorText().toStdString();
    const std::string expected = expectedBytes(sectors);
    EXPECT_EQ(stream.size(), qint64(expected.size()));
    const std::string read = readAll(stream, GetParam().piece);
    ASSERT_EQ(read.size(), expected.size());
    EXPECT_TRUE(read == expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DvdSectorStreamPieces,
                         ::testing::Values(PieceCase{"OddBytes", 1000}, PieceCase{"OneSector", 2048},
                                           PieceCase{"Megabyte", 1 << 20}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(DvdSectorStreamTest, SeeksAnywhereInTheStream)
{
    const std::vector<DvdSectorRange> sectors = {{10, 19}, {50, 59}};
    DvdSectorStream stream(source(sectors));
    ASSERT_TRUE(stream.isOpen()) << stream.errorText().toStdString();
    const std::string expected = expectedBytes(sectors);
    for (const qint64 offset : {qint64(30000), qint64(5), qint64(10 * 2048 - 100), stream.size() - 10}) {
        ASSERT_TRUE(stream.seek(offset));
        char buffer[300];
        const qint64 n = stream.read(buffer, sizeof buffer);
        ASSERT_GT(n, 0) << offset;
        EXPECT_EQ(std::string(buffer, size_t(n)), expected.substr(size_t(offset), size_t(n))) << offset;
    }
    EXPECT_TRUE(stream.seek(stream.size()));
    char byte;
    EXPECT_EQ(stream.read(&byte, 1), 0) << "the end";
    EXPECT_FALSE(stream.seek(stream.size() + 1));
    EXPECT_FALSE(stream.seek(-1));
}

struct RefusedCase {
    const char *name;
    int titleSet;
    std::vector<DvdSectorRange> sectors;
    bool missingFolder;
    const char *reasonHolds;
};

class DvdSectorStreamRefusal : public DvdSectorStreamTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(DvdSectorStreamRefusal, SaysWhy)
{
    DvdPreviewSource refused = source(GetParam().sectors);
    refused.titleSet = GetParam().titleSet;
    if (GetParam().missingFolder)
        refused.dvdFolder = QString::fromStdString(s_dir->file("no-such-dvd"));
    DvdSectorStream stream(refused);
    EXPECT_FALSE(stream.isOpen());
    EXPECT_TRUE(stream.errorText().contains(QString::fromLatin1(GetParam().reasonHolds)))
        << stream.errorText().toStdString();
    char byte;
    EXPECT_EQ(stream.read(&byte, 1), -1);
}

INSTANTIATE_TEST_SUITE_P(Rows, DvdSectorStreamRefusal,
                         ::testing::Values(RefusedCase{"NoSectors", 1, {}, false, "no sectors"},
                                           RefusedCase{"Inverted", 1, {{20, 10}}, false, "no valid range"},
                                           RefusedCase{"Negative", 1, {{-1, 10}}, false, "no valid range"},
                                           RefusedCase{"BeyondTheTitleSet", 1, {{0, 1000000}}, false, "beyond"},
                                           RefusedCase{"MissingTitleSet", 7, {{0, 10}}, false, "title set 7"},
                                           RefusedCase{"MissingFolder", 1, {{0, 10}}, true, "cannot be opened"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
