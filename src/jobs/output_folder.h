#pragma once
// The output folder typed into `ed_output`, resolved once when a batch takes
// it over, so the folder created and the folder the encoder writes to are the
// same whatever the program's working folder.

#include <QObject>
#include <QString>
#include <optional>

// The folder the text names, absolute: "~" and a leading "~/" stand for the
// home folder, and a relative folder lies in the home folder. An absolute
// text, blanks included, is kept as typed.
QString absoluteOutputFolder(const QString &typed, const QString &home);

// Why a batch cannot write to the typed folder, as the message for the user;
// nothing when it can. Refused: an empty (or all-blank) field, and a name
// holding U+FFFD, the mark of a file name whose bytes are not text in this
// system's encoding (a file written there would land in another folder).
std::optional<QString> outputFolderRefusal(const QString &typed);

// Makes the absolute `folder` with its parents where it is missing; why no
// file can be written in it, as the message for the user naming the folder
// and the system's cause, or nothing when files can.
std::optional<QString> outputFolderWriteRefusal(const QString &folder);

// The output folder: the text of the Output field and the stored folder
// (the settings' output path), which the folder chooser and every job start
// set. The field shows textChanged().
class OutputFolder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const QString &text() const { return m_text; }
    // The user's typing; the stored folder waits until it is taken.
    void setText(const QString &text) { m_text = text; }
    const QString &stored() const { return m_stored; }
    // The folder the text names, absolute (see absoluteOutputFolder).
    QString absolute() const;
    // A folder chosen or read from the settings: stored and shown.
    void setFolder(const QString &folder);
    // Takes the typed text when the field is left and when a job starts: made
    // absolute, stored and shown so. A text a batch would refuse (emptied,
    // or not text in this system's encoding) leaves the folder before.
    // The folder a starting job writes to.
    QString takeText();
    // Whether each output goes below the output folder at its source's place
    // in the folder it was added from (see treeFolder).
    bool keepsStructure() const { return m_keepStructure; }
    void setKeepStructure(bool keep) { m_keepStructure = keep; }
    // The output name pattern of a file's outputs (see patternParts); empty:
    // outputs are named after their rows.
    const QString &namePattern() const { return m_namePattern; }
    void setNamePattern(const QString &pattern) { m_namePattern = pattern; }

signals:
    void textChanged(const QString &text);

private:
    void show(const QString &text);

    QString m_text;
    QString m_stored;
    bool m_keepStructure = false;
    QString m_namePattern;
};
