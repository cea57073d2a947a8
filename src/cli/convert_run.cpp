#include "cli/convert_run.h"

#include "cli/convert_report.h"
#include "cli/profile_lookup.h"
#include "dvd/dvd_listing.h"
#include "engine/timecode.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/file_job_start.h"
#include "jobs/jobs_at_once.h"
#include "profiles/catalogue.h"
#include "session/converter_session.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

const char *const kListNames[] = {"picture size", "video quality", "audio quality", "channels"};

} // namespace

ConvertRun::ConvertRun(ConvertOptions options, std::optional<ListSlice> slice, const QString &folder,
                       ConvertReport &report, Prompts &prompts, DesktopShell &shell)
    : m_options(std::move(options)),
      m_slice(std::move(slice)),
      m_report(report),
      m_session(std::make_unique<ConverterSession>(
          prompts, shell,
          QDir(folder).filePath(m_slice ? m_slice->handed.settings.edition : editionProgramName(m_options.edition)),
          folder))
{
    m_session->profile().leaveSettingsUnwritten();
    Batch &batch = m_session->batch();
    connect(&batch, &Batch::displayChanged, this, &ConvertRun::showProgress);
    connect(&batch, &Batch::jobEnded, this, &ConvertRun::jobEnded);
    connect(&batch, &Batch::batchEnded, this, &ConvertRun::finish);
    connect(&m_session->busy(), &BusyState::changed, this, [this] {
        if (m_adding && !m_session->busy().is(Busy::Adding)) {
            m_adding = false;
            addEnded();
        }
    });
}

ConvertRun::~ConvertRun() = default;

void ConvertRun::start()
{
    m_session->readSettings();
    // Whatever the window does at a batch's end, a terminal's batch only ends.
    m_session->batch().setAfterBatchAction(AfterBatchAction::Nothing);
    if (m_options.listProfiles)
        return listProfiles();
    QString error = m_slice ? m_session->takeConversionSettings(m_slice->handed.settings) : QString();
    if (error.isEmpty())
        error = applyOptions();
    if (!error.isEmpty()) {
        m_report.message(error);
        return end(kUsageError);
    }
    if (m_slice)
        return takeSlice();
    if (m_options.edition == ConvertEdition::Dvd)
        return listDvd();
    m_adding = true;
    m_session->adder().addPaths(m_options.paths);
}

QString ConvertRun::applyOptions()
{
    ActiveProfile &profile = m_session->profile();
    if (!m_options.profile.isEmpty()) {
        const Found found = findProfile(m_options.profile, m_options.edition == ConvertEdition::Audio);
        if (!found.value)
            return found.error;
        profile.setCurrentProfileId(*found.value);
        profile.select(*found.value);
    }
    const QString texts[] = {m_options.choices.size, m_options.choices.videoQuality, m_options.choices.audioQuality,
                             m_options.choices.channels};
    for (int list = 0; list < 4; ++list) {
        if (texts[list].isEmpty())
            continue;
        const QualityListId id = kQualityListIds[list];
        const Found entry = findEntry(texts[list], qualityList(profile.lists(), id), QLatin1String(kListNames[list]));
        if (!entry.value)
            return entry.error;
        profile.chooseEntry(id, *entry.value);
    }
    if (!m_options.output.isEmpty()) {
        const QString folder = QDir(m_options.output).absolutePath();
        if (!QDir().mkpath(folder))
            return QStringLiteral("The output folder %1 cannot be made; choose a folder you may write to.").arg(folder);
        m_session->outputFolder().setFolder(folder + u'/');
    }
    if (m_options.stretch)
        profile.setPictureFit(PictureFit::Stretch);
    if (m_options.jobs)
        m_session->batch().setJobsAtOnceSetting(jobsAtOnceSetting(*m_options.jobs, processorCores()));
    return {};
}

void ConvertRun::listProfiles()
{
    ActiveProfile &profile = m_session->profile();
    for (const int id : catalogueIds()) {
        if (m_options.edition == ConvertEdition::Audio && !isAudioOnly(id))
            continue;
        const QString name = *displayName(id);
        std::printf("%d\t%s\t%s\n", id, qUtf8Printable(name), qUtf8Printable(outputExtension(name)));
        if (!profile.select(id))
            continue;
        for (int list = 0; list < 4; ++list) {
            const ChoiceList &entries = qualityList(profile.lists(), kQualityListIds[list]);
            if (entries.enabled && !entries.entries.isEmpty())
                std::printf("\t%s: %s\n", kListNames[list],
                            qUtf8Printable(entries.entries.join(QStringLiteral(" | "))));
        }
    }
    end(kAllFinished);
}

