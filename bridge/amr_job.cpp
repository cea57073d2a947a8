#include "amr_job.h"

#include "amr_encoder.h"
#include "amr_file_writer.h"
#include "command_line.h"
#include "conversion_session.h"
#include "ffmpeg_command.h"
#include "output_sink.h"
#include "progress_report.h"

#include <sys/stat.h>

namespace veltrix::bridge {

int runAmrJob(const std::string &ffmpegPath, const CommandLine &command, OutputSink &out, InputSource *input)
{
    const std::string output = *command.outputPath();

    // Same refusal, wording and exit code as ffmpeg run with -nostdin.
    struct stat st {};
    if (!command.overwrite() && lstat(output.c_str(), &st) == 0) {
        out.write("File '" + output + "' already exists. Exiting.\r\n");
        return 1;
    }

    AmrFileWriter file(output);
    std::string error;
    if (!file.open(error)) {
        out.writeCause(output + ": " + error);
        return 1;
    }
    AmrEncoder encoder(amrModeForBitRate(command.audioBitRate()));
    if (!encoder.valid()) {
        out.writeCause("cannot initialise the AMR-NB encoder");
        return 1;
    }

    bool writeFailed = false;
    std::string frames;
    PcmConsumer consumer;
    consumer.consume = [&](std::string_view pcm) {
        frames.clear();
        encoder.encode(pcm, frames);
        writeFailed = !file.append(frames);
        return !writeFailed;
    };
    consumer.bitrateText = [&](std::int64_t outTimeUs) { return formatBitrate(file.bytesWritten(), outTimeUs); };

    const int code = runConversion(ffmpegPath, ffmpegPcmArguments(command.args()), out, {&consumer, input});
    if (code == 0 && !writeFailed) {
        frames.clear();
        encoder.flush(frames);
        writeFailed = !file.append(frames);
    }
    if (writeFailed) {
        out.writeCause(output + ": " + file.error());
        return code != 0 ? code : 1;
    }
    if (code != 0)
        return code; // the writer removes the temporary file
    if (!file.commit(command.overwrite(), error)) {
        out.writeCause(output + ": " + error);
        return 1;
    }
    return 0;
}

} // namespace veltrix::bridge
