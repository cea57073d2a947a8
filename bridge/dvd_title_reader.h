#pragma once

#include "conversion_session.h"
#include "dvd/dvd_job_input.h"

#include <string>
#include <vector>

struct dvd_reader_s;
struct dvd_file_s;

namespace veltrix::bridge {

// Reads a DVD title's cells, sector by sector in playing order, from the
// title set's VOB files with libdvdread.
class DvdTitleReader : public InputSource {
public:
    DvdTitleReader() = default;
    ~DvdTitleReader() override;
    DvdTitleReader(const DvdTitleReader &) = delete;
    DvdTitleReader &operator=(const DvdTitleReader &) = delete;

    // Opens the DVD at the input's root and the video of its title set, and
    // checks that every cell lies within it. False with the reason, for the
    // user, when it cannot.
    bool open(const DvdJobInput &input, std::string &error);

    // Seconds the cell's sound runs ahead of its picture (see
    // dvdStartLeadSeconds), known once open.
    double startLead() const { return m_startLead; }

    // Whole sectors: `capacity` must hold at least one (2048 bytes).
    std::ptrdiff_t read(char *buffer, std::size_t capacity) override;
    std::string failure() const override { return m_failure; }

private:
    std::string where() const;
    double leadOfFirstCell();

    dvd_reader_s *m_dvd = nullptr;
    dvd_file_s *m_vobs = nullptr;
    std::string m_root;
    int m_titleSet = 0;
    std::vector<SectorRange> m_cells;
    std::size_t m_cell = 0;
    std::uint32_t m_next = 0; // next sector of m_cells[m_cell]
    double m_startLead = 0.0;
    std::string m_failure;
};

} // namespace veltrix::bridge
