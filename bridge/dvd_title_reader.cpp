#include "dvd_title_reader.h"

#include "dvd_start_lead.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include <dvdread/dvd_reader.h>

namespace veltrix::bridge {
namespace {

constexpr std::size_t kSectorBytes = DVD_VIDEO_LB_LEN;
// Every stream shows up within the first VOBU or two: half a megabyte.
constexpr std::size_t kLeadScanSectors = 256;

void discardLog(void*, dvd_logger_level_t, const char*, va_list) {}
const dvd_logger_cb kQuietLogger = {discardLog};

// libdvdread prints a notice about encrypted discs straight to stderr,
// which reaches the converter as if it were ffmpeg's; it is silenced while
// the DVD opens.
class StderrSilenced {
public:
    StderrSilenced() : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~StderrSilenced()
    {
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    StderrSilenced(const StderrSilenced&) = delete;
    StderrSilenced& operator=(const StderrSilenced&) = delete;

private:
    int saved_;
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
    if (vobs_)
        DVDCloseFile(vobs_);
    if (dvd_)
        DVDClose(dvd_);
}

std::string DvdTitleReader::where() const
{
    return "title set " + std::to_string(titleSet_) + " of the DVD in " + root_;
}

bool DvdTitleReader::open(const DvdJobInput& input, std::string& error)
{
    root_ = input.root;
    titleSet_ = input.titleSet;
    cells_ = input.cells;
    {
        StderrSilenced quiet;
        dvd_ = DVDOpen2(nullptr, &kQuietLogger, root_.c_str());
    }
    if (!dvd_) {
        error = "cannot open the DVD in " + root_ + ": check that the folder is there and holds the DVD's files";
        return false;
    }
    vobs_ = DVDOpenFile(dvd_, titleSet_, DVD_READ_TITLE_VOBS);
    if (!vobs_) {
        error = where() + " has no video files (VTS_" + twoDigits(titleSet_)
                + "_1.VOB and on): copy the whole VIDEO_TS folder, or insert the disc";
        return false;
    }
    const ssize_t size = DVDFileSize(vobs_);
    for (const SectorRange& cell : cells_) {
        if (size < 0 || cell.last >= static_cast<std::uint64_t>(size)) {
            error = where() + " ends at sector " + std::to_string(size)
                    + " before the title does: the copy is incomplete, copy the VIDEO_TS folder again";
            return false;
        }
    }
    next_ = cells_.empty() ? 0 : cells_.front().first;
    startLead_ = leadOfFirstCell();
    return true;
}

double DvdTitleReader::leadOfFirstCell()
{
    const SectorRange& first = cells_.front();
    const std::size_t count = std::min<std::size_t>(kLeadScanSectors, first.last - first.first + 1);
    std::string sectors(count * kSectorBytes, '\0');
    const ssize_t got = DVDReadBlocks(vobs_, static_cast<int>(first.first), count,
                                      reinterpret_cast<unsigned char*>(sectors.data()));
    if (got <= 0)
        return 0.0;
    sectors.resize(static_cast<std::size_t>(got) * kSectorBytes);
    return dvdStartLeadSeconds(sectors);
}

std::ptrdiff_t DvdTitleReader::read(char* buffer, std::size_t capacity)
{
    while (cell_ < cells_.size() && next_ > cells_[cell_].last) {
        if (++cell_ < cells_.size())
            next_ = cells_[cell_].first;
    }
    if (cell_ >= cells_.size())
        return 0;
    const std::size_t left = cells_[cell_].last - next_ + 1;
    const std::size_t count = std::min(left, capacity / kSectorBytes);
    const ssize_t got = DVDReadBlocks(vobs_, static_cast<int>(next_), count, reinterpret_cast<unsigned char*>(buffer));
    if (got <= 0) {
        failure_ = "cannot read sector " + std::to_string(next_) + " of " + where()
                   + ": the disc may be damaged or was taken out";
        return -1;
    }
    next_ += static_cast<std::uint32_t>(got);
    return static_cast<std::ptrdiff_t>(got) * static_cast<std::ptrdiff_t>(kSectorBytes);
}

} // namespace veltrix::bridge
