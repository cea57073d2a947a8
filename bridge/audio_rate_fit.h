#pragma once

#include <string>
#include <vector>

namespace veltrix::bridge {

// MPEG audio layer II (mp2, libtwolame) only encodes a fixed set of bit
// rates, while the converter passes whatever it computed or the source had
// (a 127 kbit/s track, a 1411 kbit/s WAV). When the arguments choose such an
// encoder, the last audio bit rate ("-ab" or "-b:a") is moved to the nearest
// rate it accepts at the chosen sample rate; other arguments pass unchanged.
std::vector<std::string> fitAudioBitRate(std::vector<std::string> args);

} // namespace veltrix::bridge
