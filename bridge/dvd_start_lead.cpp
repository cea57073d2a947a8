#include "dvd_start_lead.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace veltrix::bridge {
namespace {

constexpr std::size_t kSector = 2048;
constexpr double kClock = 90000.0;
// A lead beyond this is no interleaving offset but a timestamp jump.
constexpr double kLongestLead = 2.0;

std::uint8_t at(std::string_view data, std::size_t i)
{
    return static_cast<std::uint8_t>(data[i]);
}

std::uint32_t bigEndian32(std::string_view data, std::size_t i)
{
    return std::uint32_t(at(data, i)) << 24 | std::uint32_t(at(data, i + 1)) << 16 | std::uint32_t(at(data, i + 2)) << 8
           | at(data, i + 3);
}

bool startCode(std::string_view data, std::size_t i, std::uint8_t id)
{
    return i + 4 <= data.size() && at(data, i) == 0 && at(data, i + 1) == 0 && at(data, i + 2) == 1
           && at(data, i + 3) == id;
}

// The navigation pack: pack header, system header, then the PCI packet,
// whose VOBU start time stands 12 bytes into its data.
std::optional<std::uint32_t> vobuStartTime(std::string_view sector)
{
    if (sector.size() < kSector || !startCode(sector, 0, 0xba) || !startCode(sector, 14, 0xbb)
        || !startCode(sector, 38, 0xbf) || at(sector, 44) != 0x00)
        return std::nullopt;
    return bigEndian32(sector, 57);
}

// The PTS of a PES packet at `i` (MPEG-2 header), if it has one.
std::optional<std::int64_t> presentationTime(std::string_view data, std::size_t i)
{
    if (i + 14 > data.size() || (at(data, i + 6) & 0xc0) != 0x80 || !(at(data, i + 7) & 0x80))
        return std::nullopt;
    const std::size_t p = i + 9;
    return std::int64_t(at(data, p) & 0x0e) << 29 | std::int64_t(at(data, p + 1)) << 22
           | std::int64_t(at(data, p + 2) & 0xfe) << 14 | std::int64_t(at(data, p + 3)) << 7 | at(data, p + 4) >> 1;
}

// The stream of a sound or picture packet as ffmpeg numbers it: MPEG video
// and audio by their id, AC-3, DTS and LPCM in private stream 1 by their
// sub-stream id; nothing for other packets (subtitles, navigation).
std::optional<int> soundOrPictureStream(std::string_view data, std::size_t i, std::uint8_t id)
{
    if (id >= 0xc0 && id <= 0xef)
        return 0x100 | id;
    if (id != 0xbd || i + 9 >= data.size())
        return std::nullopt;
    const std::size_t sub = i + 9 + at(data, i + 8);
    if (sub >= data.size() || at(data, sub) < 0x80 || at(data, sub) > 0xaf)
        return std::nullopt;
    return at(data, sub);
}

// Notes the first PTS of each sound and picture stream in one pack.
void noteFirstTimes(std::string_view pack, std::map<int, std::int64_t> &firstTimes)
{
    if (pack.size() < 14 || !startCode(pack, 0, 0xba))
        return;
    std::size_t i = 14 + (at(pack, 13) & 0x07);
    while (i + 6 <= pack.size() && at(pack, i) == 0 && at(pack, i + 1) == 0 && at(pack, i + 2) == 1) {
        const std::uint8_t id = at(pack, i + 3);
        const std::size_t length = std::size_t(at(pack, i + 4)) << 8 | at(pack, i + 5);
        if (const auto stream = soundOrPictureStream(pack, i, id)) {
            if (const auto pts = presentationTime(pack, i))
                firstTimes.emplace(*stream, *pts);
        }
        i += 6 + length;
    }
}

} // namespace

double dvdStartLeadSeconds(std::string_view sectors)
{
    const std::optional<std::uint32_t> pictureStart = vobuStartTime(sectors.substr(0, kSector));
    if (!pictureStart)
        return 0.0;
    // ffmpeg's output starts at the earliest first time of any stream.
    std::map<int, std::int64_t> firstTimes;
    for (std::size_t s = 0; s + kSector <= sectors.size(); s += kSector)
        noteFirstTimes(sectors.substr(s, kSector), firstTimes);
    if (firstTimes.empty())
        return 0.0;
    std::int64_t earliest = firstTimes.begin()->second;
    for (const auto &[stream, pts] : firstTimes)
        earliest = std::min(earliest, pts);
    const double lead = (double(*pictureStart) - double(earliest)) / kClock;
    return lead > 0.0 && lead <= kLongestLead ? lead : 0.0;
}

} // namespace veltrix::bridge
