#include "cli/convert_options.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct OptionText {
    const char *name;
    const char *value; // nullptr for a switch
    const char *help;
};

constexpr OptionText kOptions[] = {
    {"edition", "video|audio|dvd", "the edition whose media kinds, settings and profiles to take (default video)"},
    {"titles", "N,N...", "dvd: the titles to convert (default every title)"},
    {"chapters", "N,N...|all", "dvd: list the titles' chapters and convert these"},
    {"audio", "N", "dvd: the audio track, by its position from 1"},
    {"subtitle", "N", "dvd: the subtitle burnt in, by its position from 1 (0: none)"},
    {"profile", "ID|NAME", "the output profile, by its id or its name (or a part of it naming one profile)"},
    {"size", "ENTRY", "the picture size: an entry of the profile's list, by its text or its position from 1"},
    {"video-quality", "ENTRY", "the video quality, likewise"},
    {"audio-quality", "ENTRY", "the audio quality, likewise"},
    {"channels", "ENTRY", "the channels, likewise"},
    {"stretch", nullptr, "stretch the picture to the frame rather than keep its shape with black bars"},
    {"start", "HH:MM:SS.cc", "convert each file from this time on"},
    {"length", "HH:MM:SS.cc", "convert this long a part of each file"},
    {"output", "FOLDER", "the output folder (default the window's)"},
    {"jobs", "N|auto", "how many jobs run at once (default the window's setting)"},
    {"recursive", nullptr, "add folders with their subfolders"},
    {"json", nullptr, "print one JSON object per event, for other programs"},
    {"list-profiles", nullptr, "print every profile: id, name, extension and its four lists"},
    {"plan", "LIST", "decide every output name and write the job list LIST for workers, converting nothing"},
    {"list", "LIST", "convert the rows of a job list (exported by the window, or planned)"},
    {"shard", "K/N|slurm", "with --list: convert the K-th of N slices (slurm: of the array job)"},
    {"collect", "LIST", "merge the workers' results of a list into one summary and exit status"},
    {"help", nullptr, "print this help and exit"},
    {"version", nullptr, "print the version and exit"},
};

QString value(const QCommandLineParser &parser, const char *name)
{
    return parser.value(QString::fromLatin1(name));
}

std::optional<ConvertUsageError> readEdition(const QString &text, ConvertEdition &edition)
{
    if (text.isEmpty() || text == u"video")
        edition = ConvertEdition::Video;
    else if (text == u"audio")
        edition = ConvertEdition::Audio;
    else if (text == u"dvd")
        edition = ConvertEdition::Dvd;
    else
        return ConvertUsageError{QStringLiteral("Unknown edition \"%1\": use video, audio or dvd.").arg(text)};
    return std::nullopt;
}

// "HH:MM:SS" or "HH:MM:SS.cc" into `time`, in hundredths.
std::optional<ConvertUsageError> readTime(const char *option, const QString &text, std::optional<qint64> &time)
{
    if (text.isEmpty())
        return std::nullopt;
    static const QRegularExpression shape(QStringLiteral(R"(^(\d+):([0-5]\d):([0-5]\d)(?:\.(\d\d))?$)"));
    const QRegularExpressionMatch parts = shape.match(text);
    if (!parts.hasMatch())
        return ConvertUsageError{QStringLiteral("--%1 takes a time as HH:MM:SS or HH:MM:SS.cc, not \"%2\".")
                                     .arg(QLatin1String(option), text)};
    time = ((parts.captured(1).toLongLong() * 60 + parts.captured(2).toInt()) * 60 + parts.captured(3).toInt()) * 100
           + parts.captured(4).toInt();
    return std::nullopt;
}

std::optional<ConvertUsageError> readJobs(const QString &text, std::optional<int> &jobs)
{
    if (text.isEmpty())
        return std::nullopt;
    if (text == u"auto") {
        jobs = 0;
        return std::nullopt;
    }
    bool number = false;
    const int count = text.toInt(&number);
    if (!number || count < 1)
        return ConvertUsageError{QStringLiteral("--jobs takes a number from 1 or \"auto\", not \"%1\".").arg(text)};
    jobs = count;
    return std::nullopt;
}

} // namespace

