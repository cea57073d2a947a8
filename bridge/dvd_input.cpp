#include "dvd_input.h"

namespace veltrix::bridge {

std::vector<std::string> resolveDvdJobInput(std::vector<std::string> args)
{
    return args;
}

} // namespace veltrix::bridge
