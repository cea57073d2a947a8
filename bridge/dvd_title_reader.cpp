#include "dvd_title_reader.h"

#include "dvd_start_lead.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

#include <dvdread/dvd_reader.h>

namespace veltrix::bridge {
namespace {

constexpr std::size_t kSectorBytes = DVD_VIDEO_LB_LEN;
// Every stream shows up within the first VOBU or two: half a megabyte.
constexpr std::size_t kLeadScanSectors = 256;

void discardLog(void *, dvd_logger_level_t, const char *, va_list) {}
const dvd_logger_cb kQuietLogger = {discardLog};

// libdvdread prints a notice about encrypted discs straight to stderr,
// which reaches the converter as if it were ffmpeg's; it is silenced while
// the DVD opens.
class StderrSilenced {
public:
    StderrSilenced() : m_saved(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~StderrSilenced()
    {
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
    }
    StderrSilenced(const StderrSilenced &) = delete;
    StderrSilenced &operator=(const StderrSilenced &) = delete;

private:
    int m_saved;
};

std::string twoDigits(int n)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

DvdTitleReader::~DvdTitleReader()
{
    if (m_vobs)
        DVDCloseFile(m_vobs);
    if (m_dvd)
        DVDClose(m_dvd);
}

std::string DvdTitleReader::where() const
{
    return "title set " + std::to_string(m_titleSet) + " of the DVD in " + m_root;
}

bool DvdTitleReader::open(const DvdJobInput &input, std::string &error)
{
    m_root = input.root;
    m_titleSet = input.titleSet;
    m_cells = input.cells;
    // Checked first: libdvdread 6.1 does not free its reader when it cannot
    // find the path.
    std::error_code unreadable;
    if (std::filesystem::exists(m_root, unreadable)) {
        StderrSilenced quiet;
        m_dvd = DVDOpen2(nullptr, &kQuietLogger, m_root.c_str());
    }
    if (!m_dvd) {
        error = "cannot open the DVD in " + m_root + ": check that the folder is there and holds the DVD's files";
        return false;
    }
    m_vobs = DVDOpenFile(m_dvd, m_titleSet, DVD_READ_TITLE_VOBS);
    if (!m_vobs) {
        error = where() + " has no video files (VTS_" + twoDigits(m_titleSet)
                + "_1.VOB and on): copy the whole VIDEO_TS folder, or insert the disc";
        return false;
    }
    const ssize_t size = DVDFileSize(m_vobs);
    for (const SectorRange &cell : m_cells) {
        if (size < 0 || cell.last >= static_cast<std::uint64_t>(size)) {
            error = where() + " ends at sector " + std::to_string(size)
                    + " before the title does: the copy is incomplete, copy the VIDEO_TS folder again";
            return false;
        }
    }
    m_next = m_cells.empty() ? 0 : m_cells.front().first;
    m_startLead = leadOfFirstCell();
    return true;
}

double DvdTitleReader::leadOfFirstCell()
{
    const SectorRange &first = m_cells.front();
    const std::size_t count = std::min<std::size_t>(kLeadScanSectors, first.last - first.first + 1);
    std::string sectors(count * kSectorBytes, '\0');
    const ssize_t got =
        DVDReadBlocks(m_vobs, static_cast<int>(first.first), count, reinterpret_cast<unsigned char *>(sectors.data()));
    if (got <= 0)
        return 0.0;
    sectors.resize(static_cast<std::size_t>(got) * kSectorBytes);
    return dvdStartLeadSeconds(sectors);
}

std::ptrdiff_t DvdTitleReader::read(char *buffer, std::size_t capacity)
{
    while (m_cell < m_cells.size() && m_next > m_cells[m_cell].last) {
        if (++m_cell < m_cells.size())
            m_next = m_cells[m_cell].first;
    }
    if (m_cell >= m_cells.size())
        return 0;
    const std::size_t left = m_cells[m_cell].last - m_next + 1;
    const std::size_t count = std::min(left, capacity / kSectorBytes);
    const ssize_t got =
        DVDReadBlocks(m_vobs, static_cast<int>(m_next), count, reinterpret_cast<unsigned char *>(buffer));
    if (got <= 0) {
        m_failure = "cannot read sector " + std::to_string(m_next) + " of " + where()
                    + ": the disc may be damaged or was taken out";
        return -1;
    }
    m_next += static_cast<std::uint32_t>(got);
    return static_cast<std::ptrdiff_t>(got) * static_cast<std::ptrdiff_t>(kSectorBytes);
}

} // namespace veltrix::bridge
