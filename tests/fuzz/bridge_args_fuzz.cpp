// register.dat's handling of its own arguments: the facts it reads from them
// (output file, overwrite, audio bit rate, AMR output), the AMR mode choice,
// the fitting of an audio rate to fixed-rate encoders and the ffmpeg argument
// vectors. The input is an argument vector, arguments separated by NUL bytes.
// - A bit rate read is never negative, and a whole number of bit/s written
//   out reads back as itself.
// - A number given as an audio rate that is no usable rate (negative, not
//   finite, too high) is refused before anything runs, with a message that
//   names the first such value; a command line without one is not refused.
// - Fitting an audio rate changes at most that one value, to a rate the
//   encoder accepts; the ffmpeg vectors carry the caller's arguments in order.

#include "fuzz_support.h"

#include "amr_encoder.h"
#include "audio_rate_fit.h"
#include "command_line.h"
#include "ffmpeg_command.h"

#include <algorithm>
#include <string>

using namespace veltrix::fuzz;
using namespace veltrix::bridge;

namespace {

constexpr long kAllowedLayer2Rates[] = {8,   16,  24,  32,  40,  48,  56,  64,  80, 96,
                                        112, 128, 144, 160, 192, 224, 256, 320, 384};

bool isLayer2Rate(const std::string &text)
{
    return std::any_of(std::begin(kAllowedLayer2Rates), std::end(kAllowedLayer2Rates),
                       [&](long kbits) { return text == std::to_string(kbits * 1000); });
}

void checkBitRates(const std::vector<std::string> &args)
{
    for (const std::string &arg : args) {
        const std::optional<long> rate = parseBitRate(arg);
        FUZZ_EXPECT(!rate || *rate >= 0, "a bit rate read is never negative");
        if (rate && *rate <= 1'000'000'000)
            FUZZ_EXPECT(parseBitRate(std::to_string(*rate)) == rate, "a whole rate written out reads back");
    }
}

void checkRefusal(const CommandLine &command, const std::vector<std::string> &args)
{
    const std::optional<std::string> error = command.bitRateError();
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] != "-ab" && args[i] != "-b:a")
            continue;
        if (readBitRate(args[i + 1]) && !parseBitRate(args[i + 1])) {
            FUZZ_EXPECT(error && error->find("to value " + args[i + 1] + ".\r\n") != std::string::npos,
                        "an unusable rate is refused with a message naming it");
            return;
        }
    }
    FUZZ_EXPECT(!error, "a command line without an unusable rate is not refused");
}

void checkFit(const std::vector<std::string> &args)
{
    const std::vector<std::string> fitted = fitAudioBitRate(args);
    FUZZ_EXPECT(fitted.size() == args.size(), "fitting keeps the number of arguments");
    for (std::size_t i = 0; i < args.size(); ++i)
        if (fitted[i] != args[i])
            FUZZ_EXPECT(i > 0 && (args[i - 1] == "-ab" || args[i - 1] == "-b:a") && isLayer2Rate(fitted[i]),
                        "fitting only moves an audio rate, to one the encoder accepts");
}

void checkFfmpegVectors(const std::vector<std::string> &args)
{
    const std::vector<std::string> conversion = ffmpegArguments(args);
    FUZZ_EXPECT(conversion.size() >= args.size(), "the conversion vector holds the caller's arguments");
    const std::vector<std::string> fitted = fitAudioBitRate(args);
    FUZZ_EXPECT(std::equal(fitted.rbegin(), fitted.rend(), conversion.rbegin()),
                "the caller's arguments come last, in order");

    const std::vector<std::string> pcm = ffmpegPcmArguments(args);
    if (!args.empty())
        FUZZ_EXPECT(std::search(pcm.begin(), pcm.end(), args.begin(), args.end() - 1) != pcm.end(),
                    "the PCM vector holds the caller's arguments but the output");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args;
    for (const QByteArray &field :
         fieldsOf(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))))
        args.push_back(field.toStdString());

    const CommandLine command(args);
    if (const std::optional<std::string> output = command.outputPath())
        FUZZ_EXPECT(!args.empty() && *output == args.back(), "the output is the last argument");
    command.overwrite();
    command.wantsAmrOutput();
    const std::optional<long> audioRate = command.audioBitRate();
    FUZZ_EXPECT(!audioRate || *audioRate >= 0, "an audio rate is never negative");
    amrModeForBitRate(audioRate);
    checkRefusal(command, args);

    checkBitRates(args);
    checkFit(args);
    checkFfmpegVectors(args);
    return 0;
}
