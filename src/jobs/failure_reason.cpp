#include "jobs/failure_reason.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr qsizetype kLongestReason = 160;

// The error texts the encoder prints after a file name or an operation: the
// system's own (ffmpeg prints strerror's text) and ffmpeg's.
const std::vector<QString> &knownErrorTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> list;
        for (const int error : {EACCES, EPERM, ENOSPC, EDQUOT, EROFS, ENOENT, EIO, EFBIG, ENAMETOOLONG, EISDIR, ENOTDIR,
                                ENOMEM, EMFILE, EINVAL})
            list.push_back(QString::fromLocal8Bit(std::strerror(error)));
        for (const char *text : {"Invalid data found when processing input", "Encoder not found", "Decoder not found",
                                 "Muxer not found", "Protocol not found", "Unknown encoder"})
            list.push_back(QString::fromLatin1(text));
        return list;
    }();
    return texts;
}

bool reportsError(const QString &line)
{
    for (const char *word : {"rror", "Invalid", "failed", "Could not", "Cannot", "cannot"})
        if (line.contains(QLatin1StringView(word)))
            return true;
    return false;
}

QString outcomeReason(const RunOutcome &outcome)
{
    switch (outcome.kind) {
    case RunOutcome::Kind::Succeeded:
        return QStringLiteral("The encoder ended without writing the output file");
    case RunOutcome::Kind::Failed:
        return QStringLiteral("The encoder ended with exit code %1").arg(outcome.exitCode);
    case RunOutcome::Kind::Crashed:
        return QStringLiteral("The encoder crashed");
    case RunOutcome::Kind::CouldNotStart:
        return QStringLiteral("The encoder register.dat could not be started; reinstall the program");
    case RunOutcome::Kind::Stalled:
        return QStringLiteral("The encoder stopped responding");
    case RunOutcome::Kind::Stopped:
        return QStringLiteral("Stopped");
    }
    return {};
}

} // namespace

QString failureReason(const RunOutcome &outcome, const QStringList &lastLines)
{
    for (auto line = lastLines.crbegin(); line != lastLines.crend(); ++line)
        for (const QString &text : knownErrorTexts())
            if (line->contains(text))
                return text;
    for (auto line = lastLines.crbegin(); line != lastLines.crend(); ++line)
        if (reportsError(*line))
            return line->trimmed().left(kLongestReason);
    return outcomeReason(outcome);
}

QString unbuildableArgumentsReason()
{
    return QStringLiteral("The encoder arguments could not be built from this file's picture size and the chosen "
                          "settings; choose another picture size or quality in Settings");
}
