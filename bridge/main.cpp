// SPDX-License-Identifier: GPL-3.0-or-later
// register.dat: runs Debian's ffmpeg for the converter and reports in the
// line format the converter reads (CR LF description lines, CR-terminated
// "time=... bitrate=..." progress lines); describes a probe's input itself
// with libavformat, encodes AMR-NB itself and reads DVD titles for ffmpeg.

#include "amr_job.h"
#include "command_line.h"
#include "conversion_session.h"
#include "dvd_input.h"
#include "ffmpeg_command.h"
#include "ffmpeg_process.h"
#include "input_probe.h"
#include "output_sink.h"
#include "source_extras.h"
#include "termination_signals.h"

#include "engine/encoder_identity.h"

#include <string>
#include <string_view>
#include <unistd.h>

int main(int argc, char *argv[])
{
    using namespace veltrix::bridge;

    installSignalHandling();
    OutputSink out(STDOUT_FILENO);

    if (argc == 2 && std::string_view(argv[1]) == kEncoderIdentityOption) {
        out.write(std::string(kEncoderIdentity) + "\n");
        return 0;
    }

    ResolvedInput input = resolveDvdJobInput(std::vector<std::string>(argv + 1, argv + argc));
    if (!input.error.empty()) {
        out.writeCause(input.error);
        return 1;
    }
    const CommandLine command(std::move(input.args));

    // Checked before anything reads a rate: ffmpeg would refuse such a rate
    // anyway, and rounding it would overflow.
    if (const auto error = command.bitRateError()) {
        out.write(*error);
        return 1;
    }
    if (const auto probed = command.probeInput())
        return runProbe(*probed, out);

    const std::string ffmpeg = locateFfmpeg();
    if (ffmpeg.empty()) {
        out.writeCause("ffmpeg not found (install ffmpeg or set VELTRIX_FFMPEG)");
        return 127;
    }

    if (command.wantsAmrOutput())
        return runAmrJob(ffmpeg, command, out, input.feed.get());
    // A DVD title has no cover and no tags to keep.
    const std::vector<std::string> args = input.feed ? command.args() : withSourceExtras(command.args(), out);
    return runConversion(ffmpeg, ffmpegArguments(args), out, {nullptr, input.feed.get()});
}
