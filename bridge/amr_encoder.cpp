#include "amr_encoder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace veltrix::bridge {
namespace {

constexpr std::array<std::pair<long, Mode>, 8> kModes{{
    {4750, MR475},
    {5150, MR515},
    {5900, MR59},
    {6700, MR67},
    {7400, MR74},
    {7950, MR795},
    {10200, MR102},
    {12200, MR122},
}};

constexpr std::size_t kFrameBytes = AmrEncoder::kSamplesPerFrame * 2;

} // namespace

Mode amrModeForBitRate(std::optional<long> bitsPerSecond)
{
    if (!bitsPerSecond)
        return MR122;
    Mode best = MR122;
    long bestDistance = -1;
    for (const auto &[rate, mode] : kModes) {
        const long distance = std::labs(rate - *bitsPerSecond);
        if (bestDistance < 0 || distance < bestDistance) {
            best = mode;
            bestDistance = distance;
        }
    }
    return best;
}

AmrEncoder::AmrEncoder(Mode mode) : m_state(Encoder_Interface_init(0)), m_mode(mode) {}

AmrEncoder::~AmrEncoder()
{
    if (m_state)
        Encoder_Interface_exit(m_state);
}

void AmrEncoder::encode(std::string_view pcm, std::string &frames)
{
    // Whole frames straight from the input; only the remainder is copied.
    if (!m_pending.empty()) {
        const std::size_t take = std::min(kFrameBytes - m_pending.size(), pcm.size());
        m_pending.append(pcm.substr(0, take));
        pcm.remove_prefix(take);
        if (m_pending.size() < kFrameBytes)
            return;
        encodeFrame(reinterpret_cast<const unsigned char *>(m_pending.data()), frames);
        m_pending.clear();
    }
    while (pcm.size() >= kFrameBytes) {
        encodeFrame(reinterpret_cast<const unsigned char *>(pcm.data()), frames);
        pcm.remove_prefix(kFrameBytes);
    }
    m_pending.assign(pcm);
}

void AmrEncoder::flush(std::string &frames)
{
    if (m_pending.empty())
        return;
    m_pending.resize(kFrameBytes, '\0');
    encodeFrame(reinterpret_cast<const unsigned char *>(m_pending.data()), frames);
    m_pending.clear();
}

void AmrEncoder::encodeFrame(const unsigned char *pcm, std::string &frames)
{
    std::array<short, kSamplesPerFrame> samples;
    for (int i = 0; i < kSamplesPerFrame; ++i)
        samples[i] = static_cast<short>(pcm[2 * i] | (pcm[2 * i + 1] << 8));
    std::array<unsigned char, 64> out; // the largest frame (MR122) is 32 bytes
    const int n = Encoder_Interface_Encode(m_state, m_mode, samples.data(), out.data(), 0);
    if (n > 0)
        frames.append(reinterpret_cast<const char *>(out.data()), static_cast<std::size_t>(n));
}

} // namespace veltrix::bridge
