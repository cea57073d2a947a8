#pragma once
// Writing a file so that a crash never leaves half of it: the contents go to a
// temporary file in the same folder, which then replaces the file by rename.

#include <QByteArray>
#include <QString>

class AtomicFileWriter {
public:
    // A symbolic link is followed: its target is the file replaced.
    explicit AtomicFileWriter(const QString &path);
    ~AtomicFileWriter(); // removes a temporary file that was never committed
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // Writes and flushes the temporary file; false with error() on failure.
    bool prepare(const QByteArray &contents);
    // Renames the temporary file over the target.
    bool commit();
    QString error() const { return m_error; }

private:
    QString m_path;
    QString m_temporary;
    QString m_error;
};

// prepare + commit; false with a message naming the file on failure.
bool writeFileAtomically(const QString &path, const QByteArray &contents, QString *error = nullptr);
