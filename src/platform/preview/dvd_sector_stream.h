#pragma once
// The sectors of a DVD title or chapter row, read in order as one byte
// stream through libdvdread: what the preview player reads for a DVD row.
// Used from one thread at a time (the player's reading thread).

#include "platform/preview/preview_engine.h"

#include <QString>
#include <vector>

struct dvd_reader_s;
struct dvd_file_s;

class DvdSectorStream {
public:
    static constexpr qint64 kSectorBytes = 2048;

    // Opens the title VOBs of the source's title set; check isOpen().
    explicit DvdSectorStream(const DvdPreviewSource &source);
    ~DvdSectorStream();
    DvdSectorStream(const DvdSectorStream &) = delete;
    DvdSectorStream &operator=(const DvdSectorStream &) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // Why the stream could not be opened or read, and what to do.
    QString errorText() const { return m_error; }

    // 2048 bytes for every sector of every range.
    qint64 size() const { return m_size; }
    // Up to `count` bytes from the current offset, which moves on; 0 at the
    // end, -1 when the disc cannot be read.
    qint64 read(char *buffer, qint64 count);
    // Moves to byte `offset`; false (offset unchanged) outside 0..size().
    bool seek(qint64 offset);

private:
    bool fillChunk();

    dvd_reader_s *m_dvd = nullptr;
    dvd_file_s *m_file = nullptr;
    std::vector<DvdSectorRange> m_ranges;
    qint64 m_size = 0;
    qint64 m_offset = 0;
    // The sectors read last: stream bytes from m_chunkStart on.
    std::vector<unsigned char> m_chunk;
    qint64 m_chunkStart = -1;
    QString m_error;
};
