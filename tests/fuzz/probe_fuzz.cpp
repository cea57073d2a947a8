// The media probe's reading of the encoder's description, then the job it
// makes and the job's size estimate and encoder pieces. Whatever the encoder
// writes and however the pipe cuts it:
// - the results are the same for every cutting;
// - every result comes from within one line (it holds no line end);
// - a job made from the results has plain whole-number rates, and its
//   estimate is a rate from 0 up, never an overflow.

#include "fuzz_support.h"

#include "engine/probe_extraction.h"
#include "engine/progress.h"
#include "engine/timecode.h"
#include "jobs/argument_pieces.h"
#include "jobs/estimate.h"
#include "jobs/job_from_probe.h"

using namespace veltrix::fuzz;

namespace {

constexpr std::size_t kProbeReadSize = 2048;

ProbeResults probeInChunks(const QByteArray &output, const std::vector<std::size_t> &sizes)
{
    ProbeFindings findings;
    QByteArray buffer;
    feedInChunks(output, sizes, [&](const QByteArray &chunk) {
        buffer += chunk;
        consumeLineEnds(buffer, [&findings](const QByteArray &whole) { takeProbeFindings(findings, whole); });
    });
    return findings.results;
}

std::vector<QString> textsOf(const ProbeResults &r)
{
    return {r.duration,   r.overallBitrate, r.videoBitrate, r.audioBitrate, r.pictureSize,
            r.videoCodec, r.videoTail,      r.audioCodec,   r.sampleRate,   r.channels};
}

ChoiceList listOf(const QStringList &entries, int selected)
{
    ChoiceList list;
    list.entries = entries;
    list.selected = selected;
    return list;
}

// An AVI whose video part follows the picture height (or the source's own
// rate), an AVI that keeps everything of the source, and a rate-text MP4.
std::vector<ProfileChoices> typicalChoices()
{
    const ProfileRules aviRules{2,
                                QStringLiteral(".avi"),
                                {"1000", "800", "600", "400", "200"},
                                QStringLiteral(" -vcodec mpeg4 -acodec libmp3lame")};
    QualityLists avi{listOf({QStringLiteral("320x240"), kOriginalSize}, 1),
                     listOf(qualityEntries() << kOriginalVideoQuality, 0),
                     listOf(qualityEntries() << kOriginalAudioQuality, 5), listOf(channelEntries(), 1)};
    QualityLists source = avi;
    source.videoQuality.selected = 5;
    QualityLists mp4 = avi;
    mp4.size = listOf({QStringLiteral("320x240")}, 0);
    mp4.audioQuality = listOf(qualityEntries(), 1);
    ProfileRules mp4Rules = aviRules;
    mp4Rules.id = 27;
    mp4Rules.extension = QStringLiteral(".mp4");
    return {resolveChoices(aviRules, avi, true), resolveChoices(aviRules, source, true),
            resolveChoices(mp4Rules, mp4, true)};
}

bool isPlainRate(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && QString::number(value) == text;
}

void checkJob(const ProbeResults &results)
{
    const std::optional<Toriginalinfo> job = jobRecordFromProbe(QStringLiteral("/media/fuzz.avi"), results);
    if (!job)
        return;
    FUZZ_EXPECT(isPlainRate(job->videoBitrate) && isPlainRate(job->audioBitrate),
                "a job's rates are plain whole numbers from 0 up");
    const TClipInfo clip = wholeClipOf(*job);
    for (const ProfileChoices &choices : typicalChoices()) {
        const std::optional<int> kbits = estimateKbits(*job, choices);
        FUZZ_EXPECT(!kbits || *kbits >= 0, "an estimate is never negative");
        if (kbits)
            sizeText(*kbits, timeCodeToSeconds(job->duration));
        jobPieces(Job{.original = *job, .clip = clip, .exactDuration = results.exactDuration}, choices);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray output(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ProbeResults byteByByte = probeInChunks(output, {1});
    const std::vector<QString> texts = textsOf(byteByByte);
    for (const QString &text : texts)
        FUZZ_EXPECT(!text.contains(u'\r') && !text.contains(u'\n'), "a result comes from within one line");
    for (const auto &sizes : cuttingsFor(output, kProbeReadSize))
        FUZZ_EXPECT(textsOf(probeInChunks(output, sizes)) == texts, "every cutting gives the same results");
    checkJob(byteByByte);
    return 0;
}
