#pragma once
// What one IFO file holds, read through the IFO information library into
// plain values that the listing rules and the DVD title start work on.

#include "platform/ifo/ifo_library.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct IfoTitle {
    ifolib::TitleTime time;
    std::vector<ifolib::CellRecord> cells; // in playback order, first angle only
    std::array<quint32, 16> palette{};     // 0x00YYCrCb per entry
};

struct IfoContents {
    QStringList audioDescriptions;    // "AC-3 en 2ch 48000Hz (0x80)"
    QStringList subtitleDescriptions; // "Subtitle en (0x20)"
    QString videoDescription;         // "MPEG-2 720x576 PAL 4:3"
    std::vector<IfoTitle> titles;
};

// Reads the file; nullopt when the library cannot open it.
std::optional<IfoContents> readIfoContents(const QString &ifoPath);

// Hours, minutes and seconds as whole seconds; frames do not count.
int secondsOf(const ifolib::TitleTime &time);
int secondsOf(const ifolib::CellRecord &cell);
