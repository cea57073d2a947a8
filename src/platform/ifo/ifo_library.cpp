#include "platform/ifo/ifo_library.h"

#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>

namespace ifolib {
namespace {

// libdvdread reports through this instead of printing on standard output.
void discardLog(void *, dvd_logger_level_t, const char *, va_list) {}
const dvd_logger_cb kQuietLogger = {discardLog};

struct OpenIfo {
    dvd_reader_t *reader = nullptr;
    ifo_handle_t *ifo = nullptr;
    std::string text; // the last description handed out
};

std::map<std::int32_t, OpenIfo> &openFiles()
{
    static std::map<std::int32_t, OpenIfo> files;
    return files;
}

OpenIfo *find(std::int32_t handle)
{
    auto &files = openFiles();
    const auto it = files.find(handle);
    return it == files.end() ? nullptr : &it->second;
}

int fromBcd(std::uint8_t value)
{
    return (value >> 4) * 10 + (value & 0x0f);
}

// Frames are the low six bits of the frame byte; the top two give the rate.
int framesOf(std::uint8_t frameByte)
{
    return fromBcd(frameByte & 0x3f);
}

pgc_t *titleChain(const OpenIfo &f, std::int32_t title)
{
    const pgcit_t *table = f.ifo->vts_pgcit;
    if (!table || title < 0 || title >= table->nr_of_pgci_srp)
        return nullptr;
    return table->pgci_srp[title].pgc;
}

// The cells a player shows in turn: of an angle block only the first angle.
std::vector<const cell_playback_t *> playedCells(const pgc_t &pgc)
{
    std::vector<const cell_playback_t *> cells;
    if (!pgc.cell_playback)
        return cells;
    for (int i = 0; i < pgc.nr_of_cells; ++i) {
        const cell_playback_t &cell = pgc.cell_playback[i];
        if (cell.block_type == BLOCK_TYPE_ANGLE_BLOCK && cell.block_mode != BLOCK_MODE_FIRST_CELL)
            continue;
        cells.push_back(&cell);
    }
    return cells;
}

// The first title's control words map a track index to the stream number
// within its coding; a title set without titles uses the index itself.
int audioStreamNumber(const OpenIfo &f, int index)
{
    if (const pgc_t *pgc = titleChain(f, 0); pgc && index < 8 && (pgc->audio_control[index] & 0x8000))
        return (pgc->audio_control[index] >> 8) & 0x1f;
    return index;
}

int subtitleStreamNumber(const OpenIfo &f, int index)
{
    if (const pgc_t *pgc = titleChain(f, 0); pgc && index < 32 && (pgc->subp_control[index] & 0x80000000u))
        return (pgc->subp_control[index] >> 24) & 0x1f;
    return index;
}

std::string languageOf(int langType, std::uint16_t code)
{
    const char first = static_cast<char>(code >> 8);
    const char second = static_cast<char>(code & 0xff);
    if (langType != 1 || !std::isalpha(static_cast<unsigned char>(first))
        || !std::isalpha(static_cast<unsigned char>(second)))
        return "--";
    return {first, second};
}

std::string formatText(const char *format, ...)
{
    char buffer[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

const char *handOut(OpenIfo &f, std::string text)
{
    f.text = std::move(text);
    return f.text.c_str();
}

} // namespace

int titleSetOfIfoName(std::string_view name)
{
    if (name.size() != 12)
        return 0;
    std::string upper(name);
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.compare(0, 4, "VTS_") != 0 || upper.compare(6, 6, "_0.IFO") != 0 || !std::isdigit(upper[4])
        || !std::isdigit(upper[5]))
        return 0;
    return (upper[4] - '0') * 10 + (upper[5] - '0');
}

std::int32_t ifoOpen(const char *path, std::int32_t)
{
    const QFileInfo file(QString::fromUtf8(path));
    const int titleSet = titleSetOfIfoName(file.fileName().toStdString());
    if (titleSet == 0 || !file.isFile())
        return 0;
    const QByteArray folder = QFile::encodeName(file.absolutePath());
    dvd_reader_t *reader = DVDOpen2(nullptr, &kQuietLogger, folder.constData());
    if (!reader)
        return 0;
    ifo_handle_t *ifo = ::ifoOpen(reader, titleSet);
    if (!ifo || !ifo->vtsi_mat) {
        if (ifo)
            ::ifoClose(ifo);
        DVDClose(reader);
        return 0;
    }
    static std::int32_t lastHandle = 0;
    const std::int32_t handle = ++lastHandle;
    openFiles()[handle] = OpenIfo{reader, ifo, {}};
    return handle;
}

void ifoClose(std::int32_t handle)
{
    auto &files = openFiles();
    const auto it = files.find(handle);
    if (it == files.end())
        return;
    ::ifoClose(it->second.ifo);
    DVDClose(it->second.reader);
    files.erase(it);
}

std::int32_t ifoGetNumPGCI(std::int32_t handle)
{
    const OpenIfo *f = find(handle);
    return f && f->ifo->vts_pgcit ? f->ifo->vts_pgcit->nr_of_pgci_srp : 0;
}

std::int32_t ifoGetNumAudio(std::int32_t handle)
{
    const OpenIfo *f = find(handle);
    return f ? f->ifo->vtsi_mat->nr_of_vts_audio_streams : 0;
}

const char *ifoGetAudioDesc(std::int32_t handle, std::int32_t index)
{
    OpenIfo *f = find(handle);
    if (!f || index < 0 || index >= ifoGetNumAudio(handle) || index >= 8)
        return "";
    const audio_attr_t &a = f->ifo->vtsi_mat->vts_audio_attr[index];
    const char *coding = "Unknown";
    int firstId = 0x80;
    switch (a.audio_format) {
    case 0:
        coding = "AC-3";
        firstId = 0x80;
        break;
    case 2:
        coding = "MPEG-1";
        firstId = 0xc0;
        break;
    case 3:
        coding = "MPEG-2";
        firstId = 0xc0;
        break;
    case 4:
        coding = "LPCM";
        firstId = 0xa0;
        break;
    case 6:
        coding = "DTS";
        firstId = 0x88;
        break;
    default:
        break;
    }
    const int rate = a.sample_frequency == 1 ? 96000 : 48000;
    return handOut(*f, formatText("%s %s %dch %dHz (0x%02x)", coding, languageOf(a.lang_type, a.lang_code).c_str(),
                                  a.channels + 1, rate, firstId + audioStreamNumber(*f, index)));
}

std::int32_t ifoGetNumSubPic(std::int32_t handle)
{
    const OpenIfo *f = find(handle);
    return f ? f->ifo->vtsi_mat->nr_of_vts_subp_streams : 0;
}

const char *ifoGetSubPicDesc(std::int32_t handle, std::int32_t index)
{
    OpenIfo *f = find(handle);
    if (!f || index < 0 || index >= ifoGetNumSubPic(handle) || index >= 32)
        return "";
    const subp_attr_t &s = f->ifo->vtsi_mat->vts_subp_attr[index];
    return handOut(*f, formatText("Subtitle %s (0x%02x)", languageOf(s.type, s.lang_code).c_str(),
                                  0x20 + subtitleStreamNumber(*f, index)));
}

std::int32_t ifoGetPGCIInfo(std::int32_t handle, std::int32_t title, TitleTime *time)
{
    const OpenIfo *f = find(handle);
    const pgc_t *pgc = f ? titleChain(*f, title) : nullptr;
    if (!pgc)
        return -1;
    if (time) {
        time->hours = static_cast<std::uint8_t>(fromBcd(pgc->playback_time.hour));
        time->minutes = static_cast<std::uint8_t>(fromBcd(pgc->playback_time.minute));
        time->seconds = static_cast<std::uint8_t>(fromBcd(pgc->playback_time.second));
        time->frames = static_cast<std::uint8_t>(framesOf(pgc->playback_time.frame_u));
    }
    return static_cast<std::int32_t>(playedCells(*pgc).size());
}

std::int32_t ifoGetPGCICells(std::int32_t handle, std::int32_t title, CellRecord *cells, std::int32_t capacity)
{
    const OpenIfo *f = find(handle);
    const pgc_t *pgc = f ? titleChain(*f, title) : nullptr;
    if (!pgc || !cells)
        return 0;
    std::int32_t filled = 0;
    for (const cell_playback_t *cell : playedCells(*pgc)) {
        if (filled >= capacity)
            break;
        CellRecord &r = cells[filled++];
        r = CellRecord{};
        r.firstSector = cell->first_sector;
        r.lastSector = cell->last_sector;
        r.hours = static_cast<std::uint8_t>(fromBcd(cell->playback_time.hour));
        r.minutes = static_cast<std::uint8_t>(fromBcd(cell->playback_time.minute));
        r.seconds = static_cast<std::uint8_t>(fromBcd(cell->playback_time.second));
        r.frames = static_cast<std::uint8_t>(framesOf(cell->playback_time.frame_u));
    }
    return filled;
}

const char *ifoGetVideoDesc(std::int32_t handle)
{
    OpenIfo *f = find(handle);
    if (!f)
        return "";
    const video_attr_t &v = f->ifo->vtsi_mat->vts_video_attr;
    const bool pal = v.video_format == 1;
    static const int kWidths[4] = {720, 704, 352, 352};
    const int height = (pal ? 576 : 480) / (v.picture_size == 3 ? 2 : 1);
    return handOut(*f, formatText("MPEG-%d %dx%d %s %s", v.mpeg_version == 0 ? 1 : 2, kWidths[v.picture_size & 3],
                                  height, pal ? "PAL" : "NTSC", v.display_aspect_ratio == 3 ? "16:9" : "4:3"));
}

bool ifoGetPGCIPalette(std::int32_t handle, std::int32_t title, std::uint32_t palette[16])
{
    const OpenIfo *f = find(handle);
    const pgc_t *pgc = f ? titleChain(*f, title) : nullptr;
    if (!pgc)
        return false;
    for (int i = 0; i < 16; ++i)
        palette[i] = pgc->palette[i];
    return true;
}

} // namespace ifolib
