// Settings files through IniFile. The input is a settings file's bytes,
// optionally followed by NUL-separated (section, key, value) triples.
// - Reading any file is safe, and writing one key keeps the value of every
//   other key the program reads.
// - Written values read back exactly, whatever their characters, for every
//   section and key a settings file can hold (one line each, no blank at
//   either end, no "=" in a key, no "]" in a section); names compare
//   without regard to ASCII letter case, as the file's keys do.

#include "fuzz_support.h"

#include "platform/ini/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

using namespace veltrix::fuzz;

namespace {

struct Key {
    const char *section;
    const char *key;
};

// Every key of the application settings and of a profile's quality settings.
constexpr Key kProgramKeys[] = {
    {"plane", "video"},
    {"plane", "audio"},
    {"output", "path"},
    {"profiles", "selcetindex"},
    {"profiles", "selcetsubindex"},
    {"profiles", "FinishSelcet"},
    {"17", "size"},
    {"17", "video bitrate"},
    {"17", "audio bitrate"},
    {"17", "Channel"},
};

QString settingsPath()
{
    // In memory where the machine offers it: the harness writes on every run.
    static const QTemporaryDir folder(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/veltrix-ini-fuzz-XXXXXX")
                                                                : QDir::tempPath() + "/veltrix-ini-fuzz-XXXXXX");
    if (!folder.isValid())
        propertyFailed("a temporary folder for the settings file can be made", __FILE__, __LINE__);
    return folder.filePath(QStringLiteral("fuzz.ini"));
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        propertyFailed("the raw settings file can be written", __FILE__, __LINE__);
}

std::vector<QString> programValues(const IniFile &ini)
{
    std::vector<QString> values;
    for (const Key &k : kProgramKeys) {
        values.push_back(ini.readString(k.section, k.key, QStringLiteral("\x01missing")));
        ini.readInteger(k.section, k.key, -1);
        ini.readBool(k.section, k.key, true);
    }
    return values;
}

bool hasBlankEnd(const QString &text)
{
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

bool holdsOneLine(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n');
}

bool isHoldableName(const QString &name)
{
    return !name.isEmpty() && holdsOneLine(name) && !hasBlankEnd(name);
}

bool isHoldableSection(const QString &section)
{
    return isHoldableName(section) && !section.contains(u']');
}

bool isHoldableKey(const QString &key)
{
    return isHoldableName(key) && !key.contains(u'=') && !key.startsWith(u';') && !key.startsWith(u'#')
           && !key.startsWith(u'[');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<QByteArray> fields =
        fieldsOf(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const QString path = settingsPath();
    writeRaw(path, fields.front());
    IniFile ini(path);

    // One write keeps every other value.
    const std::vector<QString> before = programValues(ini);
    const bool written = ini.writeString(QStringLiteral("output"), QStringLiteral("path"), QStringLiteral("/fuzz/out"));
    FUZZ_EXPECT(written, "a settings file in a writable folder can be written");
    const std::vector<QString> after = programValues(ini);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool isWrittenKey = QByteArray(kProgramKeys[i].key) == "path";
        FUZZ_EXPECT(isWrittenKey ? after[i] == QStringLiteral("/fuzz/out") : after[i] == before[i],
                    "writing one key keeps every other value");
    }

    // Write-then-read round trips, the last write of a name winning.
    std::map<QByteArray, std::tuple<QString, QString, QString>> lastWrites;
    for (std::size_t i = 1; i + 2 < fields.size(); i += 3) {
        const QString section = QString::fromUtf8(fields[i]);
        const QString key = QString::fromUtf8(fields[i + 1]);
        const QString value = QString::fromUtf8(fields[i + 2]);
        if (!isHoldableSection(section) || !isHoldableKey(key) || !holdsOneLine(value))
            continue;
        FUZZ_EXPECT(ini.writeString(section, key, value), "a holdable value can be written");
        lastWrites[section.toUtf8().toLower() + '\0' + key.toUtf8().toLower()] = {section, key, value};
    }
    for (const auto &[name, write] : lastWrites) {
        const auto &[section, key, value] = write;
        FUZZ_EXPECT(ini.readString(section, key, QStringLiteral("\x01missing")) == value,
                    "a written value reads back exactly");
    }
    return 0;
}
