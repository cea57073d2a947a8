// Build tool: writes softinfo.dat from its readable source (data/softinfo.txt).
// Usage: softinfo_gen <source.txt> <softinfo.dat>
// Source lines: name|unused link|web link|support link; blank lines and lines
// starting with "#" are skipped.

#include "app/product_record.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "softinfo_gen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return fail(QStringLiteral("usage: softinfo_gen <source.txt> <softinfo.dat>"));
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(sourcePath, source.errorString()));

    QByteArray records;
    int lineNumber = 0;
    while (!source.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(source.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        const std::optional<QByteArray> record =
            fields.size() == 4 ? encodeProductRecord({fields[0], fields[1], fields[2], fields[3]}) : std::nullopt;
        if (!record)
            return fail(QStringLiteral("%1:%2: expected name|unused link|web link|support link, Latin-1, "
                                       "the name up to 30 characters and each link up to 150")
                            .arg(sourcePath)
                            .arg(lineNumber));
        records += *record;
    }

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(records) != records.size() || !output.commit())
        return fail(QStringLiteral("%1 cannot be written: %2").arg(output.fileName(), output.errorString()));
    return 0;
}
