#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace veltrix::bridge {

// File descriptor numbers the child sees; ffmpeg is pointed at them with
// "pipe:<n>".
constexpr int kProgressChildFd = 3;
constexpr int kPcmChildFd = 4;
constexpr int kInputChildFd = 5;

// The pipes beyond output and progress that a run needs: raw audio from
// ffmpeg, input data to ffmpeg.
struct ExtraPipes {
    bool pcm = false;
    bool input = false;
};

// The ffmpeg program to run: $VELTRIX_FFMPEG if set, else "ffmpeg" found on
// PATH. Empty when nothing executable is found.
std::string locateFfmpeg();

// One running ffmpeg. It stays in the bridge's process group, so a signal to
// the group reaches both, and gets SIGKILL should the bridge die first. Its
// stdout and stderr share one pipe; -progress output arrives on a second
// pipe; optionally raw audio comes on a third and its input is fed through
// a fourth. Destroying a still running
// process kills and reaps it.
class FfmpegProcess {
public:
    FfmpegProcess() = default;
    ~FfmpegProcess();
    FfmpegProcess(const FfmpegProcess &) = delete;
    FfmpegProcess &operator=(const FfmpegProcess &) = delete;

    bool start(const std::string &program, const std::vector<std::string> &args, ExtraPipes extra, std::string &error);

    pid_t pid() const { return m_pid; }

    // The parent-side ends (non-blocking, -1 when not used). Ownership
    // passes to the caller, who closes them.
    struct ParentEnds {
        int diagnostics = -1;
        int progress = -1;
        int pcm = -1;
        int input = -1; // write end
    };
    ParentEnds takeParentEnds();

    // Collects the exit status without blocking; true once ffmpeg has ended.
    bool reap();
    bool exited() const { return m_exited; }
    // ffmpeg's exit code, or 128 + signal number when a signal ended it.
    int exitCode() const { return m_exitCode; }

    void sendSignal(int sig) const;

private:
    void killAndWait();

    pid_t m_pid = -1;
    bool m_exited = false;
    int m_exitCode = 255;
    int m_diagnosticsFd = -1;
    int m_progressFd = -1;
    int m_pcmFd = -1;
    int m_inputFd = -1;
};

} // namespace veltrix::bridge
