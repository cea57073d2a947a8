#include "amr_file_writer.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace veltrix::bridge {
namespace {

constexpr std::string_view kAmrHeader = "#!AMR\n";

// ".<name>.XXXXXX" beside the file; ".amr-XXXXXX" where that would pass the
// longest file name the system takes.
std::string temporaryTemplate(const std::string &finalPath)
{
    const auto slash = finalPath.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : finalPath.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
    const std::string hidden = "." + name + ".XXXXXX";
    return dir + (hidden.size() <= NAME_MAX ? hidden : ".amr-XXXXXX");
}

} // namespace

AmrFileWriter::AmrFileWriter(std::string finalPath) : m_finalPath(std::move(finalPath)) {}

AmrFileWriter::~AmrFileWriter()
{
    discard();
}

bool AmrFileWriter::open(std::string &error)
{
    std::string pattern = temporaryTemplate(m_finalPath);
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    m_fd = mkostemp(buffer.data(), O_CLOEXEC);
    if (m_fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    m_tempPath = buffer.data();
    // mkostemp creates 0600; give the file the permissions a plain create would.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(m_fd, 0666 & ~mask);

    if (!append(kAmrHeader)) {
        error = m_error;
        discard();
        return false;
    }
    return true;
}

bool AmrFileWriter::append(std::string_view bytes)
{
    if (m_fd < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t n = write(m_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_error = std::strerror(errno);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        m_bytesWritten += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool AmrFileWriter::commit(bool replace, std::string &error)
{
    if (m_fd < 0) {
        error = "file is not open";
        return false;
    }
    const bool closed = close(m_fd) == 0;
    m_fd = -1;
    if (!closed) {
        error = std::strerror(errno);
        discard();
        return false;
    }
    const int flags = replace ? 0 : RENAME_NOREPLACE;
    if (renameat2(AT_FDCWD, m_tempPath.c_str(), AT_FDCWD, m_finalPath.c_str(), flags) != 0) {
        error = std::strerror(errno);
        discard();
        return false;
    }
    m_tempPath.clear();
    return true;
}

void AmrFileWriter::discard()
{
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

} // namespace veltrix::bridge
