#include "app/media_duration.h"

#include "engine/commandline.h"
#include "engine/encoder_process.h"
#include "engine/timecode.h"

#include <QProcess>
#include <memory>

int durationSecondsOf(const QByteArray &description)
{
    const qsizetype at = description.indexOf("Duration:");
    if (at < 0)
        return 0;
    return timeCodeToSeconds(QString::fromLatin1(description.mid(at + 10, 8)));
}

int probeDurationSeconds(const QString &encoderPath, const QString &workdir, const QString &mediaPath)
{
    std::unique_ptr<QProcess> process(startEncoderProcess(encoderPath, probeArguments(mediaPath), workdir, nullptr));
    if (!process->waitForFinished(15000))
        killProcessGroupNow(*process, 1000);
    return durationSecondsOf(process->readAll());
}
