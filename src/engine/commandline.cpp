#include "engine/commandline.h"

#include <array>

QString quoteArgument(const QString &text)
{
    return text.contains(u' ') ? u'"' + text + u'"' : text;
}

namespace {

// One part of a run's command after the encoder's path: a piece of the
// record (blank-separated words) or a path, which stays one argument.
struct CommandPart {
    const QString &text;
    bool path = false;
};

// The parts in the one order both the line of text and the arguments take.
std::array<CommandPart, 15> commandParts(const intputrec &rec)
{
    static const QString yes = QStringLiteral(" -y "), input = QStringLiteral(" -i "), blank = QStringLiteral(" ");
    return {{{rec.start}, {yes}, {input}, {rec.inputfile, true}, {rec.videobitrate}, {rec.audiobitrate},
             {rec.channels}, {rec.aspect}, {rec.length}, {rec.size}, {rec.picture}, {blank}, {rec.samplerate},
             {rec.extra}, {blank}}};
}

} // namespace

QString commandLineText(const intputrec &rec)
{
    QString line = quoteArgument(rec.encoderfile);
    for (const CommandPart &part : commandParts(rec))
        line += part.path ? quoteArgument(part.text) : part.text;
    return line + quoteArgument(rec.outputfile);
}

QStringList encoderArguments(const intputrec &rec)
{
    QStringList args;
    for (const CommandPart &part : commandParts(rec)) {
        if (part.path)
            args << part.text;
        else
            args += part.text.split(u' ', Qt::SkipEmptyParts);
    }
    return args << rec.outputfile;
}

QStringList probeArguments(const QString &mediaPath)
{
    return {QStringLiteral("-i"), mediaPath};
}

QString probeCommandLineText(const QString &encoderPath, const QString &mediaPath)
{
    return quoteArgument(encoderPath) + " -i " + quoteArgument(mediaPath);
}
