#pragma once
// INI files: integers, booleans and texts by section and key, with defaults.
// Every read takes the file as it is on disk now; every write reaches the disk
// at once and atomically, as "key=value" lines. Key names are kept verbatim
// ("video bitrate"); values are bytes, kept exactly as written (a value with a
// blank at either end is written in double quotes). A damaged file, one that
// would lose content by a rewrite (see readableIni), is copied to
// "<path>.bak" before it is rewritten; a file over a megabyte is damaged
// too, is never read and is moved to "<path>.bak" instead. Something that
// is no regular file under the name (a FIFO, a device, a folder) is neither
// read nor written.

#include <QByteArray>
#include <QString>
#include <optional>

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
    // The value's bytes as they stand in the file; nothing for a missing key.
    std::optional<QByteArray> readBytes(const QString &section, const QString &key) const;

    // False when the file could not be written; error() then says why.
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool writeString(const QString &section, const QString &key, const QString &value);
    // A value holding a line break or a NUL byte is refused.
    bool writeBytes(const QString &section, const QString &key, const QByteArray &value);
    QString error() const { return m_error; }

    // What the file on disk is now, for telling the user once at start.
    enum class Damage { None, CopyKept, CopyKeptBefore, CopyFailed, NotAFile, TooLargeMoved };
    // Copies a file that would lose content by a rewrite to
    // damagedCopyPath(path()), unless that copy already holds it
    // (CopyKeptBefore), and moves a too large one there (TooLargeMoved);
    // CopyFailed and NotAFile leave the reason in error().
    Damage keepCopyIfDamaged();

private:
    // False, with the reason in error(), when it could not be moved.
    bool moveAsideTooLarge();
    QString notAFileText() const;

    QString m_path;
    QString m_error;
};
