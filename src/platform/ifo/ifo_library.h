#pragma once
// The IFO information library: what one title-set information file
// (VTS_nn_0.IFO) says about its titles, cells, picture, audio and subtitle
// tracks, read with libdvdread. A handle is a positive number, 0 meaning
// failure; the functions take handles that ifoOpen returned. For one thread
// (the main thread): the handles are kept in one unguarded table.
//
// The names live in their own namespace because libdvdread's own C functions
// are called ifoOpen and ifoClose too.

#include <cstdint>
#include <string_view>

namespace ifolib {

#pragma pack(push, 1)
// A title's playing time: plain numbers (not BCD); frames within the second.
struct TitleTime {
    std::uint8_t hours = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t frames = 0;
};

// One cell of a title, 17 bytes: sectors relative to the title set's VOB
// data, its playing time as plain numbers.
struct CellRecord {
    std::uint32_t firstSector = 0;
    std::uint32_t lastSector = 0;
    std::uint8_t reserved[5] = {};
    std::uint8_t hours = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t frames = 0;
};
#pragma pack(pop)
static_assert(sizeof(TitleTime) == 4);
static_assert(sizeof(CellRecord) == 17);

// Opens the .ifo file at `path` (UTF-8): its folder is opened as a DVD and
// the title set named by the file name ("VTS_nn_0.IFO", any letter case) is
// read from it; no VIDEO_TS.IFO is needed. `flags` is unused (pass 0).
// Returns 0 when the file is not a readable title-set information file.
std::int32_t ifoOpen(const char *path, std::int32_t flags);
// Releases a handle and everything it holds; 0 and unknown handles are ignored.
void ifoClose(std::int32_t handle);

// Number of titles (program chains) of the title set.
std::int32_t ifoGetNumPGCI(std::int32_t handle);

// Number of audio tracks, and the description of track `index` (from 0):
// "AC-3 en 2ch 48000Hz (0x80)". The text always ends with the track's
// stream id in parentheses, four characters: AC-3 0x80+n, DTS 0x88+n, LPCM
// 0xa0+n, MPEG audio 0xc0+n. The text stays valid until the next
// description call on the handle; "" for an index out of range.
std::int32_t ifoGetNumAudio(std::int32_t handle);
const char *ifoGetAudioDesc(std::int32_t handle, std::int32_t index);

// Number of subtitle (sub-picture) tracks, and the description of track
// `index`: "Subtitle en (0x20)", stream id 0x20+n.
std::int32_t ifoGetNumSubPic(std::int32_t handle);
const char *ifoGetSubPicDesc(std::int32_t handle, std::int32_t index);

// The number of cells of title `title` (from 0) and its playing time. Cells
// are counted in playback order; of an angle block only the first angle's
// cell counts. -1 for a title out of range.
std::int32_t ifoGetPGCIInfo(std::int32_t handle, std::int32_t title, TitleTime *time);
// Fills at most `capacity` records with the cells of the title, in the same
// order; returns how many it filled.
std::int32_t ifoGetPGCICells(std::int32_t handle, std::int32_t title, CellRecord *cells, std::int32_t capacity);

// The picture: "MPEG-2 720x576 PAL 4:3"; the second word is always WxH.
const char *ifoGetVideoDesc(std::int32_t handle);

// The title's 16-colour subtitle palette as the disc stores it, one
// 0x00YYCrCb value per entry. False for a title out of range.
bool ifoGetPGCIPalette(std::int32_t handle, std::int32_t title, std::uint32_t palette[16]);

// The title-set number of an IFO file name: "VTS_07_0.IFO" (any letter
// case) gives 7; any other name gives 0.
int titleSetOfIfoName(std::string_view fileName);

} // namespace ifolib
