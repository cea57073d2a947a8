#pragma once
// The edition: the file name the program was started under decides DVD mode,
// the window layout variants, the names of the settings files and the texts
// that name the product. An edition is a link or copy of the one binary.

#include <QString>

struct Edition {
    QString name;            // file name as started, letter case kept
    QString baseName;        // name without a trailing ".exe" (any case)
    bool dvdMode = false;    // name contains "dvd"
    bool zuvok = false;      // name contains "zuvok"
    bool audioNamed = false; // name contains "mp3" or "audio"
};

// The edition of a program started as programPath (argv[0]): its file name.
Edition editionOf(const QString &programPath);

// The name an edition goes by, from its base name: each word of the
// "-"-joined name capitalised, "dvd" written "DVD" ("veltrix-dvd-ripper" ->
// "Veltrix DVD Ripper"). Its window, its dialogs and its banner carry it.
QString editionTitle(const QString &baseName);

// "Conv 2.5" -> "Conv 2.ini": ".ini" replaces what follows the last dot of
// the base name, or is appended when it has none.
QString appSettingsFileName(const QString &baseName);
