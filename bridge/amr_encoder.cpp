#include "amr_encoder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace veltrix::bridge {
namespace {

constexpr std::array<std::pair<long, Mode>, 8> kModes{{
    {4750, MR475}, {5150, MR515}, {5900, MR59}, {6700, MR67},
    {7400, MR74}, {7950, MR795}, {10200, MR102}, {12200, MR122},
}};

constexpr std::size_t kFrameBytes = AmrEncoder::kSamplesPerFrame * 2;

} // namespace

Mode amrModeForBitRate(std::optional<long> bitsPerSecond)
{
    if (!bitsPerSecond)
        return MR122;
    Mode best = MR122;
    long bestDistance = -1;
    for (const auto& [rate, mode] : kModes) {
        const long distance = std::labs(rate - *bitsPerSecond);
        if (bestDistance < 0 || distance < bestDistance) {
            best = mode;
            bestDistance = distance;
        }
    }
    return best;
}

AmrEncoder::AmrEncoder(Mode mode) : state_(Encoder_Interface_init(0)), mode_(mode) {}

AmrEncoder::~AmrEncoder()
{
    if (state_)
        Encoder_Interface_exit(state_);
}

void AmrEncoder::encode(std::string_view pcm, std::string& frames)
{
    // Whole frames straight from the input; only the remainder is copied.
    if (!pending_.empty()) {
        const std::size_t take = std::min(kFrameBytes - pending_.size(), pcm.size());
        pending_.append(pcm.substr(0, take));
        pcm.remove_prefix(take);
        if (pending_.size() < kFrameBytes)
            return;
        encodeFrame(reinterpret_cast<const unsigned char*>(pending_.data()), frames);
        pending_.clear();
    }
    while (pcm.size() >= kFrameBytes) {
        encodeFrame(reinterpret_cast<const unsigned char*>(pcm.data()), frames);
        pcm.remove_prefix(kFrameBytes);
    }
    pending_.assign(pcm);
}

void AmrEncoder::flush(std::string& frames)
{
    if (pending_.empty())
        return;
    pending_.resize(kFrameBytes, '\0');
    encodeFrame(reinterpret_cast<const unsigned char*>(pending_.data()), frames);
    pending_.clear();
}

void AmrEncoder::encodeFrame(const unsigned char* pcm, std::string& frames)
{
    std::array<short, kSamplesPerFrame> samples;
    for (int i = 0; i < kSamplesPerFrame; ++i)
        samples[i] = static_cast<short>(pcm[2 * i] | (pcm[2 * i + 1] << 8));
    std::array<unsigned char, 64> out;  // the largest frame (MR122) is 32 bytes
    const int n = Encoder_Interface_Encode(state_, mode_, samples.data(), out.data(), 0);
    if (n > 0)
        frames.append(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(n));
}

} // namespace veltrix::bridge
