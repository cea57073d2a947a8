#pragma once
// INI files: integers, booleans and texts by section and key, with defaults.
// Every read takes the file as it is on disk now; every write reaches the disk
// at once and atomically. Key names are kept verbatim ("video bitrate").

#include <QString>

class IniFile {
public:
    // A bare file name lies in the settings folder; a path is taken as it is.
    explicit IniFile(const QString &nameOrPath);

    // $XDG_CONFIG_HOME/veltrix (default ~/.config/veltrix).
    static QString settingsFolder();
    QString path() const { return m_path; }

    // A missing key, file or malformed number gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;

    // False when the file could not be written; error() then says why.
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool writeString(const QString &section, const QString &key, const QString &value);
    QString error() const { return m_error; }

private:
    QString m_path;
    QString m_error;
};
