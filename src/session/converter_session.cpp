#include "session/converter_session.h"

#include "dvd/dvd_job_start.h"
#include "engine/unfinished_outputs.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/file_job_start.h"
#include "jobs/job_list_file.h"
#include "jobs/job_list_store.h"
#include "jobs/jobs_at_once.h"
#include "platform/ini/ini_file.h"
#include "preview/snapshot.h"
#include "profiles/catalogue.h"
#include "profiles/profile_file_check.h"
#include "session/damaged_settings.h"
#include "session/data_folder.h"
#include "session/remembered_profile.h"
#include "ui_text/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <exception>

ConverterSession::ConverterSession(Prompts &prompts, DesktopShell &shell, const QString &programPath,
                                   const QString &executableFolder, QObject *parent)
    : QObject(parent),
      m_prompts(prompts),
      m_shell(shell),
      m_edition(editionOf(programPath)),
      m_dataFolder(dataFolderOf(executableFolder)),
      m_profile(m_dataFolder),
      m_jobs(m_profile)
{
    UnfinishedOutputs::removeLeftovers();
    m_settings.categoryIndex = -1;
    m_runs.setExecutableFolder(QDir(executableFolder).absolutePath() + u'/');
    m_adder = std::make_unique<FileAdder>(m_jobs, m_prompts, m_runs.location(), m_busy);
    m_adder->setMediaKinds(m_edition.audioNamed ? MediaKinds::Audio : MediaKinds::VideoAndAudio);
    m_jobStart = std::make_unique<RowJobStart>(m_jobs, std::make_unique<FileJobStart>(m_jobs, m_profile, m_output),
                                               std::make_unique<DvdJobStart>(m_jobs, m_profile, m_output));
    m_batch = std::make_unique<Batch>(m_runs, m_jobs, *m_jobStart, m_output, m_busy, m_shell, m_prompts);
    m_jobList = std::make_unique<JobListStore>(m_jobs, m_prompts);
    m_snapshot = std::make_unique<Snapshot>(m_runs.location(), m_prompts);
}

ConverterSession::~ConverterSession() = default;

CommandSituation ConverterSession::commandSituation() const
{
    return {.listEmpty = m_jobs.rowCount() == 0,
            .rowSelected = m_jobs.selectedRow().has_value(),
            .previewing = isPreviewing(),
            .converting = isConverting(),
            .adding = m_busy.is(Busy::Adding)};
}

void ConverterSession::readSettings()
{
    if (m_ending)
        return;
    const QString settingsFile = appSettingsFileName(m_edition.baseName);
    m_profile.openSettings(settingsFile, m_edition.dvdMode);
    for (const QString &path : {IniFile(settingsFile).path(), m_profile.settingsPath()}) {
        IniFile file(path);
        if (const std::optional<QString> notice = damagedSettingsNotice(file))
            m_prompts.warning(*notice);
    }
    if (const std::optional<QString> notice = profileFileDamageNotice(m_dataFolder))
        m_prompts.warning(*notice);
    // The system may have ended the program while a notice was open.
    if (m_ending)
        return;
    m_settingsFile = std::make_unique<IniFile>(settingsFile);
    const AppSettings firstStart = firstStartSettings(m_edition.audioNamed);
    m_settings = loadAppSettings(*m_settingsFile, firstStart);
    m_output.setFolder(m_settings.outputPath);
    m_output.setKeepStructure(m_settings.keepTree);
    m_output.setNamePattern(m_settings.namePattern);
    m_adder->setLastFolder(m_settings.addFolder);
    m_batch->setAfterBatchAction(static_cast<AfterBatchAction>(m_settings.finishAction));
    m_profile.setPictureFit(m_settings.keepShape ? PictureFit::KeepShape : PictureFit::Stretch);
    m_batch->setJobsAtOnceSetting(jobsAtOnceSetting(m_settings.jobsAtOnce, processorCores()));
    // A remembered id that names no profile (a blank position, a damaged
    // file) falls back to the default profile rather than leaving none active.
    if (!m_profile.select(m_settings.profileId)) {
        m_settings.profileId = firstStart.profileId;
        m_profile.select(m_settings.profileId);
    }
    m_profile.setCurrentProfileId(m_settings.profileId);
}

QJsonObject ConverterSession::restoreJobList()
{
    if (m_ending)
        return {};
    const QJsonObject listing = m_jobList->open(jobListPath(m_edition.baseName));
    if (m_jobs.rowCount() > 0)
        m_jobs.selectRow(0);
    return listing;
}

void ConverterSession::saveJobList()
{
    m_jobList->saveNow();
}

