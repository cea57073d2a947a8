#pragma once
// What a conversion of the test DVD wrote, measured: the tone of its sound,
// the subtitle in its picture, its length.

#include <string>

namespace veltrix::test {

// The tone between 2 s and 6 s, from the zero crossings, in Hz.
double toneOf(const std::string &media);

// How many points inside the subtitle box (clear of its edges) of the frame
// at `second`, scaled back to the disc's size, show the subtitle's colour;
// -1 when no frame could be read.
int subtitlePointsAt(const std::string &media, int second);
inline constexpr int kSubtitlePoints = 4 * 8; // rows x columns sampled

// The length ffprobe reads; -1 when it reads none.
double durationOf(const std::string &media);

} // namespace veltrix::test