void ConvertRun::addEnded()
{
    JobModel &jobs = m_session->jobs();
    if (m_signal)
        return end(128 + m_signal);
    if (jobs.rowCount() == 0) {
        m_report.message(
            QStringLiteral("Nothing to convert: none of the files named is a media file of this edition."));
        return end(kUsageError);
    }
    for (int row = 0; row < jobs.rowCount(); ++row) {
        m_report.added(jobs.original(row).sourcePath);
        cut(row);
    }
    if (!m_options.plan.isEmpty())
        return writePlan();
    convert();
}

void ConvertRun::cut(int row)
{
    if (!m_options.start && !m_options.length)
        return;
    JobModel &jobs = m_session->jobs();
    const ClipRange whole = clipRangeOf(jobs.job(row).clip);
    const Hundredths begin = m_options.start.value_or(0);
    const Hundredths end = m_options.length ? std::min(whole.end, begin + *m_options.length) : whole.end;
    if (begin >= end) {
        m_report.message(QStringLiteral("%1 is not converted: it ends at %2, before the cut begins.")
                             .arg(jobs.original(row).sourcePath, hundredthsToTimeCode(whole.end)));
        return jobs.setChecked(row, false);
    }
    jobs.setClipRange(row, {begin, end});
}

namespace {

// Whether `picked` ("1,3"; empty or "all": every one) names the row by the
// number its caption ends in ("Title_03", "  Chapter_01").
bool picked(const QString &picked, const QString &caption)
{
    if (picked.isEmpty() || picked == u"all")
        return true;
    const int number = caption.section(u'_', -1).toInt();
    for (const QString &part : picked.split(u','))
        if (part.trimmed().toInt() == number)
            return true;
    return false;
}

} // namespace

void ConvertRun::listDvd()
{
    if (m_options.paths.size() != 1)
        return usageError(QStringLiteral("Name one DVD folder (the disc's root or its VIDEO_TS folder)."));
    DvdListing listing;
    const ProfileChoices choices = m_session->profileChoices();
    std::vector<DvdRow> rows = listing.addDvd(m_options.paths.front(), choices).rows;
    if (!m_options.chapters.isEmpty() && !rows.empty())
        rows = listing.toggleMode(choices).value_or(rows);
    if (rows.empty())
        return usageError(QStringLiteral("%1 holds no DVD title: no IFO file with a title was found in it.")
                              .arg(m_options.paths.front()));
    std::vector<ListedRow> listed;
    std::vector<bool> checks;
    for (DvdRow &row : rows) {
        const TrackLists tracks = trackListsFor(listing.files(), row.convert);
        checks.push_back(picked(m_options.chapters.isEmpty() ? m_options.titles : m_options.chapters, row.caption));
        listed.push_back({row.caption.trimmed(), jobOf(row)});
        if (!checks.back())
            continue;
        if (m_options.audio > tracks.audio.size() || m_options.subtitle >= tracks.subtitle.size())
            return usageError(QStringLiteral("%1 has %2 audio tracks and %3 subtitles.")
                                  .arg(row.caption.trimmed())
                                  .arg(tracks.audio.size())
                                  .arg(tracks.subtitle.size() - 1));
        if (m_options.audio > 0)
            chooseAudioTrack(row.convert, row.tracks, m_options.audio - 1, tracks.audio[m_options.audio - 1]);
        if (m_options.subtitle > 0)
            chooseSubtitleTrack(row.convert, row.tracks, m_options.subtitle, tracks.subtitle[m_options.subtitle]);
        listed.back().job = jobOf(row);
        m_report.added(m_options.paths.front() + u' ' + row.caption.trimmed());
    }
    if (std::find(checks.begin(), checks.end(), true) == checks.end())
        return usageError(QStringLiteral("None of the titles or chapters named is on the DVD."));
    m_session->jobs().replaceRows(listed, checks);
    convert();
}

void ConvertRun::usageError(const QString &text)
{
    m_report.message(text);
    end(kUsageError);
}

void ConvertRun::convert()
{
    m_session->batch().start();
    if (!m_session->isConverting())
        end(kSomeFailed); // the batch said why it could not start
}

