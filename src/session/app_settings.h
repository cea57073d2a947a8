#pragma once
// The application settings file (edition base name + ".ini" in the settings
// folder): panel and page choices, the output folder, the remembered
// profile, the after-batch action, how pictures fill the frame, the folder
// files were last added from, the number of jobs at once and the main
// window's place.

#include <QRect>
#include <QString>

class IniFile;

struct AppSettings {
    bool videoPanel = true; // "plane"/"video": first video panel
    bool audioPage = true;  // "plane"/"audio": first audio page
    QString outputPath;     // "output"/"path"
    int categoryIndex = 1;  // "profiles"/"selcetindex"
    int profileId = 0;      // "profiles"/"selcetsubindex"; firstStartSettings gives the edition's
    int finishAction = 0;   // "profiles"/"FinishSelcet": 0 nothing, 1 open folder, 2 shut down
    bool keepShape = true;  // "output"/"keepshape": black bars rather than a stretched picture
    bool keepTree = false;  // "output"/"keepstructure": outputs keep the folder structure of added folders
    QString namePattern;    // "output"/"namepattern": output names from tags; empty for the rows' names
    QString addFolder;      // "input"/"path": where Add File's dialog opens; empty until files are added
    int jobsAtOnce = 0;     // "profiles"/"JobsAtOnce": 0 Automatic, else how many jobs a batch runs at once
    QRect windowPlace;      // "window"/"left", "top", "width", "height": the main window's; invalid until it shows
    bool windowMaximized = false; // "window"/"maximized"
};

// What a start without stored choices takes: an edition named for audio
// converts to MP3 in the user's music folder, the others to MP4 AVC in the
// videos folder (XDG_VIDEOS_DIR); each folder with a trailing "/", the home
// folder when the desktop names none.
AppSettings firstStartSettings(bool audioEdition);

// A missing file or key, or a malformed number, gives the value of `defaults`.
AppSettings loadAppSettings(const IniFile &ini, const AppSettings &defaults);

// Writes every key, each reaching the disk at once. False when a write
// failed; ini.error() then says which file and why.
bool saveAppSettings(IniFile &ini, const AppSettings &settings);
