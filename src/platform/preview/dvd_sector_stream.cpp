#include "platform/preview/dvd_sector_stream.h"

#include <dvdread/dvd_reader.h>

#include <QDir>
#include <QFileInfo>
#include <cstring>

namespace {

// Sectors read at once: 64 KiB, as a DVD drive reads them.
constexpr qint64 kChunkSectors = 32;

// libdvdread's notices (CSS, missing files) would go to standard output.
void ignoreLog(void *, dvd_logger_level_t, const char *, va_list) {}
const dvd_logger_cb kQuietLogger = {ignoreLog};

} // namespace

DvdSectorStream::DvdSectorStream(const DvdPreviewSource &source)
{
    const QString folder = QDir::cleanPath(source.dvdFolder);
    for (const DvdSectorRange &range : source.sectors) {
        if (range.first < 0 || range.last < range.first) {
            m_error = QStringLiteral("The DVD row lists sectors %1 to %2, which is no valid range. "
                                     "List the DVD again.")
                          .arg(range.first)
                          .arg(range.last);
            return;
        }
        m_ranges.push_back(range);
        m_size += (qint64(range.last) - range.first + 1) * kSectorBytes;
    }
    if (m_ranges.empty()) {
        m_error = QStringLiteral("The DVD row lists no sectors to play. List the DVD again.");
        return;
    }
    // Checked first: libdvdread 6.1 does not free its reader when it cannot
    // find the path.
    if (QFileInfo::exists(folder))
        m_dvd = DVDOpen2(nullptr, &kQuietLogger, QFile::encodeName(folder).constData());
    if (!m_dvd) {
        m_error =
            QStringLiteral("The DVD in %1 cannot be opened. Check that the disc or folder is still there.").arg(folder);
        return;
    }
    dvd_file_t *file = DVDOpenFile(m_dvd, source.titleSet, DVD_READ_TITLE_VOBS);
    if (!file) {
        m_error = QStringLiteral("The video files of title set %1 of the DVD in %2 cannot be opened. "
                                 "Check that its VOB files are there.")
                      .arg(source.titleSet)
                      .arg(folder);
        return;
    }
    const ssize_t fileSectors = DVDFileSize(file);
    for (const DvdSectorRange &range : m_ranges)
        if (range.last >= fileSectors) {
            m_error = QStringLiteral("The DVD row's sectors end at %1, beyond the %2 sectors of title set %3. "
                                     "List the DVD again.")
                          .arg(range.last)
                          .arg(fileSectors)
                          .arg(source.titleSet);
            DVDCloseFile(file);
            return;
        }
    m_file = file;
}

DvdSectorStream::~DvdSectorStream()
{
    if (m_file)
        DVDCloseFile(m_file);
    if (m_dvd)
        DVDClose(m_dvd);
}

bool DvdSectorStream::seek(qint64 offset)
{
    if (offset < 0 || offset > m_size)
        return false;
    m_offset = offset;
    return true;
}

bool DvdSectorStream::fillChunk()
{
    // The range holding the offset, and the offset's sector within it.
    qint64 rangeStart = 0;
    for (const DvdSectorRange &range : m_ranges) {
        const qint64 rangeBytes = (qint64(range.last) - range.first + 1) * kSectorBytes;
        if (m_offset < rangeStart + rangeBytes) {
            const qint64 sectorInRange = (m_offset - rangeStart) / kSectorBytes;
            const qint64 sectors = qMin(kChunkSectors, qint64(range.last) - range.first + 1 - sectorInRange);
            m_chunk.resize(size_t(sectors * kSectorBytes));
            const ssize_t read =
                DVDReadBlocks(m_file, int(range.first + sectorInRange), size_t(sectors), m_chunk.data());
            if (read != sectors) {
                m_chunkStart = -1;
                m_error = QStringLiteral("Sectors %1 to %2 of the DVD cannot be read. Clean the disc or copy it "
                                         "to a folder and try again.")
                              .arg(range.first + sectorInRange)
                              .arg(range.first + sectorInRange + sectors - 1);
                return false;
            }
            m_chunkStart = rangeStart + sectorInRange * kSectorBytes;
            return true;
        }
        rangeStart += rangeBytes;
    }
    return false;
}

qint64 DvdSectorStream::read(char *buffer, qint64 count)
{
    if (!m_file)
        return -1;
    if (m_offset >= m_size || count <= 0)
        return 0;
    const bool inChunk =
        m_chunkStart >= 0 && m_offset >= m_chunkStart && m_offset < m_chunkStart + qint64(m_chunk.size());
    if (!inChunk && !fillChunk())
        return -1;
    const qint64 available = m_chunkStart + qint64(m_chunk.size()) - m_offset;
    const qint64 copied = qMin(count, available);
    std::memcpy(buffer, m_chunk.data() + (m_offset - m_chunkStart), size_t(copied));
    m_offset += copied;
    return copied;
}
