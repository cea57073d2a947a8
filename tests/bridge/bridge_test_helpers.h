#pragma once

#include "media_fixtures.h"

#include <regex>
#include <string>
#include <vector>

namespace veltrix::test {

inline std::string registerDat()
{
    return std::string(VELTRIX_BIN_DIR) + "/register.dat";
}

// Runs register.dat with `args` and returns its merged output.
inline ProcessResult runBridge(std::vector<std::string> args)
{
    args.insert(args.begin(), registerDat());
    return runProcess(args);
}

// The progress lines in `output`: "time=S.hh bitrate=...\r" not followed by
// LF. Returns the times.
inline std::vector<double> progressTimes(const std::string &output)
{
    static const std::regex line(R"(time=(\d+\.\d\d) bitrate=[^\r\n]*\r)");
    std::vector<double> times;
    for (std::sregex_iterator it(output.begin(), output.end(), line), end; it != end; ++it) {
        const auto after = static_cast<std::size_t>(it->position() + it->length());
        if (after < output.size() && output[after] == '\n')
            continue;
        times.push_back(std::stod((*it)[1].str()));
    }
    return times;
}

// True when every LF in `output` comes right after a CR.
inline bool everyLineFeedAfterCr(const std::string &output)
{
    for (std::size_t i = output.find('\n'); i != std::string::npos; i = output.find('\n', i + 1)) {
        if (i == 0 || output[i - 1] != '\r')
            return false;
    }
    return true;
}

} // namespace veltrix::test
