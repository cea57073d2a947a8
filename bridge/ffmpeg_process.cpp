#include "ffmpeg_process.h"

#include "termination_signals.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace veltrix::bridge {
namespace {

bool isExecutableFile(const std::string &path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string searchPath(const std::string &name)
{
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? name : std::string();
    const char *path = std::getenv("PATH");
    std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
        if (isExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

void closeFd(int &fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// A pipe whose child end is moved above the descriptor numbers the child
// will use, so the dup2() calls in the child cannot overwrite each other.
// The parent's end is non-blocking. `childWrites` tells the direction.
bool makeChildPipe(int &parentEnd, int &childEnd, bool childWrites = true)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const int child = childWrites ? 1 : 0;
    parentEnd = fds[1 - child];
    childEnd = fcntl(fds[child], F_DUPFD_CLOEXEC, 10);
    close(fds[child]);
    if (childEnd < 0) {
        closeFd(parentEnd);
        return false;
    }
    fcntl(parentEnd, F_SETFL, fcntl(parentEnd, F_GETFL) | O_NONBLOCK);
    return true;
}

// Input data flows better through a larger pipe: fewer wake-ups per second.
constexpr int kInputPipeBytes = 1 << 20;

// The child's ends of its pipes; -1 for a pipe it does not get.
struct ChildEnds {
    int input;       // its standard input (/dev/null)
    int diagnostics; // its standard output and error
    int progress, pcm, media;
};

// In the forked child, with everything prepared before fork(): puts its
// pipe ends in place and runs the program, in the bridge's process group on
// purpose. Never returns.
[[noreturn]] void runChild(const std::string &program, const std::vector<char *> &argv, const ChildEnds &ends,
                           pid_t parent, const std::string &execFailure)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(255); // the bridge is already gone
    dup2(ends.input, STDIN_FILENO);
    dup2(ends.diagnostics, STDOUT_FILENO);
    dup2(ends.diagnostics, STDERR_FILENO);
    dup2(ends.progress, kProgressChildFd);
    for (const auto &[from, to] : {std::pair{ends.pcm, kPcmChildFd}, std::pair{ends.media, kInputChildFd}}) {
        if (from >= 0)
            dup2(from, to);
        else
            close(to);
    }
    close_range(static_cast<unsigned>(kInputChildFd + 1), ~0U, 0);
    resetSignalsInChild();
    execv(program.c_str(), argv.data());
    [[maybe_unused]] const ssize_t n = write(STDERR_FILENO, execFailure.data(), execFailure.size());
    _exit(127);
}

} // namespace

std::string locateFfmpeg()
{
    const char *configured = std::getenv("VELTRIX_FFMPEG");
    return searchPath(configured && *configured ? configured : "ffmpeg");
}

FfmpegProcess::~FfmpegProcess()
{
    killAndWait();
    closeFd(m_diagnosticsFd);
    closeFd(m_progressFd);
    closeFd(m_pcmFd);
    closeFd(m_inputFd);
}

bool FfmpegProcess::start(const std::string &program, const std::vector<std::string> &args, ExtraPipes extra,
                          std::string &error)
{
    int diagWrite = -1, progressWrite = -1, pcmWrite = -1, inputRead = -1;
    const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
    bool ok = devNull >= 0 && makeChildPipe(m_diagnosticsFd, diagWrite) && makeChildPipe(m_progressFd, progressWrite)
              && (!extra.pcm || makeChildPipe(m_pcmFd, pcmWrite))
              && (!extra.input || makeChildPipe(m_inputFd, inputRead, false));
    if (!ok) {
        error = std::string("cannot create pipes: ") + std::strerror(errno);
        for (int fd : {devNull, diagWrite, progressWrite, pcmWrite, inputRead})
            if (fd >= 0)
                close(fd);
        return false;
    }
    if (m_inputFd >= 0)
        fcntl(m_inputFd, F_SETPIPE_SZ, kInputPipeBytes);

    // Everything the child touches is prepared before fork().
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    const std::string execFailure = "register.dat: cannot run " + program + "\n";
    const pid_t parent = getpid();

    int forkErrno = 0;
    {
        SignalBlock block;
        m_pid = fork();
        forkErrno = errno;
        if (m_pid == 0)
            runChild(program, argv, {devNull, diagWrite, progressWrite, pcmWrite, inputRead}, parent, execFailure);
    }

    for (int fd : {devNull, diagWrite, progressWrite, pcmWrite, inputRead})
        if (fd >= 0)
            close(fd);

    if (m_pid < 0) {
        error = std::string("cannot start ffmpeg: ") + std::strerror(forkErrno);
        return false;
    }
    // A termination request that came before the child existed still counts.
    if (terminationRequested())
        sendSignal(signalForFfmpeg());
    return true;
}

FfmpegProcess::ParentEnds FfmpegProcess::takeParentEnds()
{
    ParentEnds ends{m_diagnosticsFd, m_progressFd, m_pcmFd, m_inputFd};
    m_diagnosticsFd = m_progressFd = m_pcmFd = m_inputFd = -1;
    return ends;
}

bool FfmpegProcess::reap()
{
    if (m_exited || m_pid <= 0)
        return m_exited;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(m_pid, &status, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == m_pid) {
        m_exited = true;
        if (WIFEXITED(status))
            m_exitCode = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            m_exitCode = 128 + WTERMSIG(status);
    }
    return m_exited;
}

void FfmpegProcess::sendSignal(int sig) const
{
    if (m_pid > 0 && !m_exited)
        kill(m_pid, sig);
}

void FfmpegProcess::killAndWait()
{
    if (m_pid <= 0 || m_exited)
        return;
    kill(m_pid, SIGKILL);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_exited = true;
}

} // namespace veltrix::bridge
