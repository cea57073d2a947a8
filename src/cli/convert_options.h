#pragma once
// The command line of veltrix-convert: what to convert, with which profile
// and choices, where to, and how to report. Parsing is a plain function; the
// texts of the errors are the program's messages.

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

enum class ConvertEdition { Video, Audio, Dvd };

// A quality list's entry as the command line names it: its text, or its
// position counted from 1.
struct ListChoice {
    QString size, videoQuality, audioQuality, channels;
};

struct ConvertOptions {
    ConvertEdition edition = ConvertEdition::Video;
    QString profile;         // an id or a name; empty: the one the window remembers
    ListChoice choices;      // empty texts: as the window left them
    QString output;          // empty: the window's output folder
    std::optional<int> jobs; // jobs at once; 0 for "auto"; none: the window's setting
    bool recursive = false;  // folders with their subfolders
    bool stretch = false;    // the picture fills the frame rather than keeping its shape
    // A cut of every file: from `start`, `length` long, in hundredths; none:
    // from the beginning, to the end.
    std::optional<qint64> start, length;
    bool json = false;       // one JSON object per event on standard output
    bool listProfiles = false;
    QStringList paths;
    // Job lists as files: run one (a slice of it with `shard`), plan one for
    // many workers, or collect the results of its workers.
    QString list, plan, collect;
    QString shard; // "K/N" or "slurm"; empty: the whole list
    // A DVD folder's titles ("1,3"), or its chapters, by number; empty:
    // every title. The audio track and subtitle by position from 1 (subtitle
    // 0: none); 0: the first audio track, no subtitle.
    QString titles, chapters;
    int audio = 0, subtitle = 0;
};

// What to print instead of converting.
enum class ConvertInfo { Help, Version };

struct ConvertUsageError {
    QString text;
};

using ParsedCommandLine = std::variant<ConvertOptions, ConvertInfo, ConvertUsageError>;

// `arguments` without the program's name.
ParsedCommandLine parseConvertCommandLine(const QStringList &arguments);
QString convertHelpText();

// The name the session takes an edition's settings and media kinds from.
QString editionProgramName(ConvertEdition edition);
