#pragma once

#include <string>

namespace veltrix::bridge {

// Sends everything written to the process's standard error into memory
// while it lives, so that library messages printed there can be relayed in
// the bridge's own line format.
class CapturedStderr {
public:
    CapturedStderr();
    ~CapturedStderr();  // restores standard error
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;

    // False when standard error could not be redirected; it then stays as it was.
    bool active() const { return saved_ >= 0; }

    // Restores standard error and returns what was written to it meanwhile.
    std::string finish();

private:
    void restore();

    int memory_ = -1;
    int saved_ = -1;
};

} // namespace veltrix::bridge
