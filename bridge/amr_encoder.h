#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <opencore-amrnb/interf_enc.h>

namespace veltrix::bridge {

// The AMR-NB mode whose bit rate is nearest to the requested one; MR122
// when no rate was asked for.
Mode amrModeForBitRate(std::optional<long> bitsPerSecond);

// AMR-NB encoding of 8 kHz mono signed 16-bit little-endian PCM with
// libopencore-amrnb, in frames of 160 samples (20 ms). Output frames are in
// the storage format of .amr files (a table-of-contents byte per frame).
class AmrEncoder {
public:
    explicit AmrEncoder(Mode mode);
    ~AmrEncoder();
    AmrEncoder(const AmrEncoder &) = delete;
    AmrEncoder &operator=(const AmrEncoder &) = delete;

    bool valid() const { return m_state != nullptr; }

    // Appends the frames completed by this PCM to `frames`; an incomplete
    // frame waits for more input.
    void encode(std::string_view pcm, std::string &frames);
    // Encodes what is left, padded with silence to a whole frame.
    void flush(std::string &frames);

    static constexpr int kSamplesPerFrame = 160;

private:
    void encodeFrame(const unsigned char *pcm, std::string &frames);

    void *m_state;
    Mode m_mode;
    std::string m_pending;
};

} // namespace veltrix::bridge
