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
    m_memory = memfd_create("register.dat-stderr", MFD_CLOEXEC);
    if (m_memory < 0)
        return;
    m_saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (m_saved < 0 || dup2(m_memory, STDERR_FILENO) < 0) {
        if (m_saved >= 0)
            close(m_saved);
        m_saved = -1;
    }
}

CapturedStderr::~CapturedStderr()
{
    restore();
    if (m_memory >= 0)
        close(m_memory);
}

void CapturedStderr::restore()
{
    if (m_saved < 0)
        return;
    dup2(m_saved, STDERR_FILENO);
    close(m_saved);
    m_saved = -1;
}

std::string CapturedStderr::finish()
{
    restore();
    std::string text;
    if (m_memory < 0 || lseek(m_memory, 0, SEEK_SET) != 0)
        return text;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t n = read(m_memory, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return text;
}

} // namespace veltrix::bridge
