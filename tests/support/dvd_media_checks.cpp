#include "dvd_media_checks.h"

#include "dvd_fixture.h"
#include "media_fixtures.h"

#include <cstdint>
#include <cstdlib>

namespace veltrix::test {

double toneOf(const std::string &media)
{
    const std::string pcm = runProcess({"ffmpeg", "-v", "error", "-ss", "2", "-t", "4", "-i", media, "-ac", "1", "-ar",
                                        "16000", "-f", "s16le", "-"})
                                .output;
    const auto *samples = reinterpret_cast<const std::int16_t *>(pcm.data());
    const std::size_t count = pcm.size() / 2;
    int crossings = 0;
    for (std::size_t i = 1; i < count; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return count ? crossings / 2.0 / (count / 16000.0) : 0.0;
}

int subtitlePointsAt(const std::string &media, int second)
{
    const TestDvdFacts &f = testDvd().facts;
    const std::string rgb =
        runProcess({"ffmpeg", "-v", "error", "-ss", std::to_string(second), "-i", media, "-frames:v", "1", "-s",
                    std::to_string(f.width) + "x" + std::to_string(f.height), "-f", "rawvideo", "-pix_fmt", "rgb24",
                    "-"})
            .output;
    if (rgb.size() != std::size_t(f.width) * f.height * 3)
        return -1;
    int coloured = 0;
    for (int y = f.subtitleY + 10; y < f.subtitleY + f.subtitleHeight - 10; y += 5) {
        for (int x = f.subtitleX + 12; x < f.subtitleX + f.subtitleWidth - 12; x += 6) {
            bool near = true;
            for (int c = 0; c < 3; ++c) {
                const int got = static_cast<unsigned char>(rgb[(std::size_t(y) * f.width + x) * 3 + c]);
                near = near && std::abs(got - int(f.subtitleRgb >> (16 - 8 * c) & 0xff)) < 40;
            }
            coloured += near;
        }
    }
    return coloured;
}

double durationOf(const std::string &media)
{
    const std::string text = ffprobeField(media, "format=duration");
    return text.empty() ? -1 : std::stod(text);
}

} // namespace veltrix::test
