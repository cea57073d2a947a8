#include "platform/ini/ini_file.h"

#include "platform/ini/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <SimpleIni.h>
#include <string>

namespace {

// Loads the file as it is now; a missing or unreadable file reads as empty.
void load(CSimpleIniA &ini, const QString &path)
{
    ini.SetUnicode(true);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    ini.LoadData(data.constData(), static_cast<size_t>(data.size()));
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

IniFile::IniFile(const QString &nameOrPath)
    : m_path(nameOrPath.contains(u'/') ? nameOrPath : settingsFolder() + u'/' + nameOrPath)
{
}

QString IniFile::settingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/.config";
    return base + "/veltrix";
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    CSimpleIniA ini;
    load(ini, m_path);
    const char *value = ini.GetValue(utf8(section).c_str(), utf8(key).c_str(), nullptr);
    return value ? QString::fromUtf8(value) : defaultValue;
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
    CSimpleIniA ini;
    load(ini, m_path);
    ini.SetValue(utf8(section).c_str(), utf8(key).c_str(), utf8(value).c_str());
    std::string contents;
    if (ini.Save(contents) < 0) {
        m_error = QStringLiteral("%1 could not be prepared for writing.").arg(m_path);
        return false;
    }
    return writeFileAtomically(m_path, QByteArray::fromStdString(contents), &m_error);
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
