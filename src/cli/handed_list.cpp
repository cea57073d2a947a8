#include "cli/handed_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

std::variant<HandedList, QString> readHandedList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The list %1 cannot be read: %2.").arg(path, file.errorString());
    QString problem;
    std::optional<StoredJobList> list = parseJobList(file.readAll(), &problem);
    if (!list)
        return QStringLiteral("The list %1 cannot be run: %2.").arg(path, problem);
    if (!list->dropped.isEmpty())
        return QStringLiteral("The list %1 has damaged rows (%2); export or plan it again.")
            .arg(path, list->dropped.join(QStringLiteral(", ")));
    const std::optional<ConversionSettings> settings = conversionSettingsFrom(list->conversion);
    if (!settings)
        return QStringLiteral("The list %1 does not say what to convert to: export it with the window's "
                              "File > Export Job List, or plan it with veltrix-convert --plan.")
            .arg(path);
    return HandedList{std::move(*list), *settings};
}

std::variant<Shard, QString> parseShard(const QString &text, const QProcessEnvironment &environment)
{
    if (text == u"slurm") {
        bool ok[4] = {};
        const auto number = [&](const char *name, bool *read, int fallback) {
            const QString value = environment.value(QString::fromLatin1(name));
            if (value.isEmpty()) {
                *read = fallback > 0;
                return fallback;
            }
            return value.toInt(read);
        };
        const int id = number("SLURM_ARRAY_TASK_ID", &ok[0], 0);
        const int first = number("SLURM_ARRAY_TASK_MIN", &ok[1], 0);
        const int count = number("SLURM_ARRAY_TASK_COUNT", &ok[2], 0);
        const int step = number("SLURM_ARRAY_TASK_STEP", &ok[3], 1);
        if (!(ok[0] && ok[1] && ok[2] && ok[3]) || step < 1 || count < 1 || id < first)
            return QStringLiteral("--shard slurm runs in a Slurm array task (sbatch --array): "
                                  "SLURM_ARRAY_TASK_ID, _MIN and _COUNT are not set here.");
        return Shard{(id - first) / step + 1, count};
    }
    const QStringList parts = text.split(u'/');
    bool indexRead = false, countRead = false;
    const Shard shard{parts.value(0).toInt(&indexRead), parts.value(1).toInt(&countRead)};
    if (parts.size() != 2 || !indexRead || !countRead || shard.count < 1 || shard.index < 1
        || shard.index > shard.count)
        return QStringLiteral("--shard takes K/N with 1 <= K <= N (such as 2/6), or slurm; not \"%1\".").arg(text);
    return shard;
}

bool inShard(int row, const Shard &shard)
{
    return row % shard.count == shard.index - 1;
}

QString resultFilePath(const QString &listPath, const Shard &shard)
{
    return listPath + QStringLiteral(".result-%1").arg(shard.index);
}

bool appendResult(const QString &path, const RowResult &result)
{
    QJsonObject line{
        {QStringLiteral("row"), result.row},
        {QStringLiteral("state"), result.finished ? QStringLiteral("finished") : QStringLiteral("failed")}};
    line.insert(result.finished ? QStringLiteral("output") : QStringLiteral("reason"),
                result.finished ? result.output : result.reason);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append)
           && file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n') > 0 && file.flush();
}

Collected collectResults(const std::vector<bool> &checks, const std::vector<QByteArray> &resultTexts)
{
    std::map<int, RowResult> told;
    for (const QByteArray &text : resultTexts)
        for (const QByteArray &line : text.split('\n')) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            const int row = object.value(QStringLiteral("row")).toInt(-1);
            const QString state = object.value(QStringLiteral("state")).toString();
            if (row < 0 || row >= int(checks.size()) || (state != u"finished" && state != u"failed"))
                continue;
            if (told[row].finished)
                continue;
            told[row] = {row, state == u"finished", object.value(QStringLiteral("output")).toString(),
                         object.value(QStringLiteral("reason")).toString()};
        }
    Collected collected;
    for (int row = 0; row < int(checks.size()); ++row) {
        if (!checks[row])
            continue;
        ++collected.rows;
        const auto result = told.find(row);
        if (result == told.end())
            collected.missing.push_back(row);
        else if (result->second.finished)
            ++collected.finished;
        else
            collected.failed.push_back(result->second);
    }
    return collected;
}

QStringList resultFilesOf(const QString &listPath)
{
    const QFileInfo list(listPath);
    QStringList files;
    for (const QString &name : list.dir().entryList({list.fileName() + QStringLiteral(".result-*")}, QDir::Files))
        files << list.dir().filePath(name);
    return files;
}