ParsedCommandLine parseConvertCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionText &option : kOptions)
        parser.addOption(option.value ? QCommandLineOption(QString::fromLatin1(option.name), QString(),
                                                           QString::fromLatin1(option.value))
                                      : QCommandLineOption(QString::fromLatin1(option.name)));
    if (!parser.parse(QStringList{QStringLiteral("veltrix-convert")} + arguments))
        return ConvertUsageError{parser.errorText() + QStringLiteral(" (see veltrix-convert --help)")};
    if (parser.isSet(QStringLiteral("help")))
        return ConvertInfo::Help;
    if (parser.isSet(QStringLiteral("version")))
        return ConvertInfo::Version;
    ConvertOptions options;
    if (auto error = readEdition(value(parser, "edition"), options.edition))
        return *error;
    if (auto error = readJobs(value(parser, "jobs"), options.jobs))
        return *error;
    if (auto error = readTime("start", value(parser, "start"), options.start))
        return *error;
    if (auto error = readTime("length", value(parser, "length"), options.length))
        return *error;
    options.stretch = parser.isSet(QStringLiteral("stretch"));
    options.titles = value(parser, "titles");
    options.chapters = value(parser, "chapters");
    options.audio = value(parser, "audio").toInt();
    options.subtitle = value(parser, "subtitle").toInt();
    options.profile = value(parser, "profile");
    options.choices = {value(parser, "size"), value(parser, "video-quality"), value(parser, "audio-quality"),
                       value(parser, "channels")};
    options.output = value(parser, "output");
    options.recursive = parser.isSet(QStringLiteral("recursive"));
    options.json = parser.isSet(QStringLiteral("json"));
    options.listProfiles = parser.isSet(QStringLiteral("list-profiles"));
    for (const QString &path : parser.positionalArguments())
        options.paths << QFileInfo(path).absoluteFilePath();
    options.plan = value(parser, "plan");
    options.list = value(parser, "list");
    options.collect = value(parser, "collect");
    options.shard = value(parser, "shard");
    if (!options.shard.isEmpty() && options.list.isEmpty())
        return ConvertUsageError{QStringLiteral("--shard divides a list: give it with --list.")};
    const bool fromList = !options.list.isEmpty() || !options.collect.isEmpty();
    if (fromList && !options.paths.isEmpty())
        return ConvertUsageError{QStringLiteral("A list names its files itself: give either --list (or --collect) "
                                                "or files and folders.")};
    if (options.paths.isEmpty() && !options.listProfiles && !fromList)
        return ConvertUsageError{
            QStringLiteral("Nothing to convert: name files or folders (see veltrix-convert --help).")};
    return options;
}

QString convertHelpText()
{
    QString text =
        QStringLiteral("Usage: veltrix-convert [OPTION]... FILE|FOLDER...\n"
                       "Converts media files with the profiles of Veltrix Video Converter, without a window.\n"
                       "The edition's settings (profile, choices, output folder, jobs at once) are the defaults;\n"
                       "the command line never changes them.\n\nOptions:\n");
    for (const OptionText &option : kOptions) {
        const QString name = QStringLiteral("--%1%2").arg(
            QString::fromLatin1(option.name), option.value ? u' ' + QString::fromLatin1(option.value) : QString());
        text += QStringLiteral("  %1  %2\n").arg(name, -26).arg(QString::fromLatin1(option.help));
    }
    text += QStringLiteral("\nExit status: 0 when every job finished, 1 when some failed, 2 for a usage error,\n"
                           "128 + the signal's number after SIGINT, SIGTERM or SIGHUP.\n");
    return text;
}

QString editionProgramName(ConvertEdition edition)
{
    switch (edition) {
    case ConvertEdition::Audio:
        return QStringLiteral("veltrix-audio-converter");
    case ConvertEdition::Dvd:
        return QStringLiteral("veltrix-dvd-ripper");
    case ConvertEdition::Video:
        break;
    }
    return QStringLiteral("veltrix-video-converter");
}
