#include "jobs/job_list_file.h"

#include "engine/state_folder.h"

#include "jobs/job_log.h"
#include "jobs/json_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <array>

// The field and value names of the file, found by json_fields through
// argument-dependent lookup (so in the global namespace).

static const auto &namesOf(JobKind)
{
    static constexpr std::array kNames{std::pair{JobKind::File, "file"}, std::pair{JobKind::DvdTitle, "title"},
                                       std::pair{JobKind::DvdChapter, "chapter"}};
    return kNames;
}

static const auto &namesOf(JobState)
{
    static constexpr std::array kNames{
        std::pair{JobState::Waiting, "waiting"},   std::pair{JobState::Ready, "ready"},
        std::pair{JobState::Running, "running"},   std::pair{JobState::RunPaused, "run paused"},
        std::pair{JobState::Finished, "finished"}, std::pair{JobState::Failed, "failed"},
        std::pair{JobState::Stopped, "stopped"},   std::pair{JobState::Playing, "playing"},
        std::pair{JobState::Paused, "paused"}};
    return kNames;
}

template <class F> static void fields(Toriginalinfo &source, F &&field)
{
    field("path", source.sourcePath);
    field("pictureSize", source.pictureSize);
    field("duration", source.duration);
    field("videoBitrate", source.videoBitrate);
    field("audioBitrate", source.audioBitrate);
    field("videoCodec", source.videoCodec);
    field("audioCodec", source.audioCodec);
    field("sampleRate", source.sampleRate);
    field("channels", source.channels);
    field("videoTail", source.videoTail);
}

template <class F> static void fields(SourceTags &tags, F &&field)
{
    field("title", tags.title);
    field("artist", tags.artist);
    field("album", tags.album);
    field("albumArtist", tags.albumArtist);
    field("track", tags.track);
    field("disc", tags.disc);
    field("date", tags.date);
}

template <class F> static void fields(TClipInfo &clip, F &&field)
{
    field("firstSector", clip.firstSector);
    field("fullDuration", clip.fullDuration);
    field("begin", clip.clipBegin);
    field("end", clip.clipEnd);
    field("titleRow", clip.titleRow);
    field("beginHundredths", clip.beginHundredths);
    field("endHundredths", clip.endHundredths);
}

template <class F> static void fields(TConvertInfo &dvd, F &&field)
{
    field("audioStreamId", dvd.audioStreamId);
    field("subtitleStreamId", dvd.subtitleStreamId);
    field("firstSector", dvd.firstSector);
    field("lastSector", dvd.lastSector);
    field("ifoPath", dvd.ifoPath);
    field("duration", dvd.duration);
    field("clipBegin", dvd.clipBegin);
    field("clipEnd", dvd.clipEnd);
}

template <class F> static void fields(TrackChoice &tracks, F &&field)
{
    field("audio", tracks.audio);
    field("subtitle", tracks.subtitle);
}

template <class F> static void fields(LeftOutput &output, F &&field)
{
    field("path", output.path);
    field("size", output.size);
    field("modifiedMs", output.modifiedMs);
}

template <class F> static void fields(JobRunRecord &run, F &&field)
{
    field("commandLine", run.commandLine);
    field("lastLines", run.lastLines);
    field("logFile", run.logFile);
    field("logProblem", run.logProblem);
    field("stoppedOutput", run.stoppedOutput);
}

namespace {

const QString kFormat = QStringLiteral("veltrix job list");

// One row of the file: a row's job with its caption and check mark.
struct RowRecord {
    QString caption;
    bool unchecked = false;
    Job job;
    // The job's exact duration as the file keeps it, "HH:MM:SS.cc".
    QString exactDuration;
    bool operator==(const RowRecord &) const = default;
};

template <class F> void fields(RowRecord &row, F &&field)
{
    field("caption", row.caption);
    field("unchecked", row.unchecked);
    field("kind", row.job.kind);
    field("source", row.job.original);
    field("exactDuration", row.exactDuration);
    field("clip", row.job.clip);
    field("dvd", row.job.convert);
    field("tracks", row.job.tracks);
    field("addedFrom", row.job.addedFrom);
    field("tags", row.job.tags);
    field("output", row.job.plannedOutput);
    field("state", row.job.status.state);
    field("reason", row.job.status.reason);
    field("lastRun", row.job.lastRun);
}

// A damaged row for the user: its place and, where it can be read, its file's name.
QString damagedRowName(const QJsonValue &row, qsizetype index)
{
    const QJsonValue path = row.toObject().value(QStringLiteral("source")).toObject().value(QStringLiteral("path"));
    const QString name = path.isString() ? QFileInfo(path.toString()).fileName() : QString();
    const QString place = QStringLiteral("row %1").arg(index + 1);
    return name.isEmpty() ? place : place + QStringLiteral(", ") + name;
}

} // namespace

