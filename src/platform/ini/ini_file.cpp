#include "platform/ini/ini_file.h"

#include "platform/ini/atomic_file.h"
#include "platform/ini/ini_damage.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <SimpleIni.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Something other than a file lies under the name (a FIFO, a device, a
// folder): opening a FIFO would wait for a writer for ever, and a rewrite
// would replace a device node.
bool notAFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

// A settings file holds a few kilobytes: one larger than this is damaged,
// and reading it (again at every read) would take long and much memory.
constexpr qint64 kLargestSettingsFile = 1 << 20;

bool tooLarge(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > kLargestSettingsFile;
}

// The file as it is now; a missing, unreadable or too large file, or
// something that is no file, reads as empty.
QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return !notAFile(path) && !tooLarge(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How values are loaded: for reading, without one pair of enclosing quotes;
// for a rewrite, as they stand in the file, so that the rewrite writes every
// other value back exactly as it was stored.
enum class Values { Unquoted, AsStored };

// Keys and values are bytes (no conversion); "key=value" without blanks. Only
// the readable lines of a damaged file are loaded.
void load(CSimpleIniA &ini, const QByteArray &readableText, Values values)
{
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    ini.SetQuotes(values == Values::Unquoted);
    ini.LoadData(readableText.constData(), static_cast<size_t>(readableText.size()));
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// The form a value is stored in so that it reads back exactly: reading drops
// blanks at either end and then one pair of enclosing quotes, so a value with
// a blank at either end, or already enclosed in quotes, is enclosed in quotes.
QByteArray storedForm(const QByteArray &value)
{
    const bool blankEnd = !value.isEmpty() && (isIniBlank(value.front()) || isIniBlank(value.back()));
    const bool enclosed = value.size() >= 2 && value.startsWith('"') && value.endsWith('"');
    return blankEnd || enclosed ? '"' + value + '"' : value;
}

} // namespace

IniFile::IniFile(const QString &nameOrPath)
    : m_path(nameOrPath.contains(u'/') ? nameOrPath : settingsFolder() + u'/' + nameOrPath)
{}

QString IniFile::settingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/.config";
    return base + "/veltrix";
}

std::optional<QByteArray> IniFile::readBytes(const QString &section, const QString &key) const
{
    CSimpleIniA ini;
    load(ini, readableIni(contentsOf(m_path)).text, Values::Unquoted);
    const char *value = ini.GetValue(utf8(section).c_str(), utf8(key).c_str(), nullptr);
    return value ? std::optional<QByteArray>(QByteArray(value)) : std::nullopt;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<QByteArray> value = readBytes(section, key);
    if (!value)
        return defaultValue;
    // QString::fromUtf8 would drop a byte order mark that starts the value.
    QStringDecoder utf8Text(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8Text(*value);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const QString text = readString(section, key, QString()).trimmed();
    bool ok = false;
    const int value = text.startsWith("0x", Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return writeBytes(section, key, value.toUtf8());
}

bool IniFile::writeBytes(const QString &section, const QString &key, const QByteArray &value)
{
    if (value.contains('\n') || value.contains('\r') || value.contains('\0')) {
        m_error = QStringLiteral(
                      "%1: the value of \"%2\" holds a line break or a NUL byte, which a settings line cannot keep.")
                      .arg(m_path, key);
        return false;
    }
    if (notAFile(m_path)) {
        m_error = notAFileText();
        return false;
    }
    if (tooLarge(m_path) && !moveAsideTooLarge())
        return false;
    const QByteArray current = contentsOf(m_path);
    const ReadableIni readable = readableIni(current);
    if (!readable.complete && !writeFileAtomically(damagedCopyPath(m_path), current, &m_error))
        return false;
    CSimpleIniA ini;
    load(ini, readable.text, Values::AsStored);
    ini.SetValue(utf8(section).c_str(), utf8(key).c_str(), storedForm(value).constData());
    std::string contents;
    if (ini.Save(contents) < 0) {
        m_error = QStringLiteral("%1 could not be prepared for writing.").arg(m_path);
        return false;
    }
    return writeFileAtomically(m_path, QByteArray::fromStdString(contents), &m_error);
}

QString IniFile::notAFileText() const
{
    return QStringLiteral("%1 is not a file (a folder, a device or a named pipe lies under its name), so the "
                          "settings can be neither read from it nor saved to it.")
        .arg(m_path);
}

IniFile::Damage IniFile::keepCopyIfDamaged()
{
    if (notAFile(m_path)) {
        m_error = notAFileText();
        return Damage::NotAFile;
    }
    if (tooLarge(m_path))
        return moveAsideTooLarge() ? Damage::TooLargeMoved : Damage::CopyFailed;
    const QByteArray current = contentsOf(m_path);
    if (readableIni(current).complete)
        return Damage::None;
    if (contentsOf(damagedCopyPath(m_path)) == current)
        return Damage::CopyKeptBefore;
    return writeFileAtomically(damagedCopyPath(m_path), current, &m_error) ? Damage::CopyKept : Damage::CopyFailed;
}

bool IniFile::moveAsideTooLarge()
{
    // Moved, not copied: a copy would read the whole file once more.
    if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(damagedCopyPath(m_path)).constData()) == 0)
        return true;
    m_error = QStringLiteral("%1 is larger than a settings file can be and could not be moved to %2: %3")
                  .arg(m_path, damagedCopyPath(m_path), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
