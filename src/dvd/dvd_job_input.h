#pragma once
// The input of a DVD job: the text the DVD title start puts where a file
// job has its source path, and register.dat reads. It names the DVD, the
// title set, the sectors to play, the audio and subtitle streams, the
// subtitle colours and the clip:
//
//   veltrix-dvd:root=/media/DVD&vts=1&cells=0-1502,1503-2247&audio=0x80
//     &subtitle=0x20&palette=ffff00,...(16)&begin=5&end=20
//
// The root is percent-encoded; the palette is written only with a subtitle;
// begin and end are absent when the clip runs from the start or to the end.
// Plain C++ (no Qt), shared by both programs.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SectorRange {
    std::uint32_t first = 0; // sector within the title set's VOB data
    std::uint32_t last = 0;  // inclusive
    bool operator==(const SectorRange &) const = default;
};

struct DvdJobInput {
    std::string root;                                     // the folder libdvdread opens as the DVD
    int titleSet = 0;                                     // 1..99
    std::vector<SectorRange> cells;                       // played in this order
    int audioStream = 0;                                  // MPEG-PS stream id (0x80 AC-3, 0xc0 MPEG, ...); 0: no audio
    int subtitleStream = 0;                               // 0x20..0x3f; 0: no subtitle
    std::optional<std::array<std::uint32_t, 16>> palette; // subtitle colours, 0xRRGGBB
    std::optional<int> begin;                             // seconds from the start of the first cell
    std::optional<int> end;                               // seconds from the start of the first cell
    bool operator==(const DvdJobInput &) const = default;
};

// True when the text is meant as a DVD job input (it starts with the
// "veltrix-dvd:" mark), well-formed or not.
bool isDvdJobInput(std::string_view text);

std::string formatDvdJobInput(const DvdJobInput &input);

// nullopt when the text is not a complete, valid DVD job input: no mark,
// no root, a title set outside 1..99, no cells, a cell ending before it
// starts, a stream id out of range, a palette of other than 16 colours, a
// negative begin, an end not after the begin, an unknown key.
std::optional<DvdJobInput> parseDvdJobInput(std::string_view text);
