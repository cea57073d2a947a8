#pragma once
// Every message box text and hover hint comes by number from language.info
// beside the executable: line N is message N. The file is read anew at every
// lookup, so translating the program means replacing that file.

#include "ui_text/message_numbers.h"

#include <QByteArray>
#include <QString>
#include <optional>

class BusyState;
class Prompts;
class SkinObject;

// Line n (counting from 1) of the file's contents, whole, without its line
// end (CR LF or a lone LF); empty beyond the last line.
QString messageLine(const QByteArray &contents, int n);

// What the hint line shows for hint number n (1 to 25): the line itself, and
// for 25 the line, a blank, the edition base name and a full stop.
QString hintLineText(int n, const QString &line, const QString &editionBaseName);

// The hint number for the skin object under the pointer; 25 for any object
// without a hint of its own.
int hintNumberFor(const QString &skinObjectName);

class MessageTable {
public:
    // While `busy` converts, the hint line stays as it was; boxes still show
    // their text.
    MessageTable(QString dataFolder, Prompts &prompts, const BusyState &busy);

    void setEditionBaseName(const QString &baseName) { m_baseName = baseName; }
    // The "hint" skin object; nullptr when the skin has none (hints are skipped).
    void setHintObject(SkinObject *hint) { m_hint = hint; }

    // Shows hint number n (1 to 25) on the hint line.
    void showHint(int n);

    // Message n as text (a caption, for instance); nullopt after telling the
    // user that language.info cannot be read, and the command should stop.
    std::optional<QString> text(int n);
    // Message n in a warning or information box.
    void warning(int n);
    void information(int n);
    // Message n as a Yes/No question; true only for Yes.
    bool question(int n);

private:
    // The file's contents, or nullopt when it cannot be read.
    std::optional<QByteArray> readFile() const;
    QString unreadableText() const;
    void setHint(const QString &text);

    QString m_path;
    Prompts &m_prompts;
    const BusyState &m_busy;
    QString m_baseName;
    SkinObject *m_hint = nullptr;
};
