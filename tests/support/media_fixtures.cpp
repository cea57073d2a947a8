#include "media_fixtures.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace veltrix::test {
namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

std::vector<std::string> splitBlanks(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

std::string trim(const std::string &s)
{
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

} // namespace

std::string makeTempDir()
{
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/veltrix-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed for " + pattern);
    return pattern;
}

TempDir::TempDir() : path_(makeTempDir()) {}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void generateMedia(const std::string &lavfiArgs, const std::string &outPath)
{
    std::vector<std::string> argv{"ffmpeg", "-y", "-hide_banner", "-loglevel", "error"};
    for (auto &w : splitBlanks(lavfiArgs))
        argv.push_back(std::move(w));
    argv.push_back(outPath);
    const ProcessResult r = runProcess(argv);
    if (r.exitCode != 0)
        throw std::runtime_error("ffmpeg could not generate " + outPath + ": " + r.output);
}

std::string ffprobeField(const std::string &path, const std::string &entries)
{
    const ProcessResult r = runProcess(
        {"ffprobe", "-v", "error", "-show_entries", entries, "-of", "default=noprint_wrappers=1:nokey=1", path});
    if (r.exitCode != 0)
        return {};
    return trim(r.output.substr(0, r.output.find('\n')));
}

std::string pictureBox(const std::string &path)
{
    const std::string log =
        runProcess({"ffmpeg", "-hide_banner", "-i", path, "-vf", "cropdetect=round=2:reset=0", "-f", "null", "-"})
            .output;
    const std::size_t at = log.rfind("crop=");
    return at == std::string::npos ? std::string() : log.substr(at + 5, log.find_first_of("\r\n", at) - at - 5);
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void writeFile(const std::string &path, const std::string &contents)
{
    std::ofstream(path, std::ios::binary) << contents;
}

ChildProcess::ChildProcess(const std::vector<std::string> &argv)
{
    int out[2], in[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return;
    if (pipe2(in, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attr, 0);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setsigmask(&attr, &none);

    std::vector<char *> args;
    for (const auto &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ) == 0)
        pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);

    close(out[1]);
    close(in[0]);
    outputFd_ = out[0];
    stdinFd_ = in[1];
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0) {
        kill(-pid_, SIGKILL);
        if (!reaped_) {
            int status = 0;
            while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    if (outputFd_ >= 0)
        close(outputFd_);
    if (stdinFd_ >= 0)
        close(stdinFd_);
}

bool ChildProcess::readSome(int timeoutMs)
{
    if (outputFd_ < 0)
        return false;
    pollfd pfd{outputFd_, POLLIN, 0};
    const int ready = poll(&pfd, 1, timeoutMs);
    if (ready <= 0)
        return ready == 0 || errno == EINTR;
    char buffer[65536];
    const ssize_t n = read(outputFd_, buffer, sizeof buffer);
    if (n > 0) {
        output_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }
    if (n < 0 && errno == EINTR)
        return true;
    close(outputFd_);
    outputFd_ = -1;
    return false;
}

bool ChildProcess::readUntil(const std::function<bool(const std::string &)> &done, std::chrono::milliseconds limit)
{
    const auto deadline = Clock::now() + limit;
    while (!done(output_)) {
        const int left = remainingMs(deadline);
        if (left == 0 || !readSome(left))
            return done(output_);
    }
    return true;
}

bool ChildProcess::readToEnd(std::chrono::milliseconds limit)
{
    readUntil([this](const std::string &) { return outputFd_ < 0; }, limit);
    return outputFd_ < 0;
}

void ChildProcess::closeOutput()
{
    if (outputFd_ >= 0)
        close(outputFd_);
    outputFd_ = -1;
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds limit)
{
    if (pid_ <= 0)
        return std::nullopt;
    const auto deadline = Clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            reaped_ = true;
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return 128 + WTERMSIG(status);
        }
        if (r < 0 && errno != EINTR)
            return std::nullopt;
        if (remainingMs(deadline) == 0)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

ProcessResult runProcess(const std::vector<std::string> &argv, std::chrono::milliseconds limit)
{
    ProcessResult result;
    ChildProcess child(argv);
    if (!child.started())
        return result;
    const auto deadline = Clock::now() + limit;
    child.readToEnd(limit);
    const auto code = child.wait(std::chrono::milliseconds(remainingMs(deadline)));
    result.exitCode = code.value_or(-1);
    result.output = child.output();
    return result;
}

bool processGroupExists(pid_t pgid)
{
    return kill(-pgid, 0) == 0 || errno == EPERM;
}

std::vector<pid_t> livingProcessesInGroup(pid_t pgid)
{
    std::vector<pid_t> found;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        // /proc/<pid>/stat: "pid (comm) state ppid pgrp ..."; comm may hold blanks.
        const std::string stat = readFile(entry.path().string() + "/stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream fields(stat.substr(close + 1));
        char state = 0;
        long ppid = 0, group = 0;
        if (!(fields >> state >> ppid >> group))
            continue;
        if (group == pgid && state != 'Z' && state != 'X')
            found.push_back(static_cast<pid_t>(std::stol(name)));
    }
    return found;
}

} // namespace veltrix::test
