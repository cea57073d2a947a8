#pragma once

#include <string>

namespace veltrix::bridge {

// Sends everything written to the process's standard error into memory
// while it lives, so that library messages printed there can be relayed in
// the bridge's own line format.
class CapturedStderr {
public:
    CapturedStderr();
    ~CapturedStderr(); // restores standard error
    CapturedStderr(const CapturedStderr &) = delete;
    CapturedStderr &operator=(const CapturedStderr &) = delete;

    // False when standard error could not be redirected; it then stays as it was.
    bool active() const { return m_saved >= 0; }

    // Restores standard error and returns what was written to it meanwhile.
    std::string finish();

private:
    void restore();

    int m_memory = -1;
    int m_saved = -1;
};

} // namespace veltrix::bridge
