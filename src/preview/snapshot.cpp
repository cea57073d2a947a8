#include "preview/snapshot.h"

#include "dvd/dvd_job_input.h"

#include "jobs/failure_reason.h"
#include "jobs/job_log.h"
#include "jobs/output_folder.h"
#include "jobs/output_naming.h"
#include "ui_text/prompts.h"

#include <QDir>
#include <QFileInfo>

intputrec snapshotRecord(const SnapshotRequest &request, const QString &imagePath)
{
    intputrec rec;
    rec.inputfile = request.inputPath;
    rec.outputfile = imagePath;
    rec.size = request.sizePiece;
    rec.picture = request.picturePiece;
    // A DVD row's input carries the position itself: register.dat skips to it
    // after reading from the row's start, so a subtitle shown since earlier
    // is in the picture. A seek on the input would drop it.
    if (!isDvdJobInput(request.inputPath.toStdString()))
        rec.start = QStringLiteral(" -ss ") + request.timeText;
    rec.length = QStringLiteral(" -t 0.01");
    rec.extra = QStringLiteral(" -f image2 ");
    // No progress is shown for a single frame: seconds stays 0.
    return rec;
}

Snapshot::Snapshot(const EncoderLocation &encoder, Prompts &prompts, QObject *parent)
    : QObject(parent),
      m_encoder(encoder),
      m_prompts(prompts)
{
    connect(&m_run, &EncoderRun::runEnded, this, &Snapshot::runEnded);
    connect(&m_run, &EncoderRun::outputLine, this, [this](const QString &line) { keepLastLine(m_lines, line); });
}

void Snapshot::take(const SnapshotRequest &request)
{
    if (m_run.isRunning()) {
        m_prompts.warning(
            QStringLiteral("The previous image is still being saved. Wait a moment, then save the image again."));
        return;
    }
    // The folder is read as a batch reads it.
    if (outputFolderRefusal(request.outputFolder)) {
        m_prompts.warning(QStringLiteral("The image cannot be saved: the Output field names no usable folder. Type "
                                         "a folder into it or choose one with the folder button, then save the image "
                                         "again."));
        return;
    }
    m_request = request;
    const QString folder = absoluteOutputFolder(request.outputFolder, QDir::homePath());
    // A chapter's caption "  Chapter_01" names "Chapter_01.bmp", as its conversion does.
    m_image = outputPathFor(prepareOutputFolder(folder), request.caption, QStringLiteral(".bmp"),
                            FirstName::WithoutLeadingBlanks)
                  .path;
    m_lines.clear();
    m_run.setExecutableFolder(m_encoder.workdir);
    if (!m_run.start(snapshotRecord(request, m_image)))
        m_prompts.warning(QStringLiteral("The image cannot be saved now. Wait a moment, then save it again."));
}

void Snapshot::runEnded(const RunOutcome &outcome)
{
    const QStringList lines = std::exchange(m_lines, {});
    if (QFileInfo(m_run.unfinishedOutput()).size() > 0) {
        const FinalName named = m_run.keepOutput();
        if (!named.path.isEmpty()) {
            m_image = named.path;
            emit saved(m_image);
            return;
        }
    }
    m_run.discardOutput();
    if (!outcome.succeeded()) {
        const QString folder = QFileInfo(m_image).absolutePath();
        m_prompts.warning(QStringLiteral("No image was saved in %1: %2\nChoose an output folder you can write to, "
                                         "then save the image again.")
                              .arg(folder, folderWriteError(folder).value_or(failureReason(outcome, lines))));
        return;
    }
    m_prompts.warning(QStringLiteral("No image was saved: the encoder found no picture at %1 of %2 (a position at "
                                     "the very end of a file has none). Move the position back a little, then save "
                                     "the image again.")
                          .arg(m_request.timeText, m_request.caption));
}
