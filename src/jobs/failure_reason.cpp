#include "jobs/failure_reason.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>
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
    for (const char *word : {"rror", "Invalid", "failed", "Could not", "Cannot", "cannot", "does not contain"})
        if (line.contains(QLatin1StringView(word)))
            return true;
    return false;
}

const QLatin1StringView kBridgeCause("register.dat: ");
const QLatin1StringView kTag("Could not find tag for codec ");

// The error text the line holds, of those the encoder prints.
std::optional<QString> knownErrorText(const QString &line)
{
    for (const QString &text : knownErrorTexts())
        if (line.contains(text))
            return text;
    return std::nullopt;
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

// The cause the encoder's lines give and the line that gives it.
struct LineCause {
    QString text;
    QString line;
    bool worded = false; // worded for the user already: it names no file
};

// ffmpeg's muxer refusing a stream the container has no place for, as a
// stream copy meets it: "[mp4 @ 0x..] Could not find tag for codec subrip in
// stream #2, codec not currently supported in container".
std::optional<LineCause> containerCause(const QStringList &lines)
{
    static const QLatin1StringView kStream(" in stream #");
    for (const QString &line : lines) {
        const qsizetype tag = line.indexOf(kTag), stream = line.indexOf(kStream);
        if (tag < 0 || stream < tag)
            continue;
        const QString codec = line.mid(tag + kTag.size(), stream - tag - kTag.size());
        const QString number = line.mid(stream + kStream.size()).section(u',', 0, 0);
        return LineCause{QStringLiteral("The output format cannot hold stream #%1 of the source (%2); choose a "
                                        "profile whose format holds it, such as \"MKV - Same streams, new "
                                        "container\"")
                             .arg(number, codec),
                         line, true};
    }
    return std::nullopt;
}

std::optional<LineCause> lineCause(const QStringList &lines)
{
    if (const std::optional<QString> disk = diskCause(lines))
        return LineCause{*disk, {}};
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (line->startsWith(kBridgeCause))
            return LineCause{line->mid(kBridgeCause.size()).trimmed(), *line, true};
    if (std::optional<LineCause> container = containerCause(lines))
        return container;
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (const std::optional<QString> text = knownErrorText(*line))
            return LineCause{*text, *line};
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (reportsError(*line))
            return LineCause{line->trimmed().left(kLongestReason), *line};
    return std::nullopt;
}

bool names(const QString &line, const QString &path)
{
    return !path.isEmpty() && line.contains(path);
}

} // namespace

std::optional<QString> diskCause(const QStringList &lines)
{
    for (const int error : {ENOSPC, EDQUOT, EFBIG}) {
        const QString text = QString::fromLocal8Bit(std::strerror(error));
        for (const QString &line : lines)
            if (line.contains(text))
                return text;
    }
    return std::nullopt;
}

QString failureReason(const RunOutcome &outcome, const QStringList &lines)
{
    const std::optional<LineCause> cause = lineCause(lines);
    return cause ? cause->text : outcomeReason(outcome);
}

QString failureReason(const RunOutcome &outcome, const QStringList &lines, const JobFiles &files)
{
    const std::optional<LineCause> cause = lineCause(lines);
    if (!cause)
        return outcomeReason(outcome);
    const QString writing = QStringLiteral("%1, writing %2").arg(cause->text, files.output);
    const QString reading = QStringLiteral("%1, reading %2").arg(cause->text, files.source);
    // The output's names first: a source may lie in the output folder and
    // share the start of its path.
    if (diskCause(lines) || names(cause->line, files.temporary) || names(cause->line, files.output))
        return writing;
    if (names(cause->line, files.source) || cause->line.contains(QLatin1StringView("input"), Qt::CaseInsensitive))
        return reading;
    if (cause->worded)
        return cause->text;
    // The encoder's other words concern the output where they say so, else
    // what it read (a demuxer's or a decoder's complaint).
    return cause->line.contains(QLatin1StringView("output"), Qt::CaseInsensitive) ? writing : reading;
}

bool namesCause(const QString &line)
{
    return line.startsWith(kBridgeCause) || line.contains(kEmptyOutput) || line.contains(kTag)
           || knownErrorText(line).has_value();
}

std::optional<QString> folderWriteError(const QString &folder)
{
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0)
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString unbuildableArgumentsReason()
{
    return QStringLiteral("The encoder arguments could not be built from this file's picture size and the chosen "
                          "settings; choose another picture size or quality in Settings");
}