void ConvertRun::writePlan()
{
    if (QFileInfo::exists(m_options.plan)) {
        m_report.message(QStringLiteral("%1 exists already; name a new file for the plan.").arg(m_options.plan));
        return end(kUsageError);
    }
    const JobModel &jobs = m_session->jobs();
    const JobOutputSide side{m_session->outputFolder(), jobs, m_session->profileChoices().extension};
    QStringList planned;
    for (int row = 0; row < jobs.rowCount(); ++row)
        planned << jobOutputName(side, row, planned).path;
    QSaveFile file(m_options.plan);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_session->handedJobList(planned)) < 0 || !file.commit()) {
        m_report.message(QStringLiteral("The plan %1 cannot be written: %2.").arg(m_options.plan, file.errorString()));
        return end(kSomeFailed);
    }
    m_report.message(QStringLiteral("Planned %1 jobs in %2.").arg(jobs.rowCount()).arg(m_options.plan));
    end(kAllFinished);
}

void ConvertRun::takeSlice()
{
    const StoredJobList &list = m_slice->handed.list;
    std::vector<ListedRow> rows;
    std::vector<bool> checks;
    std::vector<int> done;
    for (int row = 0; row < int(list.rows.size()); ++row) {
        const Job &job = list.rows[row].job;
        const bool mine = list.checks[row] && inShard(row, m_slice->shard);
        // An output under its final name is whole: runs rename only what they finished.
        const bool whole = !job.plannedOutput.isEmpty() && QFileInfo::exists(job.plannedOutput);
        rows.push_back({list.rows[row].caption, restoredJob(job, QFileInfo::exists(sourceOf(job)))});
        checks.push_back(mine && !whole);
        if (mine && whole)
            done.push_back(row);
    }
    m_session->jobs().replaceRows(rows, checks);
    // Converted by an earlier run: finished, as the batch tells its jobs.
    for (const int row : done)
        jobEnded(row, rows[row].job.plannedOutput);
    if (std::find(checks.begin(), checks.end(), true) == checks.end()) {
        m_report.summary(m_finished, m_failures);
        return end(kAllFinished);
    }
    convert();
}

void ConvertRun::showProgress()
{
    const JobModel &jobs = m_session->jobs();
    std::vector<RunningJob> running;
    for (const int row : m_session->batch().runningRows())
        running.push_back({jobs.original(row).sourcePath, jobs.status(row).progress / 100.0});
    m_report.progress(running, m_session->batch().batchProgress() / 100.0, m_session->batch().statusHint());
}

void ConvertRun::jobEnded(int row, const QString &output)
{
    const QString source = m_session->jobs().original(row).sourcePath;
    if (m_slice
        && !appendResult(resultFilePath(m_slice->path, m_slice->shard),
                         {row, !output.isEmpty(), output, m_session->jobs().status(row).reason}))
        m_report.message(QStringLiteral("The result of %1 could not be written beside the list %2; "
                                        "--collect will count it as not converted.")
                             .arg(source, m_slice->path));
    if (!output.isEmpty()) {
        ++m_finished;
        return m_report.finished(source, output);
    }
    const QString reason = m_session->jobs().status(row).reason;
    m_failures.emplace_back(source, reason);
    m_report.failed(source, reason);
}

void ConvertRun::finish()
{
    // The outputs of stopped runs are settled before the end.
    Batch &batch = m_session->batch();
    if (batch.hasRunsUnderWay()) {
        connect(&batch, &Batch::allRunsEnded, this, &ConvertRun::finish, Qt::SingleShotConnection);
        return;
    }
    if (m_signal)
        return end(128 + m_signal);
    m_report.summary(m_finished, m_failures);
    end(m_failures.empty() && !batch.wasStopped() ? kAllFinished : kSomeFailed);
}

void ConvertRun::endBySignal(int signal)
{
    if (m_over || m_signal)
        return;
    m_signal = signal;
    if (m_adding)
        return m_session->adder().cancel();
    if (m_session->isConverting() || m_session->batch().hasRunsUnderWay())
        return m_session->batch().endBySystem(QStringLiteral("Ended by signal %1").arg(signal));
    end(128 + signal);
}

void ConvertRun::end(int status)
{
    if (std::exchange(m_over, true))
        return;
    // After the caller's own steps, so no signal of the session is under way.
    QTimer::singleShot(0, this, [this, status] { emit ended(status); });
}
