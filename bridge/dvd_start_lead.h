#pragma once

#include <cstddef>
#include <string_view>

namespace veltrix::bridge {

// How long the sound of a DVD cell starts before its picture.
//
// A cell's data begins with the picture of its first frame, but the sound
// packets beside it run some tenths of a second ahead of it (they belong to
// the end of the previous cell). ffmpeg starts its output at the earliest
// packet, so a chapter would open with that sound over a frozen first frame.
// The picture's start is the navigation pack's VOBU start time (the cell's
// first sector); ffmpeg's start is the earliest of the first times of the
// sound and picture streams, read from the packet headers. `sectors` are the
// first whole 2048-byte sectors of the cell.
// Returns the seconds to skip at the output's start; 0 when the data does
// not start with a navigation pack or the picture does not start later.
double dvdStartLeadSeconds(std::string_view sectors);

} // namespace veltrix::bridge
