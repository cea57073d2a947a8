#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrix::bridge {

class OutputSink;

// What a sound-only conversion keeps of its source beyond the sound.
struct SourceExtras {
    std::optional<int> coverStream; // the attached picture (JPEG or PNG): the cover art
    bool streamTags = false;        // the tags lie on the sound stream (Ogg, Opus), not on the file
};

// Reads them with libavformat; nothing when the input cannot be opened.
SourceExtras readSourceExtras(const std::string &input);

// Whether the output's container holds a cover (MP3, M4A, MP4, FLAC).
bool holdsCover(const std::string &outputPath);

// The arguments of an output that leaves the picture out ("-vn"), made to
// keep the source's cover where the output holds one (as an attached
// picture, never as video) and to take the sound stream's tags as the
// file's. `note` tells when a cover is left out. Other arguments are
// returned as they are.
std::vector<std::string> keepingSourceExtras(std::vector<std::string> args, const SourceExtras &extras,
                                             std::string &note);

// keepingSourceExtras for a conversion of a file, with the extras read from
// it; its note goes to `out`. A conversion with a picture of its own reads
// nothing.
std::vector<std::string> withSourceExtras(std::vector<std::string> args, OutputSink &out);

} // namespace veltrix::bridge