QStringList ConverterSession::saveSettings()
{
    if (!m_settingsFile)
        return {};
    QStringList failures;
    // The loaded profile's choices would otherwise be kept only when another profile is chosen.
    try {
        m_profile.saveChoices();
    } catch (const std::exception &error) {
        failures << QString::fromLocal8Bit(error.what());
    }
    m_settings.profileId = profileIdToRemember(m_profile.loadedProfileId(), m_settings.profileId);
    m_settings.outputPath = m_output.stored();
    m_settings.keepTree = m_output.keepsStructure();
    m_settings.namePattern = m_output.namePattern();
    m_settings.addFolder = m_adder->lastFolder();
    m_settings.finishAction = static_cast<int>(m_batch->afterBatchAction());
    m_settings.keepShape = m_profile.pictureFit() == PictureFit::KeepShape;
    m_settings.jobsAtOnce = m_batch->jobsAtOnceSetting();
    if (!saveAppSettings(*m_settingsFile, m_settings))
        failures << QStringLiteral("The settings could not be saved: %1\nCheck that the settings folder is "
                                   "writable; the choices of this session are lost otherwise.")
                        .arg(m_settingsFile->error());
    m_settingsFile.reset();
    return failures;
}

void ConverterSession::endInOrder(int exitCode)
{
    if (std::exchange(m_ending, true))
        return;
    m_adder->cancel();
    m_batch->endBySystem(QStringLiteral("the program was ended by the system"));
    if (m_batch->hasRunsUnderWay())
        connect(
            m_batch.get(), &Batch::allRunsEnded, this, [this, exitCode] { exitInOrder(exitCode); },
            Qt::SingleShotConnection);
    else
        exitInOrder(exitCode);
}

void ConverterSession::exitInOrder(int exitCode)
{
    // No one is there to answer a box: what could not be saved goes to standard error.
    QStringList failures = saveSettings();
    if (const std::optional<QString> failure = m_jobList->close())
        failures << *failure;
    for (const QString &failure : failures)
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(m_edition.name), qUtf8Printable(failure));
    QCoreApplication::exit(exitCode);
    // Again while any event loop runs: the end may come before the main loop
    // has begun (in a notice of the start-up, which another may follow).
    auto *again = new QTimer(QCoreApplication::instance());
    connect(again, &QTimer::timeout, again, [exitCode] { QCoreApplication::exit(exitCode); });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, again, &QObject::deleteLater);
    again->start(50);
}

ConversionSettings ConverterSession::conversionSettings() const
{
    const QualityLists &lists = m_profile.lists();
    const auto chosen = [](const ChoiceList &list) {
        return list.selected >= 0 ? std::optional<int>(list.selected) : std::nullopt;
    };
    return {.edition = m_edition.baseName,
            .profileId = m_profile.loadedProfileId(),
            .size = chosen(lists.size),
            .videoQuality = chosen(lists.videoQuality),
            .audioQuality = chosen(lists.audioQuality),
            .channels = chosen(lists.channel),
            .stretch = m_profile.pictureFit() == PictureFit::Stretch,
            .outputFolder = m_output.absolute()};
}

QByteArray ConverterSession::handedJobList(const QStringList &plannedOutputs) const
{
    QByteArrayList rows;
    for (int row = 0; row < m_jobs.rowCount(); ++row) {
        Job job = m_jobs.job(row);
        job.plannedOutput = plannedOutputs.value(row, job.plannedOutput);
        rows << jobListRowText({m_jobs.caption(row), job}, m_jobs.isChecked(row));
    }
    return jobListText(rows, {}, conversionSettingsJson(conversionSettings()));
}

QString ConverterSession::takeConversionSettings(const ConversionSettings &settings)
{
    if (!displayName(settings.profileId) || !m_profile.select(settings.profileId))
        return QStringLiteral("The list names profile %1, which this version of the program does not have.")
            .arg(settings.profileId);
    m_profile.setCurrentProfileId(settings.profileId);
    const std::optional<int> positions[] = {settings.size, settings.videoQuality, settings.audioQuality,
                                            settings.channels};
    for (int list = 0; list < 4; ++list)
        if (positions[list])
            m_profile.chooseEntry(kQualityListIds[list], *positions[list]);
    m_profile.setPictureFit(settings.stretch ? PictureFit::Stretch : PictureFit::KeepShape);
    if (!settings.outputFolder.isEmpty())
        m_output.setFolder(settings.outputFolder.endsWith(u'/') ? settings.outputFolder : settings.outputFolder + u'/');
    return {};
}
