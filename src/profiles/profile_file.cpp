#include "profiles/profile_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList tokenizeLine(const QString &line)
{
    QStringList tokens;
    QString remaining = line;
    for (;;) {
        const qsizetype blank = remaining.indexOf(u' ');
        const QString token = blank >= 0 ? remaining.left(blank) : (remaining.size() >= 2 ? remaining : QString());
        if (token.isEmpty())
            break;
        tokens.append(token);
        if (blank < 0)
            break;
        remaining = remaining.mid(blank + 1);
    }
    return tokens;
}

namespace {

std::optional<QString> nextLine(QIODevice &file)
{
    if (file.atEnd())
        return std::nullopt;
    QByteArray line = file.readLine();
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

} // namespace

ProfileBlock readProfileBlock(QIODevice &file, int id)
{
    ProfileBlock block;
    if (id < 1)
        return block;
    const qint64 sizeLineNumber = 4LL * id - 2;
    for (qint64 number = 1; number < sizeLineNumber; ++number)
        if (!nextLine(file))
            return block;
    block.sizeLine = nextLine(file);
    if (block.sizeLine)
        block.rateLine = nextLine(file);
    if (block.rateLine)
        block.argumentTemplate = nextLine(file);
    return block;
}

ProfileBlock readProfileBlock(const QString &folder, int id)
{
    const QString path = QDir(folder).filePath(kProfileFileName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString folderText = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
        const QString message =
            file.exists()
                ? QStringLiteral("The profile file %1 in %2 could not be read (%3). Make it readable for your user "
                                 "or reinstall the program, then choose the profile again.")
                      .arg(kProfileFileName, folderText, file.errorString())
                : QStringLiteral("The profile file %1 was not found in %2. Reinstall the program to restore it, "
                                 "then choose the profile again.")
                      .arg(kProfileFileName, folderText);
        throw ProfileFileError(message.toStdString());
    }
    return readProfileBlock(file, id);
}
