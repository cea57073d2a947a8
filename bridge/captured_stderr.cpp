#include "captured_stderr.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace veltrix::bridge {

CapturedStderr::CapturedStderr()
{
    // A memory file has no size limit and never blocks the writer, unlike a
    // pipe nobody reads until the end.
    memory_ = memfd_create("register.dat-stderr", MFD_CLOEXEC);
    if (memory_ < 0)
        return;
    saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (saved_ < 0 || dup2(memory_, STDERR_FILENO) < 0) {
        if (saved_ >= 0)
            close(saved_);
        saved_ = -1;
    }
}

CapturedStderr::~CapturedStderr()
{
    restore();
    if (memory_ >= 0)
        close(memory_);
}

void CapturedStderr::restore()
{
    if (saved_ < 0)
        return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
}

std::string CapturedStderr::finish()
{
    restore();
    std::string text;
    if (memory_ < 0 || lseek(memory_, 0, SEEK_SET) != 0)
        return text;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t n = read(memory_, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return text;
}

} // namespace veltrix::bridge
