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
    DvdTitleReader(const DvdTitleReader&) = delete;
    DvdTitleReader& operator=(const DvdTitleReader&) = delete;

    // Opens the DVD at the input's root and the video of its title set, and
    // checks that every cell lies within it. False with the reason, for the
    // user, when it cannot.
    bool open(const DvdJobInput& input, std::string& error);

    // Seconds the cell's sound runs ahead of its picture (see
    // dvdStartLeadSeconds), known once open.
    double startLead() const { return startLead_; }

    // Whole sectors: `capacity` must hold at least one (2048 bytes).
    std::ptrdiff_t read(char* buffer, std::size_t capacity) override;
    std::string failure() const override { return failure_; }

private:
    std::string where() const;
    double leadOfFirstCell();

    dvd_reader_s* dvd_ = nullptr;
    dvd_file_s* vobs_ = nullptr;
    std::string root_;
    int titleSet_ = 0;
    std::vector<SectorRange> cells_;
    std::size_t cell_ = 0;
    std::uint32_t next_ = 0;  // next sector of cells_[cell_]
    double startLead_ = 0.0;
    std::string failure_;
};

} // namespace veltrix::bridge
