#pragma once

#include "conversion_session.h"
#include "dvd/dvd_job_input.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace veltrix::bridge {

// The input of a job. For a DVD job ("-i veltrix-dvd:..."): the arguments
// rewritten for ffmpeg and the title's data, read from the DVD, to feed it.
// For any other job the arguments as given and no feed.
struct ResolvedInput {
    std::vector<std::string> args;
    std::unique_ptr<InputSource> feed;
    std::string error; // why a DVD job cannot run; the job then fails
};
ResolvedInput resolveDvdJobInput(std::vector<std::string> args);

// The caller's arguments with the DVD job input at `inputAt` (the index of
// its text, after "-i") replaced: ffmpeg reads the title from its input
// pipe, probing far enough for streams that start late; the subtitle's
// colours go to its decoder. Then the clip, whose start also skips the
// `startLead` seconds of sound ahead of the first picture (see
// dvdStartLeadSeconds), and the streams to take: the
// video with the chosen subtitle burned in (the caller's -vf filters then
// follow the overlay in its graph), unless the arguments hold -vn (ffmpeg
// would ignore -vn beside explicit maps), and the chosen audio track,
// unless they hold -an. A stream copy ("-c copy") takes the title's chosen
// streams only (its "-map 0" goes) and keeps the subtitle as a stream.
std::vector<std::string> dvdFfmpegArguments(const std::vector<std::string> &args, std::size_t inputAt,
                                            const DvdJobInput &input, double startLead = 0.0);

} // namespace veltrix::bridge