QString jobListPath(const QString &editionBaseName)
{
    return QDir(stateFolder()).filePath(editionBaseName + QStringLiteral(".jobs"));
}

QByteArray jobListRowText(const ListedRow &row, bool checked)
{
    const QString exact = row.job.exactDuration ? hundredthsToTimeCode(*row.job.exactDuration) : QString();
    const QJsonValue record = json_fields::toJson(RowRecord{row.caption, !checked, storedJob(row.job), exact});
    return QJsonDocument(record.toObject()).toJson(QJsonDocument::Compact);
}

QByteArray jobListText(const QByteArrayList &rowTexts, const QJsonObject &listing, const QJsonObject &conversion)
{
    QJsonObject head{{"format", kFormat}, {"version", kJobListVersion}};
    if (!listing.isEmpty())
        head.insert(QStringLiteral("listing"), listing);
    if (!conversion.isEmpty())
        head.insert(QStringLiteral("conversion"), conversion);
    QByteArray text = QJsonDocument(head).toJson(QJsonDocument::Compact);
    text.chop(1); // its closing brace: the rows follow, one a line
    return text + ",\"rows\":[\n" + rowTexts.join(",\n") + "\n]}\n";
}

std::optional<StoredJobList> parseJobList(const QByteArray &text, QString *problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    const QJsonObject file = document.object();
    if (error.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("it is not readable JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
        return std::nullopt;
    }
    if (file.value(QStringLiteral("format")).toString() != kFormat) {
        *problem = QStringLiteral("it is no job list of this program");
        return std::nullopt;
    }
    if (file.value(QStringLiteral("version")).toInt() != kJobListVersion) {
        *problem = QStringLiteral("it is of version %1, which this version of the program does not read")
                       .arg(file.value(QStringLiteral("version")).toVariant().toString());
        return std::nullopt;
    }
    StoredJobList list;
    const QJsonValue rows = file.value(QStringLiteral("rows"));
    const QJsonValue listing = file.value(QStringLiteral("listing"));
    list.conversion = file.value(QStringLiteral("conversion")).toObject();
    if (!rows.isArray() || (!listing.isUndefined() && !json_fields::fromJson(listing, list.listing))) {
        *problem = QStringLiteral("its rows are damaged");
        return std::nullopt;
    }
    const QJsonArray array = rows.toArray();
    for (qsizetype index = 0; index < array.size(); ++index) {
        RowRecord row;
        if (!json_fields::fromJson(array[index], row)) {
            list.dropped << damagedRowName(array[index], index);
            continue;
        }
        if (!row.exactDuration.isEmpty())
            row.job.exactDuration = timeCodeToHundredths(row.exactDuration);
        list.rows.push_back({std::move(row.caption), std::move(row.job)});
        list.checks.push_back(!row.unchecked);
    }
    return list;
}

QString sourceOf(const Job &job)
{
    return isDvdRow(job) ? job.convert.ifoPath : job.original.sourcePath;
}

Job storedJob(const Job &job)
{
    Job stored = job;
    switch (job.status.state) {
    case JobState::Running:
    case JobState::RunPaused:
    case JobState::Playing:
    case JobState::Paused:
        stored.status = {isDvdRow(job) ? JobState::Ready : JobState::Waiting};
        break;
    default:
        stored.status.progress = 0;
    }
    return stored;
}

Job restoredJob(const Job &job, bool sourceExists)
{
    Job restored = storedJob(job);
    if (!sourceExists)
        restored.status = JobStatus::failed(
            QStringLiteral("%1 is no longer there: it was moved, renamed or deleted after the list was saved. Put it "
                           "back, or remove this row and add the file from where it lies now.")
                .arg(QDir::toNativeSeparators(sourceOf(job))));
    return restored;
}
