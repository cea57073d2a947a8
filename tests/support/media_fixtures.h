#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace veltrix::test {

// A new private folder under $TMPDIR (or /tmp).
std::string makeTempDir();

// A temporary folder removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Runs `ffmpeg -y -hide_banner -loglevel error <lavfiArgs> <outPath>`, the
// arguments split at blanks (e.g. "-f lavfi -i sine=frequency=440:duration=3").
// Throws std::runtime_error with ffmpeg's messages when it fails.
void generateMedia(const std::string &lavfiArgs, const std::string &outPath);

// One value from ffprobe, e.g. ffprobeField(f, "format=duration") or
// ffprobeField(f, "stream=codec_name"); the first value, or "" on failure.
std::string ffprobeField(const std::string &path, const std::string &entries);

// Where the picture of a video lies inside its black bars, as ffmpeg's
// cropdetect reads it: "width:height:left:top" ("960:720:160:0"); "" when
// nothing was read.
std::string pictureBox(const std::string &path);

// Reads a whole file; "" when it cannot be read.
std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &contents);

// A child process in its own process group, its stdout and stderr merged
// into one captured stream, its stdin a pipe that never receives data (as
// the converter runs its helpers). Destroying it while anything in the
// group still runs kills the whole group.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string> &argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    pid_t processGroup() const { return pid_; }

    // Collects output until `done(output)` holds or the output ends; gives
    // up after `limit`. Returns whether `done` held.
    bool readUntil(const std::function<bool(const std::string &)> &done, std::chrono::milliseconds limit);
    // Collects output until the child closes it, at most for `limit`.
    bool readToEnd(std::chrono::milliseconds limit);
    const std::string &output() const { return output_; }
    // Closes the read end of the output pipe, as a reader that quits does.
    void closeOutput();

    // Waits at most `limit` for the child to end; its exit code, or
    // 128 + signal number, or nullopt when it is still running.
    std::optional<int> wait(std::chrono::milliseconds limit);

private:
    bool readSome(int timeoutMs);

    pid_t pid_ = -1;
    int outputFd_ = -1;
    int stdinFd_ = -1;
    bool reaped_ = false;
    std::string output_;
};

struct ProcessResult {
    int exitCode = -1; // -1 when it could not be run or did not end in time
    std::string output;
};

// Runs a program to the end (at most `limit`) and returns its merged output.
ProcessResult runProcess(const std::vector<std::string> &argv,
                         std::chrono::milliseconds limit = std::chrono::seconds(60));

// True while any process (zombies included) is in process group `pgid`.
bool processGroupExists(pid_t pgid);

// The processes of group `pgid` that are still running (zombies left out),
// found through /proc.
std::vector<pid_t> livingProcessesInGroup(pid_t pgid);

} // namespace veltrix::test
