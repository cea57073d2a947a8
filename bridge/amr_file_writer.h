#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrix::bridge {

// Writes an .amr file under a temporary name in the destination folder, so
// a half-written file never carries the final name. commit() renames it into
// place; otherwise the temporary file is removed.
class AmrFileWriter {
public:
    explicit AmrFileWriter(std::string finalPath);
    ~AmrFileWriter();
    AmrFileWriter(const AmrFileWriter &) = delete;
    AmrFileWriter &operator=(const AmrFileWriter &) = delete;

    // Creates the temporary file and writes the "#!AMR\n" header.
    bool open(std::string &error);
    bool append(std::string_view bytes);
    // Why the last append failed: the system's text.
    const std::string &error() const { return m_error; }
    // Bytes in the file so far, header included.
    std::uint64_t bytesWritten() const { return m_bytesWritten; }

    // Moves the file to its final name; with replace == false an existing
    // file there is left alone and commit() fails.
    bool commit(bool replace, std::string &error);
    void discard();

private:
    std::string m_finalPath;
    std::string m_tempPath;
    int m_fd = -1;
    std::uint64_t m_bytesWritten = 0;
    std::string m_error;
};

} // namespace veltrix::bridge
