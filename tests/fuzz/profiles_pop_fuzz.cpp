// profiles.pop through the block reader and the size and rate steps of two
// selections in a row, then the estimate and encoder pieces of a typical
// source with the lists those steps left. For any file:
// - the block of id N holds lines 4N-2, 4N-1 and 4N as a plain split at line
//   feeds gives them (a CR before the LF dropped), and nothing past line 4N
//   is read;
// - tokens are never empty, hold no blank, and joined by blanks begin their line;
// - every list keeps a selection it offers (or none), a size line never leaves
//   the size list empty, and the estimate is a rate from 0 up, never an
//   overflow.

#include "fuzz_support.h"

#include "jobs/argument_pieces.h"
#include "jobs/estimate.h"
#include "profiles/catalogue.h"
#include "profiles/profile_definition.h"

#include <QBuffer>

using namespace veltrix::fuzz;

namespace {

struct PlainLines {
    std::vector<QByteArray> lines;
    std::vector<qsizetype> ends; // offset after each line's line feed
};

PlainLines plainLinesOf(const QByteArray &file)
{
    PlainLines plain;
    qsizetype start = 0;
    while (start < file.size()) {
        const qsizetype lf = file.indexOf('\n', start);
        const qsizetype end = lf < 0 ? file.size() : lf + 1;
        QByteArray line = file.mid(start, (lf < 0 ? file.size() : lf) - start);
        if (line.endsWith('\r'))
            line.chop(1);
        plain.lines.push_back(line);
        plain.ends.push_back(end);
        start = end;
    }
    return plain;
}

std::optional<QString> plainLine(const PlainLines &plain, qint64 number)
{
    if (number > static_cast<qint64>(plain.lines.size()))
        return std::nullopt;
    return QString::fromUtf8(plain.lines[static_cast<std::size_t>(number - 1)]);
}

void checkTokens(const std::optional<QString> &line)
{
    if (!line)
        return;
    const QStringList tokens = tokenizeLine(*line);
    for (const QString &token : tokens)
        FUZZ_EXPECT(!token.isEmpty() && !token.contains(u' '), "a token is never empty and holds no blank");
    FUZZ_EXPECT(line->startsWith(tokens.join(u' ')), "the tokens joined by blanks begin their line");
}

ProfileBlock readAndCheckBlock(const QByteArray &file, const PlainLines &plain, int id)
{
    QBuffer device;
    device.setData(file);
    device.open(QIODevice::ReadOnly);
    const ProfileBlock block = readProfileBlock(device, id);
    const qint64 first = 4LL * id - 2;
    FUZZ_EXPECT(block.sizeLine == plainLine(plain, first), "the size line is line 4N-2");
    FUZZ_EXPECT(block.rateLine == plainLine(plain, first + 1), "the rate line is line 4N-1");
    FUZZ_EXPECT(block.argumentTemplate == plainLine(plain, first + 2), "the template is line 4N");
    const qint64 last = 4LL * id;
    const qint64 lastEnd = last <= static_cast<qint64>(plain.ends.size()) ? plain.ends[last - 1] : file.size();
    FUZZ_EXPECT(device.pos() <= lastEnd, "nothing past line 4N is read");
    checkTokens(block.sizeLine);
    checkTokens(block.rateLine);
    return block;
}

void checkList(const ChoiceList &list)
{
    FUZZ_EXPECT(list.selected >= -1 && list.selected < list.entries.size(), "a list selects an entry it offers");
}

std::uint64_t hashOf(const QByteArray &file)
{
    std::uint64_t hash = 1469598103934665603ULL;
    for (const char c : file)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return hash;
}

Toriginalinfo typicalSource()
{
    Toriginalinfo job;
    job.sourcePath = QStringLiteral("/media/fuzz.mp4");
    job.pictureSize = QStringLiteral("640x360");
    job.duration = QStringLiteral("00:03:25");
    job.videoBitrate = QStringLiteral("1000");
    job.audioBitrate = QStringLiteral("192");
    return job;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PlainLines plain = plainLinesOf(file);
    std::uint64_t hash = hashOf(file);
    const bool dvdMode = hash & 1;
    hash >>= 1;

    QualityLists lists = initialQualityLists();
    TActiveProfile active;
    int id = 0;
    for (int selection = 0; selection < 2; ++selection) {
        id = kFirstProfileId + static_cast<int>(hash % kLastProfileId);
        hash /= kLastProfileId;
        if (const std::optional<QString> name = displayName(id))
            active.displayName = *name;
        const ProfileBlock block = readAndCheckBlock(file, plain, id);
        applyProfileBlock(block, id, dvdMode, lists, active);
        for (const ChoiceList *list : {&lists.size, &lists.videoQuality, &lists.audioQuality, &lists.channel})
            checkList(*list);
        FUZZ_EXPECT(!block.sizeLine || !lists.size.entries.isEmpty(), "a size line never leaves the size list empty");
    }

    // The quality settings then pick positions, possibly ones the lists lack.
    for (ChoiceList *list : {&lists.size, &lists.videoQuality, &lists.audioQuality, &lists.channel}) {
        list->select(static_cast<int>(hash % 8) - 1);
        hash /= 8;
    }
    const ProfileChoices choices =
        resolveChoices({id, active.outputExtension(), active.rateTexts, active.argumentTemplate}, lists, !dvdMode);
    const Toriginalinfo job = typicalSource();
    const std::optional<int> kbits = estimateKbits(job, choices);
    FUZZ_EXPECT(!kbits || *kbits >= 0, "an estimate is never negative");
    TClipInfo clip;
    clip.fullDuration = clip.clipEnd = 205;
    Job row;
    row.original = job;
    row.clip = clip;
    jobPieces(row, choices);
    return 0;
}
