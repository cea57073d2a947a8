#pragma once

#include <string>
#include <vector>

namespace veltrix::bridge {

// Hook for DVD jobs: a job whose input is a DVD title will be rewritten here
// into arguments ffmpeg can read (the title's VOB data fed to ffmpeg). DVD
// input is not supported yet, so the arguments pass through unchanged.
std::vector<std::string> resolveDvdJobInput(std::vector<std::string> args);

} // namespace veltrix::bridge
