#include "engine/encoder_check.h"

#include "engine/encoder_identity.h"

#include <QFileInfo>
#include <QProcess>

namespace {

// The bridge answers at once; a program that reads its input or waits for
// something else is not the bridge.
constexpr int kAnswerWaitMs = 5000;

const QString kReinstall = QStringLiteral("Reinstall the program, then press Start again.");

bool answersAsBridge(const QString &encoderFile)
{
    QProcess encoder;
    encoder.setStandardInputFile(QProcess::nullDevice());
    encoder.start(encoderFile, {QString::fromLatin1(kEncoderIdentityOption)});
    if (!encoder.waitForFinished(kAnswerWaitMs)) {
        encoder.kill();
        encoder.waitForFinished();
        return false;
    }
    return encoder.exitStatus() == QProcess::NormalExit && encoder.exitCode() == 0
           && encoder.readAllStandardOutput().trimmed() == kEncoderIdentity;
}

} // namespace

std::optional<QString> encoderRefusal(const QString &encoderFile)
{
    const QFileInfo file(encoderFile);
    if (!file.isFile())
        return QStringLiteral("The encoder %1 is missing, so nothing was converted.\n").arg(encoderFile) + kReinstall;
    if (!file.isExecutable())
        return QStringLiteral("The encoder %1 may not be run (it is not marked executable), so nothing was "
                              "converted.\n")
                   .arg(encoderFile)
               + kReinstall;
    if (!answersAsBridge(encoderFile))
        return QStringLiteral("The file %1 is not this program's encoder (it does not answer as the Veltrix "
                              "encoder bridge), so nothing was converted.\n")
                   .arg(encoderFile)
               + kReinstall;
    return std::nullopt;
}
