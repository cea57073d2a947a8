#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrix::bridge {

// The ffmpeg-style arguments register.dat was started with, and the few
// facts the bridge itself needs from them.
class CommandLine {
public:
    explicit CommandLine(std::vector<std::string> args);

    const std::vector<std::string> &args() const { return m_args; }

    // The last argument when it names an output file; a bare probe
    // ("-i file") has none.
    std::optional<std::string> outputPath() const;

    // The input of a probe run: the file of "-i <file>" when those two
    // arguments are all there is.
    std::optional<std::string> probeInput() const;

    // True when -y was given (overwrite without asking).
    bool overwrite() const;

    // The audio bit rate of the last -ab / -b:a option, in bit/s.
    std::optional<long> audioBitRate() const;

    // ffmpeg's kind of message for the first -ab / -b:a value that is a
    // number but no usable rate (negative, not finite or above
    // kMaxBitRate); nothing when every such value is usable or left for
    // ffmpeg to judge ("128k" is usable, "abc" is ffmpeg's to refuse).
    std::optional<std::string> bitRateError() const;

    // True when the output is an AMR-NB file (".amr", any letter case).
    bool wantsAmrOutput() const;

private:
    std::vector<std::string> m_args;
};

// Whether one of the arguments is exactly `option`.
bool holdsArgument(const std::vector<std::string> &args, const char *option);

// The text after a path's last ".", in lower case; empty without one.
std::string lowerExtension(const std::string &path);

// The highest bit rate register.dat passes on, in bit/s.
constexpr double kMaxBitRate = 1e9;

// Reads an ffmpeg bit rate value ("12200", "128k", "12.2k", "1M") in bit/s,
// unrounded and unchecked; nothing when the text is no such value.
std::optional<double> readBitRate(const std::string &text);

// A bit rate value rounded to whole bit/s; nothing when it cannot be read
// or lies outside 0 to kMaxBitRate.
std::optional<long> parseBitRate(const std::string &text);

} // namespace veltrix::bridge
