#include "engine/commandline.h"

QString quoteArgument(const QString &text)
{
    return text.contains(u' ') ? u'"' + text + u'"' : text;
}

QString commandLineText(const intputrec &rec)
{
    return quoteArgument(rec.encoderfile) + rec.start + " -y " + " -i " + quoteArgument(rec.inputfile)
           + rec.videobitrate + rec.audiobitrate + rec.channels + rec.aspect + rec.length + rec.size + rec.picture + " "
           + rec.samplerate + rec.extra + " " + quoteArgument(rec.outputfile);
}

QStringList encoderArguments(const intputrec &rec)
{
    QStringList args;
    const auto pieces = [&args](const QString &piece) { args += piece.split(u' ', Qt::SkipEmptyParts); };
    pieces(rec.start);
    args << "-y"
         << "-i" << rec.inputfile;
    for (const QString *piece : {&rec.videobitrate, &rec.audiobitrate, &rec.channels, &rec.aspect, &rec.length,
                                 &rec.size, &rec.picture, &rec.samplerate, &rec.extra})
        pieces(*piece);
    args << rec.outputfile;
    return args;
}

QStringList probeArguments(const QString &mediaPath)
{
    return {QStringLiteral("-i"), mediaPath};
}

QString probeCommandLineText(const QString &encoderPath, const QString &mediaPath)
{
    return quoteArgument(encoderPath) + " -i " + quoteArgument(mediaPath);
}
